#include "win32/window_region.h"

#include <algorithm>
#include <cstring>

namespace quorvel::win32 {

namespace {

UniqueRegion RegionFromRunSpan(const RowRun* first, std::size_t count) {
    if (count == 0) return {};
    // RGNDATA is a header followed by the rectangles; build it in one buffer.
    std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(buffer.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = DWORD(count);
    header->nRgnSize = DWORD(count * sizeof(RECT));
    RECT bounds{first->left, first->y, first->right, first->y + 1};
    auto* rects = reinterpret_cast<RECT*>(buffer.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < count; ++i) {
        const RowRun& run = first[i];
        const RECT rect{run.left, run.y, run.right, run.y + 1};
        std::memcpy(&rects[i], &rect, sizeof rect);
        bounds.left = std::min(bounds.left, rect.left);
        bounds.top = std::min(bounds.top, rect.top);
        bounds.right = std::max(bounds.right, rect.right);
        bounds.bottom = std::max(bounds.bottom, rect.bottom);
    }
    header->rcBound = bounds;
    return UniqueRegion(ExtCreateRegion(nullptr, DWORD(buffer.size()),
                                        reinterpret_cast<const RGNDATA*>(buffer.data())));
}

// Part of the shape, made of this many blocks of runs.
struct Piece {
    UniqueRegion region;
    std::size_t blocks;
};

void MergeLastTwo(std::vector<Piece>& pieces) {
    Piece last = std::move(pieces.back());
    pieces.pop_back();
    Piece& into = pieces.back();
    if (!into.region) {
        into.region = std::move(last.region);
    } else if (last.region) {
        CombineRgn(into.region.Get(), into.region.Get(), last.region.Get(), RGN_OR);
    }
    into.blocks += last.blocks;
}

}  // namespace

UniqueRegion RegionFromRunsInOneCall(const std::vector<RowRun>& runs) {
    return RegionFromRunSpan(runs.data(), runs.size());
}

UniqueRegion RegionFromRuns(const std::vector<RowRun>& runs) {
    // Some implementations insert each rectangle of ExtCreateRegion into the region one
    // by one (quadratic in the number of runs), while the union of two regions whose rows
    // do not overlap is linear. So: one call per small block of runs, then blocks merged
    // pairwise, which is fast everywhere, also for a full-screen skin.
    // The merging is a binary counter: a new block joins the last piece while both hold the
    // same number of blocks, so only a few pieces (one per bit) are alive at a time, far
    // below the system's limit on objects even for millions of runs.
    constexpr std::size_t kBlock = 64;
    std::vector<Piece> pieces;
    for (std::size_t at = 0; at < runs.size(); at += kBlock) {
        pieces.push_back(
            {RegionFromRunSpan(runs.data() + at, std::min(kBlock, runs.size() - at)), 1});
        while (pieces.size() > 1 && pieces.back().blocks == pieces[pieces.size() - 2].blocks)
            MergeLastTwo(pieces);
    }
    while (pieces.size() > 1) MergeLastTwo(pieces);
    return pieces.empty() ? UniqueRegion() : std::move(pieces.front().region);
}

UniqueRegion RegionFromRunsOneByOne(const std::vector<RowRun>& runs) {
    UniqueRegion region;
    for (const RowRun& run : runs) {
        UniqueRegion piece(CreateRectRgn(run.left, run.y, run.right, run.y + 1));
        if (!region) {
            region = std::move(piece);
        } else {
            CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_OR);
        }
    }
    return region;
}

void ApplyWindowShape(HWND window, const std::vector<RowRun>& runs) {
    UniqueRegion region = RegionFromRuns(runs);
    if (SetWindowRgn(window, region.Get(), TRUE)) region.Release();
}

}  // namespace quorvel::win32
