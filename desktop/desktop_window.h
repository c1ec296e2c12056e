#pragma once

#include "model/ports.h"
#include "render/canvas.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>

class BoardView;
class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;

// The main window: the panel on the left, the board on the right, and every handler.
class TForm1 : public QMainWindow, public WindowPort {
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The board's pixels; Image1 shows them.
    Canvas& board() { return board_; }

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

    // Handlers; a toggle button's click has already flipped it when its handler runs.
    void FormCreate();
    void Image1MouseMove(int X, int Y);
    void Image1Click();
    void SpeedB1Click();
    void SpeedB2Click();
    void SpeedB3Click();
    void SpeedB4Click();
    void SpeedB5Click();
    void SpeedB6Click();
    void Button1Click();
    void Koniec1Click();
    void RysujB1Click();
    void rozkladpotencjaluClick();
    void RysujB2Click();
    void Linieekwipotencjalne1Click();
    void RysujB5Click();
    void Vconst1Click();
    void RysujB3Click();
    void Liniesil1Click();
    void RysujB4Click();
    void Fr1Click();
    void Opisprogramu1Click();
    void Oprogramie1Click();

    // The toggle vocabulary: raise sets a button up, press sets it down (one of the six
    // pressed raises the other five); neither runs a handler.
    void raise(QAbstractButton* button);
    void press(QAbstractButton* button);
    void raise_six();
    void raise_all_eight();
    bool down(const QAbstractButton* button) const;
    // The group of six in the order they are raised.
    std::array<QToolButton*, 6> six() const;

    // The error box and the progress bar for the computations.
    void show_error(std::string_view text) override;
    void progress_set_position(int position) override;
    void progress_set_max(int max) override;
    void progress_step() override;

  private:
    void build_layout();
    void build_menu();
    void connect_handlers();
    void apply_glyphs();
    void draw_charges();
    void colour_map_command();
    void equipotential_family_command();
    void equipotential_command();
    void field_line_family_command();
    void field_line_command();
    void repaint_progress_when_due();

    Canvas board_;
    QElapsedTimer progress_clock_;
    qint64 progress_painted_at_ = 0;
};
