#include "base/bitmap_resample.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

struct Channels {
    double red = 0;
    double green = 0;
    double blue = 0;

    void Add(Color c, double weight) {
        red += RedOf(c) * weight;
        green += GreenOf(c) * weight;
        blue += BlueOf(c) * weight;
    }
    Color ToColor(double totalWeight) const {
        auto channel = [&](double sum) {
            return std::uint8_t(std::clamp(std::lround(sum / totalWeight), 0L, 255L));
        };
        return Rgb(channel(red), channel(green), channel(blue));
    }
};

// Where a destination pixel's centre lies in the source, as a pair of neighbouring
// columns (or rows) and the weight of the second.
struct Tap {
    int first;
    int second;
    double weight;
};

Tap BilinearTap(int destination, int sourceLength, int destinationLength) {
    const double at = (destination + 0.5) * double(sourceLength) / double(destinationLength) - 0.5;
    const double clamped = std::clamp(at, 0.0, double(sourceLength - 1));
    const int first = int(std::floor(clamped));
    const int second = std::min(first + 1, sourceLength - 1);
    return {first, second, clamped - first};
}

Bitmap Bilinear(const Bitmap& source, int width, int height) {
    Bitmap result(width, height);
    for (int y = 0; y < height; ++y) {
        const Tap row = BilinearTap(y, source.Height(), height);
        for (int x = 0; x < width; ++x) {
            const Tap column = BilinearTap(x, source.Width(), width);
            Channels sum;
            sum.Add(source.Pixel(column.first, row.first), (1 - column.weight) * (1 - row.weight));
            sum.Add(source.Pixel(column.second, row.first), column.weight * (1 - row.weight));
            sum.Add(source.Pixel(column.first, row.second), (1 - column.weight) * row.weight);
            sum.Add(source.Pixel(column.second, row.second), column.weight * row.weight);
            result.SetPixel(x, y, sum.ToColor(1.0));
        }
    }
    return result;
}

// How much of source cell `cell` lies within [from, to).
double Coverage(int cell, double from, double to) {
    return std::max(0.0, std::min(to, cell + 1.0) - std::max(from, double(cell)));
}

Bitmap Area(const Bitmap& source, int width, int height) {
    Bitmap result(width, height);
    const double stepX = double(source.Width()) / width;
    const double stepY = double(source.Height()) / height;
    for (int y = 0; y < height; ++y) {
        const double top = y * stepY;
        const double bottom = top + stepY;
        for (int x = 0; x < width; ++x) {
            const double left = x * stepX;
            const double right = left + stepX;
            Channels sum;
            double total = 0;
            for (int sy = int(top); sy < std::min(int(std::ceil(bottom)), source.Height()); ++sy) {
                const double rowWeight = Coverage(sy, top, bottom);
                for (int sx = int(left); sx < std::min(int(std::ceil(right)), source.Width());
                     ++sx) {
                    const double weight = rowWeight * Coverage(sx, left, right);
                    sum.Add(source.Pixel(sx, sy), weight);
                    total += weight;
                }
            }
            result.SetPixel(x, y, total > 0 ? sum.ToColor(total) : kBlack);
        }
    }
    return result;
}

}  // namespace

Bitmap Resampled(const Bitmap& source, int width, int height) {
    if (width == source.Width() && height == source.Height()) return source;
    if (width <= 0 || height <= 0 || source.Empty()) return Bitmap(width, height, kBlack);
    // Each axis is filtered by the rule for the whole: a picture that shrinks in either
    // direction is averaged, one that grows is interpolated.
    if (width < source.Width() || height < source.Height()) return Area(source, width, height);
    return Bilinear(source, width, height);
}

}  // namespace quorvel
