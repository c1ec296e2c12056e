// The 14-charge case and one frame of a dragged charge on it, as the benchmarks and the frame
// counter draw them.
#pragma once

#include "app/board_state.h"
#include "model/charges.h"
#include "model/field.h"
#include "model/progress.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

// The capacitor with one charge of each sign added between its plates.
inline ChargeSet fourteen_charges() {
    ChargeSet set = capacitor_charges();
    set.add(column_of_x(0), row_of_y(40), 1);
    set.add(column_of_x(0), row_of_y(-40), -1);
    return set;
}

// The charges placed, with the one in `slot` moved for the frame numbered `frame`: a pixel
// further each frame, back where it began every 20.
inline ChargeSet dragged_charges(const ChargeSet& placed, int slot, int frame) {
    const Charge home = placed.slot(slot);
    const int step = 20 + frame % 20;
    ChargeSet charges;
    for (int s = 1; s <= placed.count(); ++s)
        charges.append(s == slot ? Charge{home.x + step, home.y + 40 - step, home.sign}
                                 : placed.slot(s));
    return charges;
}

// The board drawn from scratch with all three pictures, as a dragged charge's frame draws it.
inline void draw_drag_frame(BoardState& b) {
    SilentProgress progress;
    draw_empty_board(b.canvas);
    draw_charge_markers(b.canvas, b.charges);
    compute_grids(b.grids, b.charges, progress);
    paint_colour_map(b.canvas, b.grids, b.charges, b.pen, progress);
    b.grids.range = colour_range(b.grids, b.charges);
    draw_equipotential_family(b.canvas, b.grids, b.charges, b.pen, progress, *b.buffers);
    draw_field_line_family(b.canvas, b.charges, *b.buffers);
}
