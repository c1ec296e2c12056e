// What a pointer or a key on the board means: the recogniser says which presses click, a press
// on a charge with no tool chosen picks it up, and the rest reads the board under the pointer.
#include "app/window_logic.h"
#include "app/words.h"

#include <cmath>

namespace {

bool over_board(const PointerEvent& e) {
    return e.x >= 0.0 && e.x < board_size && e.y >= 0.0 && e.y < board_size;
}

} // namespace

void WindowLogic::move_pointer(const PointerEvent& e) {
    pointer_over_pixel(board_pixel(e.x), board_pixel(e.y));
}

void WindowLogic::pointer_pressed(const PointerEvent& e) {
    // Only the primary button works the board; the others leave a click in progress alone.
    if (!clicks_.press(e)) return;
    // A click lands where it was pressed, even when no move came before (touch, tablets).
    move_pointer(e);
    if (drag_.active() || point_drag_) return;
    if (const auto point = point_under(state_.pointer_column, state_.pointer_row)) {
        begin_point_drag(*point, false, e.x, e.y);
        return;
    }
    if (const int slot = charge_under(state_.pointer_column, state_.pointer_row))
        begin_drag(slot, false, e.x, e.y);
}

void WindowLogic::pointer_moved(const PointerEvent& e) {
    if (!over_board(e) && !clicks_.holding()) return;
    move_pointer(e);
    if (point_drag_ && !point_drag_->by_keyboard && clicks_.holding()) {
        const double reach = clicks_.reach(e.kind);
        if (std::abs(e.x - point_drag_->from_x) > reach ||
            std::abs(e.y - point_drag_->from_y) > reach)
            point_drag_->moved = true;
        if (point_drag_->moved) move_point_to(state_.pointer_column, state_.pointer_row);
        return;
    }
    hover_point_ =
        point_drag_ ? std::nullopt : point_under(state_.pointer_column, state_.pointer_row);
    if (drag_.by_pointer() && clicks_.holding()) {
        // Within a double click's reach a press and release stay a click.
        if (drag_.pulled(e.x, e.y, clicks_.reach(e.kind)))
            drag_.want_at(state_.pointer_column, state_.pointer_row);
        return;
    }
    drag_.hover_slot = drag_.active() ? 0 : charge_under(state_.pointer_column, state_.pointer_row);
}

void WindowLogic::pointer_released(const PointerEvent& e) {
    const std::optional<bool> released = clicks_.release(e);
    if (!released) return;
    const bool clicks = *released;
    if (point_drag_ && !point_drag_->by_keyboard) {
        if (point_drag_->moved) {
            move_pointer(e);
            move_point_to(state_.pointer_column, state_.pointer_row);
            end_point_drag(false);
            clicks_.forget_last_click();
            return;
        }
        // A click on a point chooses it.
        point_drag_.reset();
    }
    if (drag_.by_pointer()) {
        if (drag_.moved()) {
            move_pointer(e);
            drag_to(state_.pointer_column, state_.pointer_row);
            end_drag(false);
            clicks_.forget_last_click();
            return;
        }
        drag_.end();
    }
    if (!over_board(e)) return;
    move_pointer(e);
    // The release after a double click's second press ends the pair: a third press clicks.
    clicks_.landed(e, clicks);
    if (clicks) {
        board_click();
        note_change();
    }
}

void WindowLogic::pointer_cancelled() {
    clicks_.cancel();
    if (point_drag_ && !point_drag_->by_keyboard) end_point_drag(point_drag_->moved);
    if (drag_.by_pointer()) end_drag(drag_.moved());
}

void WindowLogic::pressed_elsewhere() {
    clicks_.forget_last_click();
}

void WindowLogic::board_key(BoardKey key, bool shift, bool repeat) {
    const int step = shift ? 10 : 1;
    if (key == BoardKey::escape) {
        end_point_drag(true);
        end_drag(true);
        return;
    }
    if (key == BoardKey::say_values) {
        say_point_values();
        return;
    }
    auto [x, y] = cursor_;
    switch (key) {
    case BoardKey::left:
        x -= step;
        break;
    case BoardKey::right:
        x += step;
        break;
    case BoardKey::up:
        y -= step;
        break;
    case BoardKey::down:
        y += step;
        break;
    case BoardKey::home:
        x = y = board_size / 2;
        break;
    case BoardKey::escape:
    case BoardKey::say_values:
        return;
    case BoardKey::activate:
        // A held key clicks once, as a held mouse button does.
        if (repeat) return;
        // With no tool chosen, the key picks up the charge under the cursor and puts it down.
        if (drag_.by_keyboard()) {
            end_drag(false);
            return;
        }
        if (point_drag_ && point_drag_->by_keyboard) {
            end_point_drag(false);
            return;
        }
        if (const auto point = point_under(x, y); point && !drag_.active() && !point_drag_) {
            begin_point_drag(*point, true);
            screen_.announce(
                fill(words().point_moving, {std::string(1, point_letter(*point)),
                                            std::to_string(board_.points().at(*point)->x),
                                            std::to_string(board_.points().at(*point)->y)}));
            return;
        }
        if (const int slot = charge_under(x, y); slot != 0 && !drag_.active()) {
            begin_drag(slot, true);
            if (drag_.active()) {
                drag_.mark_moved();
                screen_.announce(charge_place(words().moving_positive, words().moving_negative));
            }
            return;
        }
        pressed_elsewhere();
        pointer_over_pixel(x, y);
        board_click();
        note_change();
        return;
    }
    pointer_over_pixel(x, y);
    if (point_drag_ && point_drag_->by_keyboard) {
        move_point_to(cursor_[0], cursor_[1]);
        screen_.announce_progress(point_said(point_drag_->index));
    }
    if (drag_.by_keyboard()) {
        drag_to(cursor_[0], cursor_[1]);
        screen_.announce_progress(charge_place(words().moving_positive, words().moving_negative));
    }
}
