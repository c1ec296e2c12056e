#include "render/board.h"

#include "model/rounding.h"

#include <algorithm>
#include <cstddef>

void draw_empty_board(Canvas& board) {
    if (board.width() == board_size && board.height() == board_size) {
        // What the drawing below leaves, written in place: white, the one-pixel black frame,
        // and the axes through column and row 200.
        Rgb* pixels = board.data();
        for (int row = 0; row < board_size; ++row) {
            Rgb* line = pixels + static_cast<std::size_t>(row) * board_size;
            const bool black_row = row == 0 || row == board_size - 1 || row == board_centre;
            std::fill(line, line + board_size, black_row ? black : white);
            line[0] = line[board_centre] = line[board_size - 1] = black;
        }
        return;
    }
    // Drawn off the board and copied, so the board's own pen and brush are left alone.
    Canvas b(board.width(), board.height());
    b.set_brush_color(white);
    b.rectangle(0, 0, b.width(), b.height());
    // Halves go to even: the axes of a 401-pixel board are column and row 200.
    const int ax = round_half_even(b.width() / 2.0);
    const int ay = round_half_even(b.height() / 2.0);
    b.move_to(ax, 0);
    b.line_to(ax, b.height());
    b.move_to(0, ay);
    b.line_to(b.width(), ay);
    board.draw(b);
}

void draw_charge_marker(Canvas& board, const Charge& c) {
    const int cx = column_of_x(c.x);
    const int cy = row_of_y(c.y);
    const Rgb colour = c.sign > 0 ? positive_colour : negative_colour;
    board.set_pen_color(colour);
    board.set_brush_color(colour);
    board.ellipse(cx - 10, cy - 10, cx + 10, cy + 10);
    board.set_pen_color(white);
    board.set_brush_color(white);
    if (c.sign > 0) board.rectangle(cx - 2, cy - 5, cx + 2, cy + 5);
    board.rectangle(cx - 5, cy - 2, cx + 5, cy + 2);
    board.set_pen_color(black);
    board.set_brush_color(black);
}

void draw_charge_markers(Canvas& board, const ChargeSet& charges) {
    for (const Charge& c : charges.stored()) draw_charge_marker(board, c);
}

Canvas glyph_background(int width, int height, Rgb face) {
    Canvas glyph(width - 2, height - 2);
    glyph.set_brush_color(face);
    glyph.rectangle(0, 0, width, height);
    return glyph;
}

namespace {

void symbol(Canvas& b, int x, int y, int sign, int radius, int half_thickness, int half_length) {
    if (sign == -1) b.set_brush_color(negative_colour);
    if (sign == 1) b.set_brush_color(positive_colour);
    b.set_pen_color(b.brush_color());
    b.ellipse(x - radius, y - radius, x + radius, y + radius);
    b.set_pen_color(white);
    b.set_brush_color(white);
    if (sign == 1)
        b.rectangle(x - half_thickness, y - half_length, x + half_thickness, y + half_length);
    b.rectangle(x - half_length, y - half_thickness, x + half_length, y + half_thickness);
}

} // namespace

void draw_large_sign(Canvas& glyph, int x, int y, int sign) {
    symbol(glyph, x, y, sign, 10, 2, 5);
}
void draw_small_sign(Canvas& glyph, int x, int y, int sign) {
    symbol(glyph, x, y, sign, 7, 1, 3);
}

Canvas paint_glyph(Glyph which, Rgb face) {
    switch (which) {
    case Glyph::add_positive: {
        Canvas g = glyph_background(25, 25, face);
        draw_large_sign(g, 12, 12, 1);
        return g;
    }
    case Glyph::add_negative: {
        Canvas g = glyph_background(25, 25, face);
        draw_large_sign(g, 12, 12, -1);
        return g;
    }
    case Glyph::dipole: {
        Canvas g = glyph_background(50, 25, face);
        draw_large_sign(g, 12, 12, -1);
        draw_large_sign(g, 37, 12, 1);
        return g;
    }
    case Glyph::quadrupole: {
        Canvas g = glyph_background(50, 50, face);
        draw_large_sign(g, 12, 12, -1);
        draw_large_sign(g, 12, 37, 1);
        draw_large_sign(g, 37, 12, 1);
        draw_large_sign(g, 37, 37, -1);
        return g;
    }
    case Glyph::capacitor: {
        Canvas g = glyph_background(50, 50, face);
        draw_small_sign(g, 12, 9, 1);
        draw_small_sign(g, 12, 24, 1);
        draw_small_sign(g, 12, 39, 1);
        draw_small_sign(g, 37, 9, -1);
        draw_small_sign(g, 37, 24, -1);
        draw_small_sign(g, 37, 39, -1);
        return g;
    }
    case Glyph::remove:
        break;
    }
    Canvas g = glyph_background(25, 25, face);
    draw_large_sign(g, 12, 12, 1);
    g.set_pen_color(remove_green);
    g.set_pen_width(2);
    g.move_to(0, 0);
    g.line_to(27, 27);
    return g;
}
