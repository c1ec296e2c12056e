#pragma once

#include "app/screen.h"
#include "app/tform1.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <map>
#include <memory>
#include <string>

class BoardView;
class PictureCommands;
class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;

// The main window on the desktop: the widgets of the form, each forwarding its events to the
// window logic and showing what it made.
class DesktopWindow : public QMainWindow, public Screen {
  public:
    explicit DesktopWindow(QWidget* parent = nullptr);
    ~DesktopWindow() override;

    TForm1& logic() { return *logic_; }
    const Canvas& board() const { return logic_->board(); }

    // Controls, named as on the form.
    BoardView* Image1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QToolButton* SpeedB1 = nullptr;
    QToolButton* SpeedB2 = nullptr;
    QToolButton* SpeedB3 = nullptr;
    QToolButton* SpeedB4 = nullptr;
    QToolButton* SpeedB5 = nullptr;
    QToolButton* SpeedB6 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QPushButton* RysujB1 = nullptr;
    QPushButton* RysujB2 = nullptr;
    QPushButton* RysujB5 = nullptr;
    QGroupBox* GroupBox6 = nullptr;
    QPushButton* RysujB3 = nullptr;
    QPushButton* RysujB4 = nullptr;
    QPushButton* Button1 = nullptr;

    QMenu* Pole1 = nullptr;
    QAction* Rozklad = nullptr;
    QAction* Linieekwipotencjale1 = nullptr;
    QAction* Vconst1 = nullptr;
    QMenu* Pole = nullptr;
    QAction* Liniesil1 = nullptr;
    QAction* Fr1 = nullptr;
    QAction* Koniec1 = nullptr;
    QMenu* Pomoc1 = nullptr;
    QAction* Opisprogramu1 = nullptr;
    QAction* Oprogramie1 = nullptr;
    // "Kopiuj obraz", "Zapisz obraz…", "Otwórz obraz…" of the board, paste and drop.
    PictureCommands* picture_commands = nullptr;
    // "Cofnij" and "Ponów": in the board's menu, their keys anywhere in the window.
    QAction* undo_action = nullptr;
    QAction* redo_action = nullptr;

    // The eight toggle buttons in the order of Toggle.
    std::array<QAbstractButton*, toggle_count> toggles() const;
    // The control or menu item of this form name, or nullptr.
    QObject* control(std::string_view name) const;

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
    void bind_members();
    void connect_handlers();
    void build_history_actions();
    void apply_glyphs();
    void centre_on_screen();
    // Shows the toggle states, the readout and the board tooltip as the logic now has them.
    void mirror();
    void repaint_progress_when_due();

    std::unique_ptr<TForm1> logic_;
    std::map<std::string, QObject*, std::less<>> controls_;
    QElapsedTimer progress_clock_;
    qint64 progress_painted_at_ = 0;
};
