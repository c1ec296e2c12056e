#pragma once

#include "render/canvas.h"

#include <optional>

inline constexpr Rgb positive_colour = rgb(224, 28, 0);
inline constexpr Rgb negative_colour = rgb(0, 28, 164);
inline constexpr Rgb remove_green = rgb(0, 128, 0);
// Face of the buttons; the window replaces it with the desktop's own at start-up.
inline Rgb button_face = rgb(240, 240, 240);

// The one off-screen bitmap; it exists only inside one drawing operation.
inline std::optional<Canvas> scratch_bitmap;

// Everything below the window back at the program's start: the charges, the grids and their
// range, the map's pen and the scratch bitmap.
void reset_program_state();

// Paints the empty board: white, a black frame and the axes through the centre pixel.
void start(Canvas& board);
// Draws the marker of the charge in slot i; a slot outside 1..14 draws nothing.
void rysuj_lad(Canvas& board, int i);
// The markers of slots 1..charge_count, in slot order.
void draw_charge_markers(Canvas& board);

// Creates scratch_bitmap of (dlx - 2) x (dly - 2) as a glyph background.
void rysuj_button(int dlx, int dly);
// The large and the small charge symbol centred on (x, y) of scratch_bitmap.
void plus(int x, int y, int znak);
void plus1(int x, int y, int znak);

// The six button pictures, in the order SpeedB1, SpeedB2, SpeedB5, SpeedB4, SpeedB3, SpeedB6.
enum class GlyphButton { SpeedB1, SpeedB2, SpeedB5, SpeedB4, SpeedB3, SpeedB6 };
// Paints each glyph in scratch_bitmap and hands it to the sink, which keeps its own copy.
template <class Sink> void build_glyphs(Sink&& sink);
void paint_glyph(GlyphButton button);

template <class Sink> void build_glyphs(Sink&& sink) {
    for (GlyphButton b : {GlyphButton::SpeedB1, GlyphButton::SpeedB2, GlyphButton::SpeedB5,
                          GlyphButton::SpeedB4, GlyphButton::SpeedB3, GlyphButton::SpeedB6}) {
        paint_glyph(b);
        sink(b, *scratch_bitmap);
        scratch_bitmap.reset();
    }
}
