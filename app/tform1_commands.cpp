// The picture commands and the help menu of the main window.
#include "app/tform1.h"
#include "app/words.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

std::string TForm1::at_pointer(std::string_view pattern) const {
    return fill(pattern, {std::to_string(x_of_column(state_.mouse_x)),
                          std::to_string(y_of_row(state_.mouse_y))});
}

bool TForm1::compute_grids() {
    if (!::compute_grids(board_.grids, board_.charges, screen_)) return false;
    grids_from_.clear();
    for (const Charge& c : board_.charges.stored()) grids_from_.push_back({c.x, c.y, c.sign});
    state_.scene_stage = SceneStage::picture;
    return true;
}

bool TForm1::compute_grids_if_stale() {
    return state_.grids_stale && compute_grids();
}

bool TForm1::paint_colour_map() {
    if (!::paint_colour_map(board_.canvas, board_.grids, board_.charges, board_.pen, screen_))
        return false;
    state_.scene_stage = SceneStage::picture;
    // The map covers the whole board: nothing drawn before it is left.
    record_charges();
    record(StepKind::colour_map);
    screen_.board_changed();
    return true;
}

void TForm1::colour_map_command() {
    if (guard_blocks(state_)) return;
    raise_all_eight();
    state_.tool_mode = ToolMode::remove;
    compute_grids_if_stale();
    const bool painted = paint_colour_map();
    state_.grids_stale = false;
    if (painted) say_drawn({words().colour_map});
}

void TForm1::RysujB1Click() {
    colour_map_command();
}
void TForm1::rozkladpotencjaluClick() {
    colour_map_command();
}

void TForm1::equipotential_family_command() {
    if (board_.charges.empty()) return;
    raise_all_eight();
    if (guard_blocks(state_)) return;
    // Stale grids give a fresh map first, and the lines are drawn over it.
    const bool fresh_map = compute_grids_if_stale() && paint_colour_map();
    if (fresh_map) board_.grids.range = colour_range(board_.grids, board_.charges);
    state_.grids_stale = false;
    draw_equipotential_family(board_.canvas, board_.grids, board_.charges, board_.pen, screen_,
                              *board_.buffers);
    screen_.board_changed();
    record(StepKind::equipotentials);
    if (fresh_map)
        say_drawn({words().colour_map, words().equipotentials});
    else
        say_drawn({words().equipotentials});
}

void TForm1::RysujB2Click() {
    equipotential_family_command();
}
void TForm1::Linieekwipotencjalne1Click() {
    equipotential_family_command();
}

void TForm1::RysujB5Click() {
    raise(Toggle::RysujB4);
    if (guard_blocks(state_)) return;
    raise_six();
    state_.scene_stage = SceneStage::picture;
    if (!down(Toggle::RysujB5)) return;
    state_.tool_mode = ToolMode::equipotential;
    if (compute_grids_if_stale() && paint_colour_map()) say_drawn({words().colour_map});
    // The next picture that looks at the flag starts again from fresh grids.
    state_.grids_stale = true;
}

void TForm1::Vconst1Click() {
    raise(Toggle::RysujB4);
    press(Toggle::RysujB5);
    if (guard_blocks(state_)) return;
    raise_six();
    state_.scene_stage = SceneStage::picture;
    if (!down(Toggle::RysujB5)) return;
    state_.tool_mode = ToolMode::equipotential;
    compute_grids_if_stale();
    state_.grids_stale = false;
}

void TForm1::equipotential_command() {
    if (!down(Toggle::RysujB5)) return;
    if (!draw_equipotential_through(board_.canvas, board_.grids, board_.charges, state_.mouse_x,
                                    state_.mouse_y, board_.pen))
        return;
    state_.scene_stage = SceneStage::picture;
    screen_.board_changed();
    record(StepKind::equipotential_at, state_.mouse_x, state_.mouse_y);
    say_drawn({at_pointer(words().equipotential_at)});
}

void TForm1::field_line_family_command() {
    if (board_.charges.empty()) return;
    raise_all_eight();
    if (guard_blocks(state_)) return;
    // Stale grids: the lines start from the empty board with the charges, and the grids are
    // brought up to date for the readout.
    if (state_.grids_stale) {
        redraw_charges();
        compute_grids();
    }
    state_.grids_stale = false;
    draw_field_line_family(board_.canvas, board_.charges, *board_.buffers);
    screen_.board_changed();
    record(StepKind::field_lines);
    say_drawn({words().field_lines});
}

void TForm1::RysujB3Click() {
    field_line_family_command();
}
void TForm1::Liniesil1Click() {
    field_line_family_command();
}

void TForm1::RysujB4Click() {
    raise(Toggle::RysujB5);
    if (guard_blocks(state_)) return;
    raise_six();
    state_.scene_stage = SceneStage::picture;
    if (down(Toggle::RysujB4)) state_.tool_mode = ToolMode::field_line;
}

void TForm1::Fr1Click() {
    raise(Toggle::RysujB5);
    press(Toggle::RysujB4);
    if (guard_blocks(state_)) return;
    raise_six();
    state_.scene_stage = SceneStage::picture;
    state_.tool_mode = ToolMode::field_line;
}

void TForm1::field_line_command() {
    if (!down(Toggle::RysujB4)) return;
    // Without charges there is no field, and the pass stays on its point: nothing is drawn.
    if (board_.charges.empty()) return;
    draw_field_line_through(board_.canvas, board_.charges, x_of_column(state_.mouse_x),
                            y_of_row(state_.mouse_y));
    screen_.board_changed();
    record(StepKind::field_line_at, state_.mouse_x, state_.mouse_y);
    say_drawn({at_pointer(words().field_line_at)});
}

void TForm1::Opisprogramu1Click() {
    screen_.open_description();
}
void TForm1::Oprogramie1Click() {
    screen_.open_about();
}
