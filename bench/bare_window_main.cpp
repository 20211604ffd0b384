// The bare window program: the floor the program's start and memory are set against.
#include "bare_window.h"

int main() {
    return quorvel::bench::RunBareWindow(L"QuorvelBenchBare");
}
