#include "render/colour_map.h"

#include "model/rounding.h"
#include "render/board.h"

#include <cstddef>
#include <optional>

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

    // Painted over the board in place when it covers the board exactly, else off the board and
    // copied; white where a sample is outside the range.
    const bool in_place = board.width() == board_size && board.height() == board_size;
    std::optional<Canvas> map;
    Canvas& target = in_place ? board : map.emplace(board_size, board_size);
    Rgb* pixels = target.data();
    Rgb last_painted = to_rgb(pen);
    for (int c = 0; c < board_size; ++c) {
        progress.progress_step();
        const double* column = grids.v()[c];
        Rgb* pixel = pixels + c;
        for (int row = 0; row < board_size; ++row, pixel += board_size) {
            const double v = column[row];
            if (v < min_v || v > max_v) {
                *pixel = white;
                continue;
            }
            last_painted = ramp.colour(v);
            *pixel = last_painted;
        }
    }
    // The axes, as a one-pixel black pen draws them through the centre pixel.
    for (int i = 0; i < board_size; ++i) {
        pixels[static_cast<std::size_t>(i) * board_size + board_centre] = black;
        pixels[static_cast<std::size_t>(board_centre) * board_size + i] = black;
    }
    if (!in_place) board.draw(*map);
    pen = to_pen(last_painted);

    draw_charge_markers(board, charges);
    progress.progress_set_position(0);
    return true;
}
