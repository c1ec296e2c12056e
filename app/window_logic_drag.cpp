// Moving a charge by pointer or by keyboard, with every picture on the board following it.
#include "app/traced_lines.h"
#include "app/window_logic.h"
#include "app/words.h"
#include "render/drawing_buffers.h"
#include "render/field_lines.h"

int WindowLogic::charge_under(int column, int row) const {
    if (toggles_.chosen(state_.tool_mode)) return 0;
    const ChargeSet& charges = board_.state().charges;
    const long long x = x_of_column(column);
    const long long y = y_of_row(row);
    for (int slot = charges.count(); slot >= 1; --slot)
        if (within_ten(charges.slot(slot), x, y)) return slot;
    return 0;
}

PointerShape WindowLogic::pointer_shape() const {
    if (dragging() || (point_drag_ && point_drag_->moved && !point_drag_->by_keyboard))
        return PointerShape::closed_hand;
    return drag_.hover_slot != 0 || hover_point_ ? PointerShape::open_hand : PointerShape::arrow;
}

void WindowLogic::begin_drag(int slot, bool by_keyboard, double x, double y) {
    drag_.begin(slot, setup(), {toggles_, state_.tool_mode, state_.scene_stage}, by_keyboard, x, y);
}

void WindowLogic::drag_to(int column, int row, bool lines_later) {
    if (!drag_.active()) return;
    const InteractionState pointer = state_;
    rebuild(drag_.moved_to(x_of_column(column), y_of_row(row)), lines_later);
    const ChargeDrag::Before& before = drag_.before();
    toggles_ = before.toggles;
    state_.tool_mode = before.tool_mode;
    if (state_.scene_stage != SceneStage::picture) state_.scene_stage = before.scene_stage;
    state_.pointer_column = pointer.pointer_column;
    state_.pointer_row = pointer.pointer_row;
    pointer_over_pixel(state_.pointer_column, state_.pointer_row);
}

bool WindowLogic::frame(bool lines_later) {
    const std::optional<std::array<int, 2>> due = drag_.take_due();
    if (!due) return false;
    drag_to((*due)[0], (*due)[1], lines_later);
    return true;
}

void WindowLogic::draw_due_lines(std::span<const int> traced) {
    if (!board_.lines_due()) return;
    BoardState& board = board_.state();
    if (!read_traced_lines(traced, board.charges.count(), *board.buffers))
        trace_field_line_family(board.charges, *board.buffers);
    board_.draw_due_lines();
}

std::optional<ChargeSet> WindowLogic::due_lines_charges() const {
    const std::optional<std::array<int, 2>>& due = drag_.due();
    if (!drag_.active() || !due) return std::nullopt;
    const Setup moved = drag_.moved_to(x_of_column((*due)[0]), y_of_row((*due)[1]));
    if (moved.steps.empty() || moved.steps.back().kind != StepKind::field_lines)
        return std::nullopt;
    ChargeSet charges;
    for (const Step& step : moved.steps)
        if (is_charge(step.kind)) charges.append({step.x, step.y, charge_sign(step.kind)});
    return charges;
}

std::string WindowLogic::charge_place(std::string_view positive, std::string_view negative) const {
    const Charge& c = board_.state().charges.slot(drag_.slot());
    return fill(c.sign > 0 ? positive : negative, {std::to_string(c.x), std::to_string(c.y)});
}

void WindowLogic::end_drag(bool put_back) {
    if (!drag_.active()) return;
    drag_.forget_due();
    if (put_back) {
        const Setup base = drag_.base();
        const ChargeDrag::Before before = drag_.before();
        rebuild(base);
        toggles_ = before.toggles;
        state_.tool_mode = before.tool_mode;
        state_.scene_stage = before.scene_stage;
        if (drag_.by_keyboard()) screen_.announce(words().put_back);
    } else if (drag_.by_keyboard()) {
        screen_.announce(charge_place(words().put_positive, words().put_negative));
    }
    drag_.end();
    note_change();
}
