// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_COMPENSATEDSUM_H
#define VORLIX_COMPENSATEDSUM_H

#include <cmath>

namespace vorlix {

/// A running sum that keeps the rounding error of every addition (Neumaier's variant of
/// Kahan summation: A. Neumaier, ZAMM 54, 39 (1974)). A simulated clock advanced by
/// millisecond ticks for hours stays exact to an ulp or two of its value, where a plain
/// sum of a million ticks drifts by a million roundings. Needs strict IEEE arithmetic
/// (no -ffast-math), or the compensation is optimised away.
class CompensatedSum {
public:
    explicit CompensatedSum(double start = 0) : sum_(start) { }

    void add(double x)
    {
        const double next = sum_ + x;
        // The smaller addend is the one whose low bits the rounding dropped.
        compensation_ += std::abs(sum_) >= std::abs(x) ? (sum_ - next) + x : (x - next) + sum_;
        sum_ = next;
    }

    double value() const { return sum_ + compensation_; }

private:
    double sum_;
    double compensation_ = 0;
};

} // namespace vorlix

#endif
