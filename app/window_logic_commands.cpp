// The picture commands and the help menu of the main window.
#include "app/window_logic.h"
#include "app/words.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

std::string WindowLogic::at_pointer(std::string_view pattern) const {
    return fill(pattern, {std::to_string(x_of_column(state_.pointer_column)),
                          std::to_string(y_of_row(state_.pointer_row))});
}

bool WindowLogic::compute_grids() {
    if (!::compute_grids(board_.grids, board_.charges, screen_)) return false;
    grids_from_.clear();
    for (const Charge& c : board_.charges.stored()) grids_from_.push_back({c.x, c.y, c.sign});
    state_.scene_stage = SceneStage::picture;
    return true;
}

bool WindowLogic::compute_grids_if_stale() {
    return state_.grids_stale && compute_grids();
}

bool WindowLogic::paint_colour_map() {
    if (!::paint_colour_map(board_.canvas, board_.grids, board_.charges, board_.pen, screen_))
        return false;
    state_.scene_stage = SceneStage::picture;
    // The map covers the whole board: nothing drawn before it is left.
    record_charges();
    record(StepKind::colour_map);
    screen_.board_changed();
    return true;
}

void WindowLogic::draw_colour_map() {
    if (pictures_blocked(state_)) return;
    raise_all_toggles();
    state_.tool_mode = ToolMode::remove;
    compute_grids_if_stale();
    const bool painted = paint_colour_map();
    state_.grids_stale = false;
    if (painted) say_drawn({words().colour_map});
}

void WindowLogic::draw_equipotential_family() {
    if (board_.charges.empty()) return;
    raise_all_toggles();
    if (pictures_blocked(state_)) return;
    // Stale grids give a fresh map first, and the lines are drawn over it.
    const bool fresh_map = compute_grids_if_stale() && paint_colour_map();
    if (fresh_map) board_.grids.range = colour_range(board_.grids, board_.charges);
    state_.grids_stale = false;
    ::draw_equipotential_family(board_.canvas, board_.grids, board_.charges, board_.pen, screen_,
                                *board_.buffers);
    screen_.board_changed();
    record(StepKind::equipotentials);
    if (fresh_map)
        say_drawn({words().colour_map, words().equipotentials});
    else
        say_drawn({words().equipotentials});
}

void WindowLogic::toggle_equipotential_tool() {
    raise(Toggle::field_line_tool);
    if (pictures_blocked(state_)) return;
    raise_charge_tools();
    state_.scene_stage = SceneStage::picture;
    if (!down(Toggle::equipotential_tool)) return;
    state_.tool_mode = ToolMode::equipotential;
    if (compute_grids_if_stale() && paint_colour_map()) say_drawn({words().colour_map});
    // The next picture that looks at the flag starts again from fresh grids.
    state_.grids_stale = true;
}

void WindowLogic::choose_equipotential_tool() {
    raise(Toggle::field_line_tool);
    press(Toggle::equipotential_tool);
    if (pictures_blocked(state_)) return;
    raise_charge_tools();
    state_.scene_stage = SceneStage::picture;
    if (!down(Toggle::equipotential_tool)) return;
    state_.tool_mode = ToolMode::equipotential;
    compute_grids_if_stale();
    state_.grids_stale = false;
}

void WindowLogic::draw_equipotential_at_pointer() {
    if (!down(Toggle::equipotential_tool)) return;
    if (!draw_equipotential_through(board_.canvas, board_.grids, board_.charges,
                                    state_.pointer_column, state_.pointer_row, board_.pen))
        return;
    state_.scene_stage = SceneStage::picture;
    screen_.board_changed();
    record(StepKind::equipotential_at, state_.pointer_column, state_.pointer_row);
    say_drawn({at_pointer(words().equipotential_at)});
}

void WindowLogic::draw_field_line_family() {
    if (board_.charges.empty()) return;
    raise_all_toggles();
    if (pictures_blocked(state_)) return;
    // Stale grids: the lines start from the empty board with the charges, and the grids are
    // brought up to date for the readout.
    if (state_.grids_stale) {
        redraw_charges();
        compute_grids();
    }
    state_.grids_stale = false;
    ::draw_field_line_family(board_.canvas, board_.charges, *board_.buffers);
    screen_.board_changed();
    record(StepKind::field_lines);
    say_drawn({words().field_lines});
}

void WindowLogic::toggle_field_line_tool() {
    raise(Toggle::equipotential_tool);
    if (pictures_blocked(state_)) return;
    raise_charge_tools();
    state_.scene_stage = SceneStage::picture;
    if (down(Toggle::field_line_tool)) state_.tool_mode = ToolMode::field_line;
}

void WindowLogic::choose_field_line_tool() {
    raise(Toggle::equipotential_tool);
    press(Toggle::field_line_tool);
    if (pictures_blocked(state_)) return;
    raise_charge_tools();
    state_.scene_stage = SceneStage::picture;
    state_.tool_mode = ToolMode::field_line;
}

void WindowLogic::draw_field_line_at_pointer() {
    if (!down(Toggle::field_line_tool)) return;
    // Without charges there is no field, and the pass stays on its point: nothing is drawn.
    if (board_.charges.empty()) return;
    draw_field_line_through(board_.canvas, board_.charges, x_of_column(state_.pointer_column),
                            y_of_row(state_.pointer_row));
    screen_.board_changed();
    record(StepKind::field_line_at, state_.pointer_column, state_.pointer_row);
    say_drawn({at_pointer(words().field_line_at)});
}

void WindowLogic::open_description() {
    screen_.open_description();
}
void WindowLogic::open_about() {
    screen_.open_about();
}
