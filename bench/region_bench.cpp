// Building a window shape from a skin: the one-call region (ExtCreateRegion from the run
// list) against combining one rectangle region per run, on a typical and a large skin.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "skin/skin_shape.h"
#include "win32/window_region.h"

using namespace quorvel;

namespace {

// An oval window with a grille of round holes, on a uniform key colour: many runs per row.
Bitmap MakeSkin(int width, int height) {
    const Color key = Rgb(255, 0, 255);
    Bitmap skin(width, height, key);
    const double cx = width / 2.0, cy = height / 2.0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double dx = (x - cx) / cx, dy = (y - cy) / cy;
            if (dx * dx + dy * dy > 1.0) continue;
            const int hx = x % 24 - 12, hy = y % 24 - 12;
            if (hx * hx + hy * hy < 30) continue;
            skin.SetPixel(x, y, Rgb(60, 90, 160));
        }
    }
    return skin;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

template <typename Build>
double BestOf(int rounds, Build build) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double best = 1e9;
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        build();
        QueryPerformanceCounter(&end);
        best = std::min(best, Seconds(start, end, frequency));
    }
    return best;
}

void Measure(int width, int height, int rounds) {
    const Bitmap skin = MakeSkin(width, height);
    std::vector<RowRun> runs;
    const double scan = BestOf(rounds, [&] { runs = RegionFromSkin(skin); });
    const double ours = BestOf(rounds, [&] { win32::RegionFromRuns(runs); });
    const double oneCall = BestOf(rounds, [&] { win32::RegionFromRunsInOneCall(runs); });
    const double perRun = BestOf(rounds, [&] { win32::RegionFromRunsOneByOne(runs); });
    std::printf(
        "%4d x %-4d %6zu runs | scan %7.3f ms | ours (blocks merged) %8.3f ms | "
        "single call %9.3f ms | per-run CombineRgn %9.3f ms | per-run / ours %6.1fx\n",
        width, height, runs.size(), scan * 1e3, ours * 1e3, oneCall * 1e3, perRun * 1e3,
        perRun / ours);
}

// The worst shape of the largest skin: every pixel key colour or not at random, so about a
// run for every four pixels; the run list is made once at its exact size (12 bytes a run).
void MeasureNoise() {
    const int side = 4096;
    Bitmap skin(side, side, Rgb(255, 0, 255));
    std::mt19937 random(7);
    for (Color& pixel : skin.Pixels())
        if (random() & 1) pixel = Rgb(60, 90, 160);
    LARGE_INTEGER frequency, start, scanned, built;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    std::vector<RowRun> runs = RegionFromSkin(skin);
    QueryPerformanceCounter(&scanned);
    win32::UniqueRegion region = win32::RegionFromRuns(runs);
    QueryPerformanceCounter(&built);
    std::printf("%d x %d noise %zu runs (list %.0f MB) | scan %.0f ms | region %.0f ms, %s\n", side,
                side, runs.size(), double(runs.capacity() * sizeof(RowRun)) / 1048576.0,
                Seconds(start, scanned, frequency) * 1e3, Seconds(scanned, built, frequency) * 1e3,
                region ? "made" : "FAILED");
}

}  // namespace

int main() {
    std::printf("window shape from a skin (best of several rounds)\n");
    Measure(202, 183, 20);
    Measure(1920, 1080, 3);
    MeasureNoise();
    return 0;
}
