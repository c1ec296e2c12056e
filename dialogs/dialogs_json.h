#pragma once

#include <string>
#include <string_view>

// The help dialogs' content as JSON, for a shell that lays the dialogs out in a web page.

// The text as a JSON string with its quotation marks; UTF-8 passes through unchanged.
std::string json_string(std::string_view text);

// {"description": dialog, "about": dialog, "families": {role: [face, ...]}}; a dialog is {"class",
// "caption", "width", "height", "font", "controls": [...]} and the description also has "runs":
// [...]. A font is {"role": "dialog"|"sans"|"serif"|"heavy", "pixels", "weight", "underline"}, a
// colour [red, green, blue]; a control is {"name", "kind", "left", "top", "width", "height",
// "text", "font" (or null), "colour" (or null), "hint", "grows"}; a run is {"text", "colour",
// "bold", "italic", "underline", "script": -1|0|1, "paragraph"}.
std::string help_dialogs_json();
