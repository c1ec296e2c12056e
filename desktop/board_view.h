#pragma once

#include "render/canvas.h"

#include <QWidget>
#include <functional>

// Image1: shows the board canvas pixel for pixel and reports the pointer in board pixels.
class BoardView : public QWidget {
  public:
    BoardView(const Canvas& board, QWidget* parent);

    // Pixel column and row under the pointer; beyond the edges while a button is held the
    // values are clamped to 0..400 so no reader ever leaves the board.
    std::function<void(int column, int row)> on_move;
    // A left-button press and release over the board.
    std::function<void()> on_click;

    // The board pixel under a position in widget coordinates, clamped to the board.
    static QPoint board_pixel(QPointF position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void report_move(QPointF position);

    const Canvas& board_;
    bool pressed_ = false;
};
