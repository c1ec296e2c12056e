#include "app/words.h"
#include "desktop/desktop_window.h"
#include "desktop/language_setting.h"
#include "desktop/polish_qt.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The command as it was started, for the hint that runs it again under a virtual display.
std::string started_as;

void say(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

void print_no_display_help() {
    say(fill(words_for(remembered_language()).run_virtually, {started_as}));
}

// Qt aborts with a raw message when no display can be reached; say plainly what to do instead.
bool display_named() {
    auto set = [](const char* name) {
        const char* v = std::getenv(name);
        return v != nullptr && *v != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

QtMessageHandler qt_default_handler = nullptr;

// A display that is named but cannot be opened ends the start-up with a fatal message from Qt.
void explain_fatal_start(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && (text.contains(QLatin1String("display")) ||
                               text.contains(QLatin1String("platform plugin")))) {
        const char* display = std::getenv("DISPLAY");
        say(fill(words_for(remembered_language()).display_unreachable, {display ? display : ""}));
        print_no_display_help();
        std::_Exit(1);
    }
    if (qt_default_handler) qt_default_handler(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    started_as = argc > 0 && argv[0] && *argv[0] ? argv[0] : "ardenika";
    if (!display_named()) {
        say(std::string(words_for(remembered_language()).no_display));
        print_no_display_help();
        return 1;
    }
    qt_default_handler = qInstallMessageHandler(explain_fatal_start);
    // Fractional screen scales (125 %, 150 %) are used as they are, not rounded to whole ones;
    // the board and the button pictures are drawn pixel-exact at any ratio.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication app(argc, argv);
    install_polish_qt_texts(app);
    // Ties the window to its menu entry, for the icon and the name in task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Ardenika"));
    qInstallMessageHandler(qt_default_handler);
    DesktopWindow window;
    return QApplication::exec();
}
