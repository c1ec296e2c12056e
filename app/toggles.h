#pragma once

#include "render/board.h"

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
