#pragma once

#include "render/canvas.h"

// A measuring point's mark: a ring around the point's pixel and its letter in a small box beside
// it, black on white so that it stands out on any colour of the map. It is drawn over a copy of
// the board, never into the board's pictures. The letter is one of 'A'..'H'.
void draw_point_mark(Canvas& board, int column, int row, char letter);
