#include "app/gestures.h"

#include "render/board.h"

#include <algorithm>
#include <cmath>

int board_pixel(double position) {
    if (!(position >= 0.0)) return 0;
    return static_cast<int>(std::min(std::floor(position), double(board_size - 1)));
}

bool ClickRecogniser::press(const PointerEvent& e) {
    if (e.button != PointerButton::primary) return false;
    const double near = reach(e.kind);
    const bool second = last_click_ && last_click_->kind == e.kind &&
                        e.time_ms - last_click_->time_ms < rule_.interval_ms &&
                        std::fabs(e.x - last_click_->x) <= near &&
                        std::fabs(e.y - last_click_->y) <= near;
    held_ = Press{e.kind, !second};
    return true;
}

std::optional<bool> ClickRecogniser::release(const PointerEvent& e) {
    if (e.button != PointerButton::primary || !held_) return std::nullopt;
    const bool clicks = held_->clicks;
    held_.reset();
    return clicks;
}

void ClickRecogniser::landed(const PointerEvent& e, bool clicks) {
    if (clicks)
        last_click_ = LastClick{e.kind, e.time_ms, e.x, e.y};
    else
        last_click_.reset();
}
