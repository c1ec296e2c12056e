#include "desktop/polish_qt.h"

#include <QApplication>
#include <gtest/gtest.h>

// Window tests need one application object for the whole run.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    install_polish_qt_texts(app);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
