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
    if (!board_.compute_grids()) return false;
    state_.scene_stage = SceneStage::picture;
    return true;
}

bool WindowLogic::compute_grids_if_stale() {
    return state_.grids_stale && compute_grids();
}

bool WindowLogic::paint_colour_map() {
    if (!board_.paint_colour_map()) return false;
    state_.scene_stage = SceneStage::picture;
    return true;
}

void WindowLogic::draw_colour_map() {
    if (pictures_blocked(state_)) return;
    toggles_.raise_all();
    state_.tool_mode = ToolMode::none;
    compute_grids_if_stale();
    const bool painted = paint_colour_map();
    state_.grids_stale = false;
    if (painted) say_drawn({words().colour_map});
}

void WindowLogic::draw_equipotential_family() {
    BoardState& board = board_.state();
    if (board.charges.empty()) return;
    toggles_.raise_all();
    if (pictures_blocked(state_)) return;
    // Stale grids give a fresh map first, and the lines are drawn over it.
    const bool fresh_map = compute_grids_if_stale() && paint_colour_map();
    if (fresh_map) board.grids.range = colour_range(board.grids, board.charges);
    state_.grids_stale = false;
    board_.draw_equipotential_family();
    screen_.board_changed();
    if (fresh_map)
        say_drawn({words().colour_map, words().equipotentials});
    else
        say_drawn({words().equipotentials});
}

bool WindowLogic::enter_point_tool(Toggle button) {
    toggles_.raise(button == Toggle::field_line_tool ? Toggle::equipotential_tool
                                                     : Toggle::field_line_tool);
    if (pictures_blocked(state_)) return false;
    toggles_.raise_charge_tools();
    state_.scene_stage = SceneStage::picture;
    return down(button);
}

void WindowLogic::toggle_equipotential_tool() {
    if (!enter_point_tool(Toggle::equipotential_tool)) return;
    state_.tool_mode = ToolMode::equipotential;
    if (compute_grids_if_stale() && paint_colour_map()) say_drawn({words().colour_map});
    // The next picture that looks at the flag starts again from fresh grids.
    state_.grids_stale = true;
}

void WindowLogic::choose_equipotential_tool() {
    toggles_.press(Toggle::equipotential_tool);
    if (!enter_point_tool(Toggle::equipotential_tool)) return;
    state_.tool_mode = ToolMode::equipotential;
    compute_grids_if_stale();
    state_.grids_stale = false;
}

void WindowLogic::draw_equipotential_at_pointer() {
    if (!down(Toggle::equipotential_tool)) return;
    if (!board_.draw_equipotential_through(state_.pointer_column, state_.pointer_row)) return;
    state_.scene_stage = SceneStage::picture;
    screen_.board_changed();
    say_drawn({at_pointer(words().equipotential_at)});
}

void WindowLogic::draw_field_line_family() {
    if (board_.state().charges.empty()) return;
    toggles_.raise_all();
    if (pictures_blocked(state_)) return;
    // Stale grids: the lines start from the empty board with the charges, and the grids are
    // brought up to date for the readout.
    if (state_.grids_stale) {
        board_.redraw_charges();
        compute_grids();
    }
    state_.grids_stale = false;
    board_.draw_field_line_family();
    screen_.board_changed();
    say_drawn({words().field_lines});
}

void WindowLogic::toggle_field_line_tool() {
    if (enter_point_tool(Toggle::field_line_tool)) state_.tool_mode = ToolMode::field_line;
}

void WindowLogic::choose_field_line_tool() {
    toggles_.press(Toggle::field_line_tool);
    if (enter_point_tool(Toggle::field_line_tool)) state_.tool_mode = ToolMode::field_line;
}

void WindowLogic::draw_field_line_at_pointer() {
    if (!down(Toggle::field_line_tool)) return;
    // Without charges there is no field, and the pass stays on its point: nothing is drawn.
    if (board_.state().charges.empty()) return;
    board_.draw_field_line_through(state_.pointer_column, state_.pointer_row);
    screen_.board_changed();
    say_drawn({at_pointer(words().field_line_at)});
}

void WindowLogic::open_description() {
    screen_.open_description();
}
void WindowLogic::open_about() {
    screen_.open_about();
}
