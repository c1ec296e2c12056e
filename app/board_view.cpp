#include "app/board_view.h"

#include "model/charges.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

BoardView::BoardView(Canvas& board, QWidget* parent) : QWidget(parent), board_(board) {
    setFixedSize(board_size, board_size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint BoardView::board_pixel(QPointF position) {
    auto clamp = [](double v) {
        if (!(v >= 0.0)) return 0; // also NaN
        return static_cast<int>(std::min(std::floor(v), double(board_size - 1)));
    };
    return {clamp(position.x()), clamp(position.y())};
}

void BoardView::paintEvent(QPaintEvent*) {
    // Nearest-neighbour copy: on a scaled screen every board pixel stays a crisp block.
    const QImage image(reinterpret_cast<const uchar*>(board_.data()), board_.width(),
                       board_.height(), board_.width() * static_cast<int>(sizeof(Rgb)),
                       QImage::Format_RGB32);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(0, 0, board_.width(), board_.height()), image);
}

void BoardView::report_move(QPointF position) {
    if (on_move) {
        const QPoint p = board_pixel(position);
        on_move(p.x(), p.y());
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    report_move(event->position());
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    // A click lands where it was pressed, even when no move preceded it (touch, tablets).
    report_move(event->position());
    pressed_ = event->button() == Qt::LeftButton;
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    const bool was_pressed = pressed_;
    pressed_ = false;
    // Over the board by the same pixels as the moves: position 400.7 is on pixel 400, not off it.
    const QPointF at = event->position();
    const bool over = at.x() >= 0.0 && at.x() < width() && at.y() >= 0.0 && at.y() < height();
    if (was_pressed && event->button() == Qt::LeftButton && over && on_click) on_click();
}
