#include "app/charge_drag.h"

#include <cmath>

bool ChargeDrag::begin(int slot, Setup base, const Before& before, bool by_keyboard, double x,
                       double y) {
    // The charge's step: charges are recorded in slot order.
    int seen = 0;
    for (std::size_t i = 0; i < base.steps.size(); ++i)
        if (is_charge(base.steps[i].kind) && ++seen == slot) {
            drag_ = Drag{slot, std::move(base), i, before, by_keyboard, false, x, y};
            return true;
        }
    return false;
}

bool ChargeDrag::pulled(double x, double y, double reach) {
    if (!drag_->moved && std::fabs(x - drag_->from_x) <= reach &&
        std::fabs(y - drag_->from_y) <= reach)
        return false;
    drag_->moved = true;
    return true;
}

Setup ChargeDrag::moved_to(int x, int y) const {
    Setup moved = drag_->base;
    moved.steps[drag_->step].x = x;
    moved.steps[drag_->step].y = y;
    return moved;
}
