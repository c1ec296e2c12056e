// Moving a charge by pointer or by keyboard, with every picture on the board following it.
#include "app/window_logic.h"
#include "app/words.h"

bool WindowLogic::no_tool_chosen() const {
    switch (state_.tool_mode) {
    case ToolMode::remove:
        return !down(Toggle::remove_tool);
    case ToolMode::positive:
    case ToolMode::negative:
        return !down(Toggle::add_positive_tool) && !down(Toggle::add_negative_tool);
    case ToolMode::equipotential:
        return !down(Toggle::equipotential_tool);
    case ToolMode::field_line:
        return !down(Toggle::field_line_tool);
    }
    return true;
}

int WindowLogic::charge_under(int column, int row) const {
    if (!no_tool_chosen()) return 0;
    const long long x = x_of_column(column);
    const long long y = y_of_row(row);
    for (int slot = board_.charges.count(); slot >= 1; --slot)
        if (within_ten(board_.charges.slot(slot), x, y)) return slot;
    return 0;
}

PointerShape WindowLogic::pointer_shape() const {
    if (dragging()) return PointerShape::closed_hand;
    return hover_slot_ != 0 ? PointerShape::open_hand : PointerShape::arrow;
}

void WindowLogic::begin_drag(int slot, bool by_keyboard) {
    Drag d{slot, setup(), 0, down_, state_.tool_mode, state_.scene_stage, by_keyboard};
    // The charge's step: charges are recorded in slot order.
    int seen = 0;
    for (std::size_t i = 0; i < d.base.steps.size(); ++i) {
        const StepKind k = d.base.steps[i].kind;
        if ((k == StepKind::positive_charge || k == StepKind::negative_charge) && ++seen == slot) {
            d.step = i;
            drag_ = std::move(d);
            return;
        }
    }
}

void WindowLogic::drag_to(int column, int row) {
    if (!drag_) return;
    Setup moved = drag_->base;
    moved.steps[drag_->step].x = x_of_column(column);
    moved.steps[drag_->step].y = y_of_row(row);
    const InteractionState pointer = state_;
    rebuild(moved);
    down_ = drag_->down;
    state_.tool_mode = drag_->tool_mode;
    if (state_.scene_stage != SceneStage::picture) state_.scene_stage = drag_->scene_stage;
    state_.pointer_column = pointer.pointer_column;
    state_.pointer_row = pointer.pointer_row;
    pointer_over_pixel(state_.pointer_column, state_.pointer_row);
}

bool WindowLogic::frame() {
    if (!drag_due_) return false;
    const auto [column, row] = *drag_due_;
    drag_due_.reset();
    drag_to(column, row);
    return true;
}

std::string WindowLogic::charge_place(std::string_view positive, std::string_view negative) const {
    const Charge& c = board_.charges.slot(drag_->slot);
    return fill(c.sign > 0 ? positive : negative, {std::to_string(c.x), std::to_string(c.y)});
}

void WindowLogic::end_drag(bool put_back) {
    if (!drag_) return;
    drag_due_.reset();
    if (put_back) {
        const Drag d = *drag_;
        rebuild(d.base);
        down_ = d.down;
        state_.tool_mode = d.tool_mode;
        state_.scene_stage = d.scene_stage;
        if (d.by_keyboard) screen_.announce(words().put_back);
    } else if (drag_->by_keyboard) {
        screen_.announce(charge_place(words().put_positive, words().put_negative));
    }
    drag_.reset();
    note_change();
}
