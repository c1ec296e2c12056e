#pragma once

#include "app/state.h"
#include "render/board.h"

#include <algorithm>
#include <array>
#include <string_view>

// The eight toggle buttons: the six tools in the order they are raised, then F(r) and V=const.
enum class Toggle {
    add_positive_tool,
    add_negative_tool,
    capacitor_button,
    quadrupole_button,
    dipole_button,
    remove_tool,
    field_line_tool,
    equipotential_tool
};
inline constexpr int toggle_count = 8;
// Their form names, in the same order.
inline constexpr std::string_view toggle_names[toggle_count] = {
    "add_positive_tool", "add_negative_tool", "capacitor_button", "quadrupole_button",
    "dipole_button",     "remove_tool",       "field_line_tool",  "equipotential_tool"};

// The button that shows each glyph, in the order the glyphs are painted.
constexpr Toggle glyph_button(Glyph glyph) {
    constexpr Toggle owners[] = {Toggle::add_positive_tool, Toggle::add_negative_tool,
                                 Toggle::dipole_button,     Toggle::quadrupole_button,
                                 Toggle::capacitor_button,  Toggle::remove_tool};
    return owners[static_cast<int>(glyph)];
}

// Which of the eight are down, and the rules between them: the six charge tools are one group
// (pressing one raises the other five); F(r) and V=const stand apart. Nothing here runs a
// handler.
class ToggleStates {
  public:
    bool down(Toggle button) const { return down_[index(button)]; }
    void raise(Toggle button) { down_[index(button)] = false; }
    void press(Toggle button) {
        if (index(button) <= index(Toggle::remove_tool))
            std::fill(down_.begin(), down_.begin() + index(Toggle::remove_tool) + 1, false);
        down_[index(button)] = true;
    }
    // The six charge tools up.
    void raise_charge_tools() {
        std::fill(down_.begin(), down_.begin() + index(Toggle::remove_tool) + 1, false);
    }
    // F(r) and V=const up: the tools that draw through a point.
    void raise_point_tools() {
        raise(Toggle::field_line_tool);
        raise(Toggle::equipotential_tool);
    }
    void raise_all() { down_ = {}; }
    // Whether the button of the tool that a board click in this mode uses is down; with no tool
    // chosen, or its button raised again, a board click does nothing.
    bool chosen(ToolMode mode) const {
        switch (mode) {
        case ToolMode::none:
            return false;
        case ToolMode::measure:
            return true;
        case ToolMode::remove:
            return down(Toggle::remove_tool);
        case ToolMode::positive:
        case ToolMode::negative:
            return down(Toggle::add_positive_tool) || down(Toggle::add_negative_tool);
        case ToolMode::equipotential:
            return down(Toggle::equipotential_tool);
        case ToolMode::field_line:
            return down(Toggle::field_line_tool);
        }
        return false;
    }
    const std::array<bool, toggle_count>& states() const { return down_; }

  private:
    static constexpr int index(Toggle button) { return static_cast<int>(button); }
    std::array<bool, toggle_count> down_{};
};
