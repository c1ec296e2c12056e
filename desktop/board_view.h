#pragma once

#include "app/tform1.h"
#include "render/canvas.h"

#include <QWidget>
#include <functional>

// Image1: shows the board canvas pixel for pixel and reports the pointer in board pixels. Reached
// with Tab (a click leaves the focus where it was), it passes the cursor keys on and, while it
// has the focus, shows the keyboard cursor and a focus ring over the picture, never in it.
class BoardView : public QWidget {
  public:
    BoardView(const Canvas& board, QWidget* parent);

    // Pixel column and row under the pointer; beyond the edges while a button is held the
    // values are clamped to 0..400 so no reader ever leaves the board.
    std::function<void(int column, int row)> on_move;
    // A left-button press and release over the board.
    std::function<void()> on_click;
    // A cursor key, Enter or Space while the board has the focus.
    std::function<void(BoardKey key, bool shift)> on_key;

    // Where the keyboard cursor is drawn, in board pixels.
    void show_cursor(QPoint pixel);

    // The board pixel under a position in widget coordinates, clamped to the board.
    static QPoint board_pixel(QPointF position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void report_move(QPointF position);
    void paint_board(QPainter& painter);
    void paint_cursor(QPainter& painter);

    const Canvas& board_;
    bool pressed_ = false;
    QPoint cursor_{board_size / 2, board_size / 2};
};
