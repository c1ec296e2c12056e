#pragma once

#include "model/charges.h"
#include "model/field.h"
#include "recording_progress.h"
#include "render/canvas.h"
#include "render/colour_map.h"
#include "render/drawing_buffers.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <memory>

// One board's state as a window keeps it, with a recording progress bar, and the drawings on it
// in one call each.
struct TestBoard {
    ChargeSet charges;
    FieldGrids grids;
    PenRgb pen;
    std::unique_ptr<DrawingBuffers> buffers = std::make_unique<DrawingBuffers>();
    RecordingProgress progress;

    bool compute() { return compute_grids(grids, charges, progress); }
    bool paint_map(Canvas& canvas) {
        return paint_colour_map(canvas, grids, charges, pen, progress);
    }
    void equipotentials(Canvas& canvas) {
        draw_equipotential_family(canvas, grids, charges, pen, progress, *buffers);
    }
    void field_lines(Canvas& canvas) { draw_field_line_family(canvas, charges, *buffers); }
    void equipotential_level(Canvas& canvas, double v) {
        draw_equipotential_level(canvas, grids, v, to_rgb(pen));
    }
    bool equipotential_through(Canvas& canvas, int column, int row) {
        return draw_equipotential_through(canvas, grids, charges, column, row, pen);
    }
};
