#pragma once

#include <string>
#include <string_view>

// A grid value as the panel shows it: two decimals after a ".", whatever the user's locale, and a
// "-" before every negative value, also one that shows as 0.00.
std::string readout_value(double v);

// The value in fixed notation with so many decimals, rounded as printf rounds, with the mark
// given between the whole part and the decimals whatever the user's locale.
std::string fixed_digits(double value, int decimals, std::string_view mark);
