#pragma once

#include <string_view>

class QCoreApplication;

// Qt's own texts (the file dialog, standard buttons) in the window's language, by the
// catalogue's code; a second call replaces the first's. False when the translation is not
// installed, and Qt then speaks English.
bool install_qt_texts(QCoreApplication& app, std::string_view language);
// Qt's own texts in Polish, as the program starts.
bool install_polish_qt_texts(QCoreApplication& app);
