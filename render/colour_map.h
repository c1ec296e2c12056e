#pragma once

#include "render/canvas.h"

// The colour of single plotted pixels in the colour map and the equipotential lines.
struct PenRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};
inline PenRgb pen_rgb;

constexpr Rgb to_rgb(PenRgb c) {
    return rgb(c.red, c.green, c.blue);
}
constexpr PenRgb to_pen(Rgb c) {
    return {red_of(c), green_of(c), blue_of(c)};
}

// Paints grid_V on the board through the two-sided ramp (red at maxV, white near 0, blue at
// minV), with the axes over it and the charge markers on top; nothing, and says so, without
// charges.
bool rysuj_rozklad_pot(Canvas& board);
