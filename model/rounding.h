#pragma once

// Round with halves to the even neighbour, for |x| < 2^31 - 1.
// Exact in any rounding mode and without the C library: the cast truncates, x - t only clears
// the integer bits of x so it rounds nothing, and the fraction is then compared with 0.5.
constexpr int round_half_even(double x) {
    const int t = static_cast<int>(x);
    const double f = x - t;
    const bool odd = (t & 1) != 0;
    if (f > 0.5 || (f == 0.5 && odd)) return t + 1;
    if (f < -0.5 || (f == -0.5 && odd)) return t - 1;
    return t;
}
