#pragma once

#include "render/canvas.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>

// A measuring point's mark: a ring around the point's pixel and its letter in a small box beside
// it, black on white so that it stands out on any colour of the map. It is drawn over a copy of
// the board, never into the board's pictures. The letter is one of 'A'..'H'.
void draw_point_mark(Canvas& board, int column, int row, char letter);

// The segment a plot runs along, over a copy of the board like the points: its pixels in
// alternating black and white dashes, and the pixel being read, if any, in a small square.
void draw_segment_mark(Canvas& board, std::span<const std::array<int, 2>> pixels,
                       std::optional<std::size_t> reading);
