#pragma once

#include "dialogs/dialog_content.h"

#include <string>
#include <string_view>

// The help dialogs' content as JSON, for a shell that lays the dialogs out in a web page.

// {"description": dialog, "about": dialog, "families": {role: [face, ...]}, "strip"}; a dialog is
// {"class", "caption", "width", "height", "font", "controls": [...]} and the description also has
// "runs":
// [...]. A font is {"role": "dialog"|"sans"|"serif"|"heavy", "pixels", "weight", "underline"}, a
// colour [red, green, blue]; a control is {"name", "kind", "left", "top", "width", "height",
// "text", "font" (or null), "colour" (or null), "hint", "grows"}; a run is {"text", "colour",
// "bold", "italic", "underline", "script": -1|0|1, "paragraph"}. "strip" is the side strip's
// shapes: {"width", "height", "gradient": [{"at", "colour"}], "curves": [{"points": [8 numbers],
// "alpha"}], "charges": [{"x", "y", "positive"}], "positive", "negative", "radius", "ring",
// "signHalf", "signWidth"}.
std::string help_dialogs_json(std::string_view language = dialogs_default_language);
