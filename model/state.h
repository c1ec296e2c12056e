#pragma once

// What a board click does and what the board shows; read and written by every layer.
// tool_mode: -1/1 add a charge of that sign, 0 remove, 2 equipotential click, 3 field-line click.
// scene_stage: 0 empty board, 1 charges, 2 a field picture.
inline int tool_mode = 0;
inline int scene_stage = 0;
inline int grids_stale = 0;
// Last pointer pixel over the board, always within 0..400.
inline int mouse_x = 0;
inline int mouse_y = 0;

// The common guard of the picture commands: nothing chosen and nothing on the board.
inline bool guard_blocks() {
    return tool_mode == 0 && scene_stage == 0;
}

inline void reset_interaction_state() {
    tool_mode = 0;
    scene_stage = 0;
    grids_stale = 0;
    mouse_x = 0;
    mouse_y = 0;
}
