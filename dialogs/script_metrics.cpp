#include "dialogs/script_metrics.h"

#include <bit>

namespace {

// numerator / denominator (both 0 or more) to the nearest integer, a half to the even neighbour.
int nearest_even(int numerator, int denominator) {
    const int whole = numerator / denominator;
    const int twice_rest = 2 * (numerator % denominator);
    if (twice_rest > denominator || (twice_rest == denominator && whole % 2 != 0)) return whole + 1;
    return whole;
}

// height x 0.7 as the double product rounds: 0.7 in binary is 1 / (5 x 2^52) short, so a
// product meant to end in exactly .5 falls below the half, and rounds down, once that shortfall
// exceeds half a unit in the last place of the product (2^(e - 53) for a product in [2^e,
// 2^(e+1))).
int seven_tenths(int height) {
    const int whole = 7 * height / 10;
    if (7 * height % 10 == 5) {
        const int e = static_cast<int>(std::bit_width(static_cast<unsigned>(whole))) - 1;
        if (2 * height > (5 << e)) return whole;
    }
    return nearest_even(7 * height, 10);
}

} // namespace

CharMetrics script_metrics(int height, ScriptMode mode) {
    // 10 / 7 is never a half and 0.3 in binary is short by too little to move one, so both go
    // straight to the nearest integer.
    if (mode == ScriptMode::normal) return {nearest_even(10 * height, 7), 0};
    const int new_height = seven_tenths(height);
    const int offset = nearest_even(3 * new_height, 10);
    return {new_height, mode == ScriptMode::subscript ? -offset : offset};
}
