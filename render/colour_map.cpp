#include "render/colour_map.h"

#include "model/rounding.h"
#include "render/board.h"

#include <cstddef>

namespace {

// The two-sided ramp for one sample already known to lie in the range; a unit is the potential
// of one colour level.
struct Ramp {
    double positive_unit;
    double negative_unit;
    double half_max;
    double half_min;

    Rgb colour(double v) const {
        if (v > 0) {
            if (v > half_max)
                return rgb(255, 255 - round_half_even((v - half_max) / positive_unit), 0);
            return rgb(255, 255, 255 - round_half_even(v / positive_unit));
        }
        if (v < 0) {
            if (v >= half_min) return rgb(255 - round_half_even(v / negative_unit), 255, 255);
            return rgb(0, 255 - round_half_even((v - half_min) / negative_unit), 255);
        }
        // Exact cancellation: both halves of the ramp end in white next to 0.
        return white;
    }
};

} // namespace

bool paint_colour_map(Canvas& board, const FieldGrids& grids, const ChargeSet& charges, PenRgb& pen,
                      ProgressSink& progress) {
    if (charges.empty()) return false;
    progress.progress_set_position(0);
    progress.progress_set_max(400);
    const double min_v = grids.range.min;
    const double max_v = grids.range.max;
    const Ramp ramp{max_v / 2 / 255, min_v / 2 / 255, max_v / 2, min_v / 2};

    // Painted off the board, where a sample outside the range leaves white, and copied.
    Canvas map(board_size, board_size);
    Rgb* pixels = map.data();
    const std::size_t stride = static_cast<std::size_t>(map.width());
    Rgb last_painted = to_rgb(pen);
    for (int c = 0; c < board_size; ++c) {
        progress.progress_step();
        const double* column = grids.v()[c];
        Rgb* pixel = pixels + c;
        for (int row = 0; row < board_size; ++row, pixel += stride) {
            const double v = column[row];
            if (v < min_v || v > max_v) continue;
            last_painted = ramp.colour(v);
            *pixel = last_painted;
        }
    }
    pen = to_pen(last_painted);

    map.set_pen_color(black);
    map.move_to(board_centre, 0);
    map.line_to(board_centre, board_size);
    map.move_to(0, board_centre);
    map.line_to(board_size, board_centre);
    board.draw(map);

    draw_charge_markers(board, charges);
    progress.progress_set_position(0);
    return true;
}
