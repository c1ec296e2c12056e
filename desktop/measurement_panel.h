#pragma once

#include "app/form.h"
#include "app/measurement_table.h"
#include "app/screen.h"
#include "app/window_logic.h"
#include "desktop/form_widgets.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class QAction;
class QTableWidget;

// A tool window's words as its table says them in the language: its title, its buttons' and
// fixed labels' captions, hints and spoken names.
void show_table_words(QWidget& window, std::span<const FormControl> table, Language language);

// A tool window as its table's window entry says: name, title, fixed size, face and font.
void dress_tool_window(QWidget& window, const FormControl& entry);

// Where the panel's frame goes: right of the main window's frame, else left of it, each moved
// up or down to stay on the screen; where neither fits, at the screen's right edge.
QPoint panel_place(const QRect& main_frame, QSize panel_frame, const QRect& screen);

// "Pomiary": the measurement panel, a tool window of its own beside the main one, built from the
// panel's form table. Its controls forward to the window logic; mirror() shows what it made.
class MeasurementPanel final : public QWidget {
  public:
    // changed runs after every call into the logic, to mirror both windows; errors and announce
    // go to the main window's screen.
    MeasurementPanel(WindowLogic& logic, Screen& screen, QWidget* main_window,
                     std::function<void()> changed);

    // The control of this form name, or nullptr when there is none of that type.
    template <class T = QObject> T* control(std::string_view name) const {
        return widgets_.control<T>(name);
    }

    // Opens, closes and fills the panel as the logic has it; the contents only while open.
    void mirror();

    // The recorded table on the clipboard as a spreadsheet pastes it, and saved as CSV.
    void copy_table();
    void save_table();
    // Asks where to save the CSV; the desktop's dialog unless replaced. Nothing when cancelled.
    std::function<std::optional<QString>()> choose_csv_target;
    // "Zapisz pomiar" by its key, in this window and in the main one while the panel is open.
    QAction* record = nullptr;

  protected:
    // The window's own close button closes the panel in the logic too.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void connect_controls();
    void show_table(std::string_view name);
    // Runs a call into the logic, then mirrors both windows.
    template <class Call> void act(Call call) {
        call();
        changed_();
    }

    WindowLogic& logic_;
    Screen& screen_;
    QWidget* main_window_;
    std::function<void()> changed_;
    FormWidgets widgets_;
    // What each table shows now, so an unchanged one is left alone.
    std::map<std::string, TableView, std::less<>> shown_;
};

// The desktop's save dialog for the recorded table, named pomiary.csv in the Documents folder;
// it asks before overwriting.
std::optional<QString> ask_csv_target(QWidget* parent, const Words& words);
