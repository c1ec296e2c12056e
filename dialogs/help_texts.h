#pragma once

#include <string_view>

// The line under the family title on both help dialogs.
std::string_view ostrada_subtitle();
// The maker's web page, named in the About box and at the end of the description.
std::string_view maker_web_address();
