#pragma once

#include "app/setup.h"
#include "app/state.h"
#include "app/toggles.h"

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

// A charge being moved: the board it was taken from (as a setup), the buttons and modes as they
// were, and where it is wanted next. It only remembers; the window rebuilds the board.
class ChargeDrag {
  public:
    // What the window showed when the charge was picked up, to go back to.
    struct Before {
        ToggleStates toggles;
        ToolMode tool_mode;
        SceneStage scene_stage;
    };

    // Picks up the charge in this slot of the board the setup says; false when the setup holds
    // no such charge. A pointer's drag starts from its press at (x, y).
    bool begin(int slot, Setup base, const Before& before, bool by_keyboard, double x = 0,
               double y = 0);
    void end() {
        drag_.reset();
        due_.reset();
    }
    bool active() const { return drag_.has_value(); }
    // Whether the charge has left its place: at once for the keyboard, for a pointer once it
    // went beyond reach of its press.
    bool moved() const { return drag_ && drag_->moved; }
    bool by_keyboard() const { return drag_ && drag_->by_keyboard; }
    bool by_pointer() const { return drag_ && !drag_->by_keyboard; }
    int slot() const { return drag_->slot; }
    const Setup& base() const { return drag_->base; }
    const Before& before() const { return drag_->before; }

    // The pointer at (x, y): true once it has gone farther than reach from the press along
    // either axis, from then on; within reach a press and release stay a click.
    bool pulled(double x, double y, double reach);
    void mark_moved() { drag_->moved = true; }
    // The board with the charge at the board point.
    Setup moved_to(int x, int y) const;

    // The pixel the charge is wanted at, redrawn at the next frame.
    void want_at(int column, int row) { due_ = {column, row}; }
    std::optional<std::array<int, 2>> take_due() { return std::exchange(due_, std::nullopt); }
    const std::optional<std::array<int, 2>>& due() const { return due_; }
    void forget_due() { due_.reset(); }

    // The charge under the pointer, which an open hand shows can be moved; 0 for none.
    int hover_slot = 0;

  private:
    struct Drag {
        int slot;
        Setup base;
        std::size_t step; // the charge's step in the base
        Before before;
        bool by_keyboard;
        bool moved = false;
        double from_x = 0;
        double from_y = 0;
    };
    std::optional<Drag> drag_;
    std::optional<std::array<int, 2>> due_;
};
