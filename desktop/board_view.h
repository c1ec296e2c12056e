#pragma once

#include "app/window_logic.h"

#include <QWidget>
#include <functional>

// board: shows the board canvas pixel for pixel and reports the pointer in board pixels. Reached
// with Tab (a click leaves the focus where it was), it passes the cursor keys on and, while it
// has the focus, shows the keyboard cursor and a focus ring over the picture, never in it.
class BoardView : public QWidget {
  public:
    // shown gives the canvas to paint, asked anew at every paint: the board with whatever is
    // drawn over it then.
    BoardView(std::function<const Canvas&()> shown, QWidget* parent);

    // Raw pointer input in board pixels, as the window logic takes it.
    enum class PointerPhase { pressed, moved, released };
    std::function<void(PointerPhase phase, const PointerEvent& e)> on_pointer;
    // A cursor key, Enter, Space, Escape or V while the board has the focus; repeat for a held
    // key.
    std::function<void(BoardKey key, bool shift, bool repeat)> on_key;
    // Just before each paint: the logic redraws a moved charge's board once per shown frame.
    std::function<void()> on_frame;

    // Where the keyboard cursor is drawn, in board pixels.
    void show_cursor(QPoint pixel);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void report(PointerPhase phase, const QMouseEvent& event);
    void paint_board(QPainter& painter);
    void paint_cursor(QPainter& painter);

    bool painting_ = false;

  public:
    // Whether the board is being painted now: a change then is already on its way to the screen.
    bool painting() const { return painting_; }

    std::function<const Canvas&()> shown_;
    QPoint cursor_{board_size / 2, board_size / 2};
};
