#pragma once

#include <string>

// A grid value as the panel shows it: two decimals after a ".", whatever the user's locale, and a
// "-" before every negative value, also one that shows as 0.00.
std::string readout_value(double v);
