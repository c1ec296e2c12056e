#pragma once

#include <string_view>

// The maker's web page, named in the About box and at the end of the description.
std::string_view maker_web_address();
