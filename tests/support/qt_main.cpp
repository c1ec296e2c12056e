#include "desktop/polish_qt.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Window tests need one application object for the whole run.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings a test writes (the language chosen) stay out of the user's own and start empty.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    install_polish_qt_texts(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
