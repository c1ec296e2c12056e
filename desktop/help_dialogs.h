#pragma once

#include <string_view>

class QWidget;

// The two entries of the "Pomoc" menu. Each call makes a new dialog owned by the window, shows
// it modally and destroys it once it is closed.
// language is the catalogue's code ("pl", "uk", "en").
void show_description(QWidget* owner, std::string_view language = "pl");
void show_about(QWidget* owner, std::string_view language = "pl");
