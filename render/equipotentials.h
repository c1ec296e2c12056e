#pragma once

#include "render/canvas.h"

inline constexpr Rgb equipotential_positive = rgb(255, 125, 0);
inline constexpr Rgb equipotential_negative = rgb(0, 28, 164);

// Plots the level-v line through grid_V in pen_rgb, never touching column or row 400.
void rysuj_linie_potencjalu(Canvas& board, double v);
// Up to twelve orange and twelve blue levels spaced Round(M / 24) apart, from the grids as they
// are, then the charge markers.
void linie_ekwipotencjalne(Canvas& board);
// The line through the pixel (column, row) under the pointer; false, drawing nothing, off the
// board or within 10 of a charge.
bool equipotential_at_pointer(Canvas& board, int column, int row);
