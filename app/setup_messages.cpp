#include "app/setup_messages.h"

#include "app/words.h"

std::string setup_error_text(const SetupResult& result, const Words& w) {
    switch (result.error) {
    case SetupError::none:
        return {};
    case SetupError::empty:
        return std::string(w.setup_empty);
    case SetupError::not_a_setup:
        return std::string(w.setup_not_a_setup);
    case SetupError::damaged:
        return fill(w.setup_damaged, {std::to_string(result.token_number), result.token});
    case SetupError::newer_version:
        return std::string(w.setup_newer_version);
    case SetupError::too_many_charges:
        return fill(w.setup_too_many_charges, {counted(w, w.charges, setup_max_charges)});
    case SetupError::point_off_board:
        return fill(w.setup_point_off_board, {std::to_string(result.x), std::to_string(result.y)});
    case SetupError::too_long:
        return std::string(w.setup_too_long);
    }
    return {};
}

std::string picture_error_text(PngTextError error, const Words& w) {
    switch (error) {
    case PngTextError::none:
        return {};
    case PngTextError::too_large:
        return std::string(w.picture_too_large);
    case PngTextError::not_png:
        return std::string(w.picture_not_png);
    case PngTextError::damaged:
        return std::string(w.picture_damaged);
    case PngTextError::no_text:
        return std::string(w.picture_no_setup);
    case PngTextError::text_too_long:
        return std::string(w.picture_setup_too_long);
    }
    return {};
}
