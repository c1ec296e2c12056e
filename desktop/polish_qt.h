#pragma once

class QCoreApplication;

// Qt's own texts (the file dialog, standard buttons) in Polish, as the rest of the program is;
// false when the translation is not installed, and Qt then speaks English.
bool install_polish_qt_texts(QCoreApplication& app);
