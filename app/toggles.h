#pragma once

#include <string_view>

// The eight toggle buttons: the six tools in the order they are raised, then F(r) and V=const.
enum class Toggle { SpeedB1, SpeedB2, SpeedB3, SpeedB4, SpeedB5, SpeedB6, RysujB4, RysujB5 };
inline constexpr int toggle_count = 8;
// Their form names, in the same order.
inline constexpr std::string_view toggle_names[toggle_count] = {
    "SpeedB1", "SpeedB2", "SpeedB3", "SpeedB4", "SpeedB5", "SpeedB6", "RysujB4", "RysujB5"};
