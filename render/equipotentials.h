#pragma once

#include "model/field.h"
#include "model/progress.h"
#include "render/canvas.h"
#include "render/colour_map.h"

struct DrawingBuffers;

inline constexpr Rgb equipotential_positive = rgb(255, 125, 0);
inline constexpr Rgb equipotential_negative = rgb(0, 28, 164);

// Plots the level-v line through the potential grid in the colour given, never touching column or
// row 400.
void draw_equipotential_level(Canvas& board, const FieldGrids& grids, double v, Rgb colour);
// Up to twelve orange and twelve blue levels spaced Round(M / 24) apart, from the grids as they
// are, then the charge markers; the pen ends in the colour of the last pass.
void draw_equipotential_family(Canvas& board, const FieldGrids& grids, const ChargeSet& charges,
                               PenRgb& pen, ProgressSink& progress, DrawingBuffers& buffers);
// The line through the pixel (column, row), in the pen that its level's sign gives; false,
// drawing nothing, off the board or strictly within 10 of a charge.
bool draw_equipotential_through(Canvas& board, const FieldGrids& grids, const ChargeSet& charges,
                                int column, int row, PenRgb& pen);
