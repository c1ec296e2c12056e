#pragma once

#include "render/board.h"

#include <string_view>

// The eight toggle buttons: the six tools in the order they are raised, then F(r) and V=const.
enum class Toggle { SpeedB1, SpeedB2, SpeedB3, SpeedB4, SpeedB5, SpeedB6, RysujB4, RysujB5 };
inline constexpr int toggle_count = 8;
// Their form names, in the same order.
inline constexpr std::string_view toggle_names[toggle_count] = {
    "SpeedB1", "SpeedB2", "SpeedB3", "SpeedB4", "SpeedB5", "SpeedB6", "RysujB4", "RysujB5"};

// The button that shows each glyph, in the order the glyphs are painted.
constexpr Toggle glyph_button(Glyph glyph) {
    constexpr Toggle owners[] = {Toggle::SpeedB1, Toggle::SpeedB2, Toggle::SpeedB5,
                                 Toggle::SpeedB4, Toggle::SpeedB3, Toggle::SpeedB6};
    return owners[static_cast<int>(glyph)];
}
