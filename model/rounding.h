#pragma once

// Round with halves to the even neighbour, for |x| < 2^31 (the result is an int).
// Adding 1.5 * 2^52 leaves a sum with no fraction bits, so the addition itself rounds x to the
// nearest integer, a half to the even one, in the round-to-nearest mode that C++ starts in and
// WebAssembly alone has (the program never changes it); subtracting it again is exact. No C
// library call, so the desktop and the browser agree to the bit.
constexpr int round_half_even(double x) {
    constexpr double shift = 6755399441055744.0;
    return static_cast<int>((x + shift) - shift);
}
