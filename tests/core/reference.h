#pragma once

#include "model/charges.h"
#include "render/canvas.h"

// Straightforward evaluations of the field and the colour map, one point and one pixel at a
// time with their own roots and divisions, to hold the fast paths to the same bits.
namespace reference {

double potencjal(int q, int w);
double skladowaEx(int q, int w);
double skladowaEy(int q, int w);

struct Grids {
    double V[board_size][board_size];
    double Ex[board_size][board_size];
    double Ey[board_size][board_size];
};
// Every cell of the three grids for the current charges, point by point.
void compute_grids(Grids& out);

// The colour map pixel by pixel through scratch_bitmap, pen_rgb and a libm rounding; an exact
// zero is painted white.
void rysuj_rozklad_pot(Canvas& board);

} // namespace reference
