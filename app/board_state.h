#pragma once

#include "model/charges.h"
#include "model/field.h"
#include "render/canvas.h"
#include "render/colour_map.h"
#include "render/drawing_buffers.h"

#include <memory>

// One board below the window logic: its charges, the grids and their range, the pen the maps
// leave, the canvas and the drawings' working memory. The window owns it and hands the pieces
// down; everything is allocated once, with the board.
struct BoardState {
    ChargeSet charges;
    FieldGrids grids;
    PenRgb pen;
    Canvas canvas{board_size, board_size};
    std::unique_ptr<DrawingBuffers> buffers = std::make_unique<DrawingBuffers>();

    // Charges, grids, range and pen as at the start, keeping the memory; the canvas is left
    // for the caller to repaint.
    void clear() {
        charges.clear();
        grids.clear();
        pen = {};
    }
};
