#pragma once

#include "model/charges.h"
#include "model/field.h"
#include "render/canvas.h"
#include "render/colour_map.h"

// Straightforward evaluations of the field and the colour map, one point and one pixel at a
// time with their own roots and divisions, to hold the fast paths to the same bits.
namespace reference {

double potential_at(const ChargeSet& charges, int x, int y);
double field_x_at(const ChargeSet& charges, int x, int y);
double field_y_at(const ChargeSet& charges, int x, int y);

struct Grids {
    double V[board_size][board_size];
    double Ex[board_size][board_size];
    double Ey[board_size][board_size];
};
// Every cell of the three grids for the charges, point by point.
void compute_grids(const ChargeSet& charges, Grids& out);

// The colour map pixel by pixel through its own bitmap, the pen and a libm rounding; an exact
// zero is painted white.
void paint_colour_map(Canvas& board, const FieldGrids& grids, const ChargeSet& charges,
                      PenRgb& pen);

// The colour range by its rule: the corner value and the samples 9 pixels above, left of, below
// and right of each charge that fall on the board, widened to include 0.
ColourRange colour_range(const FieldGrids& grids, const ChargeSet& charges);

} // namespace reference
