// The charge tools and Clear: what a board click does in each mode, choosing a tool, placing
// an arrangement, and taking the pictures or the charges away.
#include "app/window_logic.h"
#include "model/charges.h"

void WindowLogic::board_click() {
    ChargeSet& charges = board_.state().charges;
    switch (state_.tool_mode) {
    case ToolMode::none:
        return;
    case ToolMode::measure:
        place_point_at_pointer();
        return;
    case ToolMode::remove:
        if (charges.empty() || !down(Toggle::remove_tool)) return;
        toggles_.raise_point_tools();
        if (!charges.remove_near(state_.pointer_column, state_.pointer_row)) return;
        board_.redraw_charges();
        state_.scene_stage = SceneStage::with_charges;
        state_.grids_stale = true;
        return;
    case ToolMode::positive:
    case ToolMode::negative:
        if (!toggles_.chosen(state_.tool_mode)) return;
        if (!board_.place_charge(state_.pointer_column, state_.pointer_row,
                                 static_cast<int>(state_.tool_mode)))
            return;
        state_.scene_stage = SceneStage::with_charges;
        state_.grids_stale = true;
        return;
    case ToolMode::equipotential:
        draw_equipotential_at_pointer();
        return;
    case ToolMode::field_line:
        draw_field_line_at_pointer();
        return;
    }
}

void WindowLogic::choose_add_positive() {
    state_.tool_mode = ToolMode::positive;
    toggles_.raise_point_tools();
}

void WindowLogic::choose_add_negative() {
    state_.tool_mode = ToolMode::negative;
    toggles_.raise_point_tools();
}

void WindowLogic::choose_remove() {
    toggles_.raise_point_tools();
    if (down(Toggle::remove_tool)) state_.tool_mode = ToolMode::remove;
}

void WindowLogic::place_dipole() {
    toggles_.raise_point_tools();
    toggles_.press(Toggle::dipole_button);
    board_.place(dipole_charges());
    state_.scene_stage = SceneStage::with_charges;
    state_.grids_stale = true;
    state_.tool_mode = ToolMode::none;
}

void WindowLogic::place_quadrupole() {
    toggles_.raise_point_tools();
    board_.place(quadrupole_charges(-1));
    state_.scene_stage = SceneStage::with_charges;
    state_.grids_stale = true;
    state_.tool_mode = ToolMode::none;
}

void WindowLogic::place_capacitor() {
    toggles_.raise_point_tools();
    board_.place(capacitor_charges());
    state_.scene_stage = SceneStage::with_charges;
    state_.grids_stale = true;
    state_.tool_mode = ToolMode::none;
}

void WindowLogic::clear_pictures_or_charges() {
    if (state_.scene_stage == SceneStage::empty) return;
    toggles_.raise_point_tools();
    if (state_.scene_stage == SceneStage::with_charges) {
        board_.state().charges.clear();
        state_.tool_mode = ToolMode::none;
        state_.scene_stage = SceneStage::empty;
        state_.grids_stale = false;
        for (Toggle b :
             {Toggle::add_positive_tool, Toggle::add_negative_tool, Toggle::capacitor_button,
              Toggle::quadrupole_button, Toggle::dipole_button})
            toggles_.raise(b);
        board_.draw_empty();
        return;
    }
    state_.scene_stage = SceneStage::with_charges;
    if (down(Toggle::capacitor_button) || down(Toggle::quadrupole_button)) {
        toggles_.raise(Toggle::capacitor_button);
        toggles_.raise(Toggle::quadrupole_button);
        state_.tool_mode = ToolMode::none;
    }
    if (down(Toggle::add_positive_tool)) state_.tool_mode = ToolMode::positive;
    if (down(Toggle::add_negative_tool)) state_.tool_mode = ToolMode::negative;
    board_.redraw_charges();
}

void WindowLogic::end_program() {
    screen_.end_program();
}
