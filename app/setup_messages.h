#pragma once

#include "app/png_text.h"
#include "app/setup.h"
#include "app/words.h"

#include <string>

// What the user reads when a setup or a picture cannot be opened, in the catalogue's words.

// The message for a setup that was not read, with the token or the point; empty for none.
std::string setup_error_text(const SetupResult& result, const Words& w = words());
// The message for a picture whose setup was not read; empty for none.
std::string picture_error_text(PngTextError error, const Words& w = words());
