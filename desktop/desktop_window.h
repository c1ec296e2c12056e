#pragma once

#include "app/screen.h"
#include "app/window_logic.h"
#include "desktop/form_widgets.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class BoardView;
class MeasurementPanel;
class PlotWindow;
class PictureCommands;
class QAbstractButton;
class QAction;
class QLabel;
class QProgressBar;

// The main window on the desktop: the widgets of the form, each forwarding its events to the
// window logic and showing what it made.
class DesktopWindow : public QMainWindow, public Screen {
  public:
    explicit DesktopWindow(QWidget* parent = nullptr);
    ~DesktopWindow() override;

    WindowLogic& logic() { return *logic_; }
    // The board as the window shows it, measuring points included.
    const Canvas& board() const { return logic_->shown_board(); }

    // The control or menu item of this form name, or nullptr when there is none of that type.
    template <class T = QObject> T* control(std::string_view name) const {
        return widgets_.control<T>(name);
    }
    // "Kopiuj obraz", "Zapisz obraz…", "Otwórz obraz…" of the board, paste and drop.
    PictureCommands& picture_commands() const { return *picture_commands_; }
    // "Pomiary", a window of its own, shown while the logic has it open.
    MeasurementPanel& panel() const { return *panel_; }
    // "Wykres wzdłuż odcinka", a window of its own beside the panel, shown while the logic has
    // the plot open.
    PlotWindow& plot_window() const { return *plot_window_; }
    // "Cofnij" and "Ponów": in the board's menu, their keys anywhere in the window.
    QAction* undo_action() const { return undo_action_; }
    QAction* redo_action() const { return redo_action_; }

    // The eight toggle buttons in the order of Toggle.
    std::array<QAbstractButton*, toggle_count> toggles() const;

    // Screen: the error box, the progress bar, the board, the dialogs and the end.
    void show_error(std::string_view text) override;
    void progress_set_position(int position) override;
    void progress_set_max(int max) override;
    void progress_step() override;
    void board_changed() override;
    void open_description() override;
    void open_about() override;
    void end_program() override;
    void announce(std::string_view phrase) override;
    // Every caption, hint and name in the language now chosen, which is remembered.
    void language_changed() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A dropped file, picture or text opens as a paste of it would.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // A press anywhere off the board ends a double click's pair.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build_layout();
    void build_menu();
    void connect_handlers();
    void build_history_actions();
    void apply_glyphs();
    void centre_on_screen();
    void show_words();
    // Shows the toggle states, the readout, the board tooltip and the panel as the logic now has
    // them.
    void mirror();
    void repaint_progress_when_due();

    std::unique_ptr<WindowLogic> logic_;
    // Every control and menu item by its form name.
    FormWidgets widgets_;
    // Those the window itself reaches at every change, found by their kind as the form is built.
    BoardView* board_view_ = nullptr;
    QProgressBar* progress_bar_ = nullptr;
    std::vector<QLabel*> readout_;
    PictureCommands* picture_commands_ = nullptr;
    MeasurementPanel* panel_ = nullptr;
    PlotWindow* plot_window_ = nullptr;
    QAction* undo_action_ = nullptr;
    QAction* redo_action_ = nullptr;
    QElapsedTimer progress_clock_;
    qint64 progress_painted_at_ = 0;
};
