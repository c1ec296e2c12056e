#include "render/colour_map.h"

#include "model/charges.h"
#include "model/field.h"
#include "model/ports.h"
#include "model/rounding.h"
#include "render/board.h"

#include <cstddef>

namespace {

// The two-sided ramp for one sample already known to lie in [minV, maxV].
struct Ramp {
    double ePos;
    double eNeg;
    double half_max;
    double half_min;

    Rgb colour(double v) const {
        if (v > 0) {
            if (v > half_max) return rgb(255, 255 - round_half_even((v - half_max) / ePos), 0);
            return rgb(255, 255, 255 - round_half_even(v / ePos));
        }
        if (v < 0) {
            if (v >= half_min) return rgb(255 - round_half_even(v / eNeg), 255, 255);
            return rgb(0, 255 - round_half_even((v - half_min) / eNeg), 255);
        }
        // Exact cancellation: both halves of the ramp end in white next to 0.
        return white;
    }
};

} // namespace

bool rysuj_rozklad_pot(Canvas& board) {
    if (charge_count == 0) return false;
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
    pen_rgb = to_pen(last_painted);

    map.set_pen_color(black);
    map.move_to(board_centre, 0);
    map.line_to(board_centre, board_size);
    map.move_to(0, board_centre);
    map.line_to(board_size, board_centre);
    board.draw(map);
    scratch_bitmap.reset();

    draw_charge_markers(board);
    bar.progress_set_position(0);
    return true;
}
