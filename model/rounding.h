#pragma once

#include <cstdint>
#include <cstring>

// Round with halves to the even neighbour, for |x| < 2^31 (the result is an int).
// Adding 1.5 * 2^52 leaves a sum with no fraction bits, so the addition itself rounds x to the
// nearest integer, a half to the even one, in the round-to-nearest mode that C++ starts in and
// WebAssembly alone has (the program never changes it). The sum is 1.5 * 2^52 + n, so its low 32
// bits hold n in two's complement: read from there rather than converted back from a double, which
// WebAssembly engines do behind a range check. No C library call, so the desktop and the browser
// agree to the bit.
inline int round_half_even(double x) {
    constexpr double shift = 6755399441055744.0;
    const double sum = x + shift;
    std::uint64_t bits;
    std::memcpy(&bits, &sum, sizeof bits);
    return static_cast<int>(static_cast<std::uint32_t>(bits));
}
