#include "app/setup_messages.h"

#include <algorithm>

namespace {

std::string message(std::string_view key) {
    const auto found = std::find_if(setup_messages.begin(), setup_messages.end(),
                                    [&](const SetupMessage& m) { return m.key == key; });
    return found == setup_messages.end() ? std::string() : std::string(found->text);
}

void fill(std::string& text, std::string_view placeholder, const std::string& value) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size()))
        text.replace(at, placeholder.size(), value);
}

std::string_view key_of(SetupError error) {
    switch (error) {
    case SetupError::none:
        return {};
    case SetupError::empty:
        return "setup.empty";
    case SetupError::not_a_setup:
        return "setup.not_a_setup";
    case SetupError::damaged:
        return "setup.damaged";
    case SetupError::newer_version:
        return "setup.newer_version";
    case SetupError::too_many_charges:
        return "setup.too_many_charges";
    case SetupError::point_off_board:
        return "setup.point_off_board";
    case SetupError::too_long:
        return "setup.too_long";
    }
    return {};
}

std::string_view key_of(PngTextError error) {
    switch (error) {
    case PngTextError::none:
        return {};
    case PngTextError::too_large:
        return "picture.too_large";
    case PngTextError::not_png:
        return "picture.not_png";
    case PngTextError::damaged:
        return "picture.damaged";
    case PngTextError::no_text:
        return "picture.no_text";
    case PngTextError::text_too_long:
        return "picture.text_too_long";
    }
    return {};
}

} // namespace

std::string setup_error_text(const SetupResult& result) {
    std::string text = message(key_of(result.error));
    fill(text, "{n}", std::to_string(result.token_number));
    fill(text, "{x}", std::to_string(result.x));
    fill(text, "{y}", std::to_string(result.y));
    fill(text, "{token}", result.token); // last: the token may hold braces of its own
    return text;
}

std::string picture_error_text(PngTextError error) {
    return message(key_of(error));
}
