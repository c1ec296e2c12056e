#pragma once

// What a board click does, by the button that chose it; the values are the window's codes, and
// the two add modes double as the sign of the charge they add. None is no tool chosen, where a
// board click does nothing: at the start and after an arrangement, the colour map, Clear or
// opening a board. Measure places measuring points.
enum class ToolMode : int {
    negative = -1,
    remove = 0,
    positive = 1,
    equipotential = 2,
    field_line = 3,
    none = 4,
    measure = 5
};
// What the board shows: the empty board, charges, or a field picture (or a through-a-point mode).
enum class SceneStage : int { empty = 0, with_charges = 1, picture = 2 };

// The window's interaction state; every field starts at its first value.
struct InteractionState {
    ToolMode tool_mode = ToolMode::none;
    SceneStage scene_stage = SceneStage::empty;
    // The grids must be computed again before the next picture that looks at this flag.
    bool grids_stale = false;
    // Last pointer pixel over the board, always within 0..400.
    int pointer_column = 0;
    int pointer_row = 0;

    bool operator==(const InteractionState&) const = default;
};

// The common guard of the picture commands: no tool but remove or measure chosen, and nothing on
// the board.
constexpr bool pictures_blocked(const InteractionState& s) {
    return (s.tool_mode == ToolMode::none || s.tool_mode == ToolMode::remove ||
            s.tool_mode == ToolMode::measure) &&
           s.scene_stage == SceneStage::empty;
}
