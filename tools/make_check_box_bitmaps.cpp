// Writes the check box's pictures as .bmp files, one per resource name, into the folder
// given as the argument. Built for the build machine from the core's drawing code, so the
// program's bitmap resources always match what the core draws.
#include <cstdio>
#include <fstream>
#include <string>

#include "base/bmp_file.h"
#include "controls/check_box_pictures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_check_box_bitmaps <folder>\n");
        return 2;
    }
    const quorvel::CheckBoxResources resources = quorvel::MakeCheckBoxResources();
    for (const auto& [name, picture] : quorvel::NamedResources(resources)) {
        const std::string path = std::string(argv[1]) + "/" + name + ".bmp";
        std::ofstream out(path, std::ios::binary);
        out << quorvel::EncodeBmp(*picture);
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
