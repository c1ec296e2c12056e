#pragma once

#include "model/field.h"
#include "model/progress.h"
#include "render/canvas.h"

// The colour of single plotted pixels in the colour map and the equipotential lines.
struct PenRgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const PenRgb&) const = default;
};

constexpr Rgb to_rgb(PenRgb c) {
    return rgb(c.red, c.green, c.blue);
}
constexpr PenRgb to_pen(Rgb c) {
    return {red_of(c), green_of(c), blue_of(c)};
}

// Paints the potential grid on the board through the two-sided ramp (red at the range's maximum,
// white near 0, blue at its minimum), with the axes over it and the charge markers on top; the
// pen ends in the colour painted last. Nothing, and says so, without charges.
bool paint_colour_map(Canvas& board, const FieldGrids& grids, const ChargeSet& charges, PenRgb& pen,
                      ProgressSink& progress);
