#include "dialogs/help_texts.h"

std::string_view maker_web_address() {
    return "www.example.org/ostrada";
}
