#pragma once

// Round with halves to the even neighbour, for |x| < 2^31 - 1.
// Exact in any rounding mode and without the C library: the cast truncates, x - t only clears
// the integer bits of x so it rounds nothing, and the fraction is then compared with 0.5.
constexpr int round_half_even(double x) {
    const int t = static_cast<int>(x);
    const double f = x - t;
    const int odd = t & 1;
    // Without branches: a fraction past a half is as likely as not, which no predictor guesses.
    const int up = static_cast<int>(f > 0.5) | (static_cast<int>(f == 0.5) & odd);
    const int down = static_cast<int>(f < -0.5) | (static_cast<int>(f == -0.5) & odd);
    return t + up - down;
}
