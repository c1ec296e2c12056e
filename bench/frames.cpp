// Draws a given number of frames of a dragged charge at the 14-charge case (drag/14 of the
// benchmarks, the charge placed 13th moving a pixel a frame; drag_first/14 with slot 1) and
// nothing else, so that an instruction counter (valgrind --tool=callgrind) sees the same work
// from run to run: frames.cpp [frames [slot]]
#include "app/board_state.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 10;
    BoardState b;
    ChargeSet placed = capacitor_charges();
    placed.add(column_of_x(0), row_of_y(40), 1);
    placed.add(column_of_x(0), row_of_y(-40), -1);
    const int slot = argc > 2 ? std::atoi(argv[2]) : 13;
    if (slot < 1 || slot > placed.count()) return 2;
    const Charge home = placed.slot(slot);
    SilentProgress progress;
    for (int frame = 0; frame < frames; ++frame) {
        const int step = 20 + frame % 20;
        b.charges.clear();
        for (int s = 1; s <= placed.count(); ++s)
            b.charges.append(s == slot ? Charge{home.x + step, home.y + 40 - step, home.sign}
                                       : placed.slot(s));
        draw_empty_board(b.canvas);
        draw_charge_markers(b.canvas, b.charges);
        compute_grids(b.grids, b.charges, progress);
        paint_colour_map(b.canvas, b.grids, b.charges, b.pen, progress);
        b.grids.range = colour_range(b.grids, b.charges);
        draw_equipotential_family(b.canvas, b.grids, b.charges, b.pen, progress, *b.buffers);
        draw_field_line_family(b.canvas, b.charges, *b.buffers);
    }
    unsigned sum = 0;
    for (int i = 0; i < board_size * board_size; ++i) sum = sum * 31u + b.canvas.data()[i];
    std::printf("%08x\n", sum);
    return 0;
}
