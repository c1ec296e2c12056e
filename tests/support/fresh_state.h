#pragma once

#include "model/charges.h"
#include "model/field.h"
#include "model/state.h"
#include "render/colour_map.h"

#include <cstring>

// The program's shared state as it is when the program starts.
inline void fresh_program_state() {
    clear_charges();
    reset_interaction_state();
    std::memset(grid_V, 0, sizeof grid_V);
    std::memset(grid_Ex, 0, sizeof grid_Ex);
    std::memset(grid_Ey, 0, sizeof grid_Ey);
    minV = maxV = 0.0;
    pen_rgb = {};
}
