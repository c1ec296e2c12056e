#pragma once

#include "render/canvas.h"

inline constexpr Rgb field_line_colour = rgb(0, 128, 128);

// Walks one field line from the board point (x0, y0), along the field for d = +1 and against
// it for d = -1, drawing on the board until the line ends.
void trace_field_pass(Canvas& board, int x0, int y0, int d);
// The field line through a board point, in both directions.
void rysuj_linie_sil(Canvas& board, int x, int y);
// Ten lines leaving every charge.
void linie_sil(Canvas& board);
