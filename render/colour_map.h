#pragma once

#include "render/canvas.h"

// The colour of single plotted pixels in the colour map and the equipotential lines.
struct PenRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};
inline PenRgb pen_rgb;

inline Rgb to_rgb(PenRgb c) {
    return rgb(c.red, c.green, c.blue);
}

// Paints grid_V on the board through the two-sided ramp (red at maxV, white near 0, blue at
// minV), with the axes over it and the charge markers on top; nothing without charges.
void rysuj_rozklad_pot(Canvas& board);

// Round with halves to the even neighbour, for the ramp's quotients: 0 <= q < 2^51.
int round_ramp_quotient(double q);
