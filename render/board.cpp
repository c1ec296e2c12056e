#include "render/board.h"

#include "model/charges.h"
#include "model/field.h"
#include "model/ports.h"
#include "model/rounding.h"
#include "render/colour_map.h"

void reset_program_state() {
    clear_charges();
    clear_grids();
    pen_rgb = {};
    scratch_bitmap.reset();
}

void start(Canvas& board) {
    scratch_bitmap.emplace(board.width(), board.height());
    Canvas& b = *scratch_bitmap;
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
    scratch_bitmap.reset();
}

namespace {

void draw_marker(Canvas& board, const Charge& c) {
    const int cx = column_of_x(c.x);
    const int cy = row_of_y(c.y);
    const Rgb colour = c.znak > 0 ? positive_colour : negative_colour;
    board.set_pen_color(colour);
    board.set_brush_color(colour);
    board.ellipse(cx - 10, cy - 10, cx + 10, cy + 10);
    board.set_pen_color(white);
    board.set_brush_color(white);
    if (c.znak > 0) board.rectangle(cx - 2, cy - 5, cx + 2, cy + 5);
    board.rectangle(cx - 5, cy - 2, cx + 5, cy + 2);
    board.set_pen_color(black);
    board.set_brush_color(black);
}

} // namespace

void rysuj_lad(Canvas& board, int i) {
    if (i < 1 || i > max_charges) return;
    draw_marker(board, charges[static_cast<std::size_t>(i)]);
}

void draw_charge_markers(Canvas& board) {
    for (const Charge& c : stored_charges()) draw_marker(board, c);
}

void rysuj_button(int dlx, int dly) {
    scratch_bitmap.emplace(dlx - 2, dly - 2);
    scratch_bitmap->set_brush_color(button_face);
    scratch_bitmap->rectangle(0, 0, dlx, dly);
}

namespace {

void symbol(int x, int y, int znak, int radius, int half_thickness, int half_length) {
    if (!scratch_bitmap) return;
    Canvas& b = *scratch_bitmap;
    if (znak == -1) b.set_brush_color(negative_colour);
    if (znak == 1) b.set_brush_color(positive_colour);
    b.set_pen_color(b.brush_color());
    b.ellipse(x - radius, y - radius, x + radius, y + radius);
    b.set_pen_color(white);
    b.set_brush_color(white);
    if (znak == 1)
        b.rectangle(x - half_thickness, y - half_length, x + half_thickness, y + half_length);
    b.rectangle(x - half_length, y - half_thickness, x + half_length, y + half_thickness);
}

} // namespace

void plus(int x, int y, int znak) {
    symbol(x, y, znak, 10, 2, 5);
}
void plus1(int x, int y, int znak) {
    symbol(x, y, znak, 7, 1, 3);
}

void paint_glyph(GlyphButton button) {
    switch (button) {
    case GlyphButton::SpeedB1:
        rysuj_button(25, 25);
        plus(12, 12, 1);
        break;
    case GlyphButton::SpeedB2:
        rysuj_button(25, 25);
        plus(12, 12, -1);
        break;
    case GlyphButton::SpeedB5:
        rysuj_button(50, 25);
        plus(12, 12, -1);
        plus(37, 12, 1);
        break;
    case GlyphButton::SpeedB4:
        rysuj_button(50, 50);
        plus(12, 12, -1);
        plus(12, 37, 1);
        plus(37, 12, 1);
        plus(37, 37, -1);
        break;
    case GlyphButton::SpeedB3:
        rysuj_button(50, 50);
        plus1(12, 9, 1);
        plus1(12, 24, 1);
        plus1(12, 39, 1);
        plus1(37, 9, -1);
        plus1(37, 24, -1);
        plus1(37, 39, -1);
        break;
    case GlyphButton::SpeedB6:
        rysuj_button(25, 25);
        plus(12, 12, 1);
        scratch_bitmap->set_pen_color(remove_green);
        scratch_bitmap->set_pen_width(2);
        scratch_bitmap->move_to(0, 0);
        scratch_bitmap->line_to(27, 27);
        break;
    }
}
