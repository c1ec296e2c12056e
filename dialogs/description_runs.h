#pragma once

#include "dialogs/dialog_content.h"

// The kinds of run the description is written with, the same in every language.
namespace description_run {

inline DescriptionRun plain(std::string_view text) {
    return {text};
}
inline DescriptionRun paragraph(std::string_view text) {
    return {text, ink_black, 0, ScriptMode::normal, true};
}
inline DescriptionRun blue_italic(std::string_view text) {
    return {text, ink_blue, style_italic};
}
inline DescriptionRun italic(std::string_view text) {
    return {text, ink_black, style_italic};
}
inline DescriptionRun bold_italic(std::string_view text) {
    return {text, ink_black, style_bold | style_italic};
}
inline DescriptionRun blue_plain(std::string_view text) {
    return {text, ink_blue};
}
inline DescriptionRun subscript(std::string_view text) {
    return {text, ink_black, 0, ScriptMode::subscript};
}

} // namespace description_run
