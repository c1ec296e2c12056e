#pragma once

#include "model/charges.h"
#include "render/canvas.h"

inline constexpr Rgb positive_colour = rgb(224, 28, 0);
inline constexpr Rgb negative_colour = rgb(0, 28, 164);
inline constexpr Rgb remove_green = rgb(0, 128, 0);

// Paints the empty board: white, a black frame and the axes through the centre pixel. The
// board's pen and brush stay as they were.
void draw_empty_board(Canvas& board);
// The marker of one charge.
void draw_charge_marker(Canvas& board, const Charge& c);
// The markers of every stored charge, in slot order.
void draw_charge_markers(Canvas& board, const ChargeSet& charges);

// A glyph's background: (width - 2) x (height - 2) in the buttons' face colour.
Canvas glyph_background(int width, int height, Rgb face);
// The large and the small charge symbol centred on (x, y) of a glyph.
void draw_large_sign(Canvas& glyph, int x, int y, int sign);
void draw_small_sign(Canvas& glyph, int x, int y, int sign);

// The six button pictures by the tool they show, in the order they are painted.
enum class Glyph { add_positive, add_negative, dipole, quadrupole, capacitor, remove };
inline constexpr Glyph glyphs_in_order[] = {Glyph::add_positive, Glyph::add_negative,
                                            Glyph::dipole,       Glyph::quadrupole,
                                            Glyph::capacitor,    Glyph::remove};
// One glyph painted on the given face colour.
Canvas paint_glyph(Glyph glyph, Rgb face);
