#include "render/point_marks.h"

#include <array>
#include <cstdint>
#include <utility>

namespace {

// The letters A to H, five columns by seven rows, the top row first, bit 4 the leftmost column.
constexpr std::array<std::array<std::uint8_t, 7>, 8> letters = {{
    {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, // A
    {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}, // B
    {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, // C
    {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}, // D
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, // E
    {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}, // F
    {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, // G
    {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, // H
}};

constexpr int box_width = 9;
constexpr int box_height = 11;

void fill_box(Canvas& board, int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) board.set_pixel(x, y, colour);
}

} // namespace

void draw_point_mark(Canvas& board, int column, int row, char letter) {
    // The ring: black, then white inside it, the point's own pixel black.
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const int d2 = dx * dx + dy * dy;
            if (d2 > 20) continue;
            board.set_pixel(column + dx, row + dy, d2 >= 9 || d2 == 0 ? black : white);
        }
    // The letter's box sits up and to the right, or mirrored where the board's edge is near.
    const int left = column + 6 + box_width > board.width() ? column - 6 - box_width : column + 6;
    const int top = row - 6 - box_height < 0 ? row + 6 : row - 6 - box_height;
    fill_box(board, left, top, left + box_width, top + box_height, black);
    fill_box(board, left + 1, top + 1, left + box_width - 1, top + box_height - 1, white);
    const int index = letter - 'A';
    if (index < 0 || index >= static_cast<int>(letters.size())) return;
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 5; ++x)
            if (letters[static_cast<std::size_t>(index)][static_cast<std::size_t>(y)] & (0x10 >> x))
                board.set_pixel(left + 2 + x, top + 2 + y, black);
}

void draw_segment_mark(Canvas& board, std::span<const std::array<int, 2>> pixels,
                       std::optional<std::size_t> reading) {
    for (std::size_t i = 0; i < pixels.size(); ++i)
        board.set_pixel(pixels[i][0], pixels[i][1], (i / 3) % 2 == 0 ? black : white);
    if (!reading || *reading >= pixels.size()) return;
    const auto [column, row] = pixels[*reading];
    for (int d = -3; d <= 3; ++d)
        for (const auto& [x, y] : {std::pair{column + d, row - 3}, std::pair{column + d, row + 3},
                                   std::pair{column - 3, row + d}, std::pair{column + 3, row + d}})
            board.set_pixel(x, y, black);
    for (int d = -2; d <= 2; ++d)
        for (const auto& [x, y] : {std::pair{column + d, row - 2}, std::pair{column + d, row + 2},
                                   std::pair{column - 2, row + d}, std::pair{column + 2, row + d}})
            board.set_pixel(x, y, white);
}
