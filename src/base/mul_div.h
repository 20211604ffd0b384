#pragma once

namespace quorvel {

// number × numerator / denominator rounded to the nearest integer, halves away from zero,
// computed without overflow; -1 when the denominator is 0 or the result does not fit
// (the system's MulDiv).
constexpr int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    long long a = number;
    long long d = denominator;
    if (d < 0) {
        a = -a;
        d = -d;
    }
    const long long product = a * numerator;
    const long long result = product >= 0 ? (product + d / 2) / d : (product - d / 2) / d;
    if (result > 2147483647LL || result < -2147483647LL) return -1;
    return int(result);
}

}  // namespace quorvel
