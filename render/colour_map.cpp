#include "render/colour_map.h"

#include "model/charges.h"
#include "model/field.h"
#include "model/ports.h"
#include "model/state.h"
#include "render/board.h"

#include <cstddef>

int round_ramp_quotient(double q) {
    // Adding 2^52 leaves no fraction bits, so the sum itself is rounded to the nearest integer
    // with ties to even; subtracting it again is exact.
    constexpr double shift = 4503599627370496.0;
    return static_cast<int>((q + shift) - shift);
}

namespace {

// The two-sided ramp for one sample already known to lie in [minV, maxV].
struct Ramp {
    double ePos;
    double eNeg;
    double half_max;
    double half_min;

    Rgb colour(double v) const {
        if (v > 0) {
            if (v > half_max) return rgb(255, 255 - round_ramp_quotient((v - half_max) / ePos), 0);
            return rgb(255, 255, 255 - round_ramp_quotient(v / ePos));
        }
        if (v < 0) {
            if (v >= half_min) return rgb(255 - round_ramp_quotient(v / eNeg), 255, 255);
            return rgb(0, 255 - round_ramp_quotient((v - half_min) / eNeg), 255);
        }
        // Exact cancellation: both halves of the ramp end in white next to 0.
        return white;
    }
};

} // namespace

void rysuj_rozklad_pot(Canvas& board) {
    if (charge_count == 0) return;
    scene_stage = 2;
    WindowPort& bar = window_port();
    bar.progress_set_position(0);
    bar.progress_set_max(400);
    const Ramp ramp{maxV / 2 / 255, minV / 2 / 255, maxV / 2, minV / 2};

    scratch_bitmap.emplace(board_size, board_size);
    Canvas& map = *scratch_bitmap;
    Rgb* pixels = map.data();
    const std::size_t stride = static_cast<std::size_t>(map.width());
    Rgb last_painted = to_rgb(pen_rgb);
    for (int i = 0; i < board_size; ++i) {
        bar.progress_step();
        const double* column = grid_V[i];
        Rgb* pixel = pixels + i;
        for (int j = 0; j < board_size; ++j, pixel += stride) {
            const double v = column[j];
            if (v < minV || v > maxV) continue;
            last_painted = ramp.colour(v);
            *pixel = last_painted;
        }
    }
    pen_rgb = {red_of(last_painted), green_of(last_painted), blue_of(last_painted)};

    const int axis = half_rounded_to_even(board_size);
    map.set_pen_color(black);
    map.move_to(axis, 0);
    map.line_to(axis, board_size);
    map.move_to(0, axis);
    map.line_to(board_size, axis);
    board.draw(map);
    scratch_bitmap.reset();

    for (int i = 1; i <= charge_count; ++i) rysuj_lad(board, i);
    bar.progress_set_position(0);
}
