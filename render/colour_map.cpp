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

    Rgb last_painted = to_rgb(pen);
    if (board.width() != board_size || board.height() != board_size) {
        // Painted off the board, where a sample outside the range leaves white, and copied.
        Canvas map(board_size, board_size);
        Rgb* pixels = map.data();
        const std::size_t stride = static_cast<std::size_t>(map.width());
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
        map.set_pen_color(black);
        map.move_to(board_centre, 0);
        map.line_to(board_centre, board_size);
        map.move_to(0, board_centre);
        map.line_to(board_size, board_centre);
        board.draw(map);
    } else {
        // The map covers the board exactly: painted over it in place, white where a sample is
        // outside the range, a band of columns at a time so that both the grid's columns and the
        // board's rows are walked forwards. The pen takes the colour that painting column by
        // column would have left last.
        for (int c = 0; c < board_size; ++c) progress.progress_step();
        Rgb* pixels = board.data();
        constexpr int band = 8;
        for (int first = 0; first < board_size; first += band) {
            const int end = first + band < board_size ? first + band : board_size;
            for (int row = 0; row < board_size; ++row) {
                Rgb* pixel = pixels + static_cast<std::size_t>(row) * board_size;
                for (int c = first; c < end; ++c) {
                    const double v = grids.v()[c][row];
                    pixel[c] = v < min_v || v > max_v ? white : ramp.colour(v);
                }
            }
        }
        for (int i = board_size * board_size - 1; i >= 0; --i) {
            const double v = grids.v()[i / board_size][i % board_size];
            if (v < min_v || v > max_v) continue;
            last_painted = ramp.colour(v);
            break;
        }
        // The axes, as a one-pixel black pen draws them through the centre pixel.
        for (int i = 0; i < board_size; ++i) {
            pixels[static_cast<std::size_t>(i) * board_size + board_centre] = black;
            pixels[static_cast<std::size_t>(board_centre) * board_size + i] = black;
        }
    }
    pen = to_pen(last_painted);

    draw_charge_markers(board, charges);
    progress.progress_set_position(0);
    return true;
}
