#pragma once

#include <vector>

#include "skin/skin_shape.h"
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace quorvel::win32 {

// The window shape as one region: made from blocks of the run list, each in one call,
// merged pairwise. Fast for a full-screen skin too.
UniqueRegion RegionFromRuns(const std::vector<RowRun>& runs);

// The whole run list in a single ExtCreateRegion call; kept for the benchmark.
UniqueRegion RegionFromRunsInOneCall(const std::vector<RowRun>& runs);

// The same region built run by run with CombineRgn, the way the shape was first
// described; kept for the benchmark that compares the two.
UniqueRegion RegionFromRunsOneByOne(const std::vector<RowRun>& runs);

// Gives the window its shape; no runs gives it back its full rectangle. The system owns
// the region afterwards.
void ApplyWindowShape(HWND window, const std::vector<RowRun>& runs);

}  // namespace quorvel::win32
