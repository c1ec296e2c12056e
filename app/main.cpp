#include "app/tform1.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a raw message when no display can be reached; say plainly what to do instead.
bool display_reachable() {
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv) {
    if (!display_reachable()) {
        std::fputs("Ardenika needs a graphical display, and none was found (DISPLAY and "
                   "WAYLAND_DISPLAY are not set).\nStart it from a desktop session, or without "
                   "one under a virtual display: xvfb-run -a ./build/ardenika\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    TForm1 Form1;
    return QApplication::exec();
}
