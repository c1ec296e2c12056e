#pragma once

// The eight toggle buttons: the six tools in the order they are raised, then F(r) and V=const.
enum class Toggle { SpeedB1, SpeedB2, SpeedB3, SpeedB4, SpeedB5, SpeedB6, RysujB4, RysujB5 };
inline constexpr int toggle_count = 8;
