#include "desktop/board_view.h"

#include "desktop/board_picture.h"
#include "model/charges.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

BoardView::BoardView(const Canvas& board, QWidget* parent) : QWidget(parent), board_(board) {
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
    const QImage image = board_image(board_);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QTransform to_device = painter.deviceTransform();
    const qreal ratio = to_device.m11();
    if (to_device.type() > QTransform::TxScale || ratio != to_device.m22() || ratio == 1.0) {
        painter.drawImage(QRect(0, 0, board_.width(), board_.height()), image);
        return;
    }
    // On a scaled screen each device pixel shows the board pixel that a pointer on it reports,
    // floor(device / ratio - origin), so a click lands on the pixel seen under it; Qt's own
    // scaling rounds differently at fractional ratios.
    const QPointF origin = to_device.map(QPointF(0, 0));
    auto spans = [ratio](double from, int pixels, std::vector<int>& board_index) {
        const int first = static_cast<int>(std::ceil(from - 0.5));
        const int end = static_cast<int>(std::ceil(from + pixels * ratio - 0.5));
        board_index.clear();
        for (int d = first; d < end; ++d)
            board_index.push_back(
                std::clamp(static_cast<int>(std::floor(d / ratio - from / ratio)), 0, pixels - 1));
        return first;
    };
    std::vector<int> columns, rows;
    const int left = spans(origin.x(), board_.width(), columns);
    const int top = spans(origin.y(), board_.height(), rows);
    QImage scaled(static_cast<int>(columns.size()), static_cast<int>(rows.size()),
                  QImage::Format_RGB32);
    for (int y = 0; y < scaled.height(); ++y) {
        const Rgb* in = board_.data() + rows[y] * board_.width();
        auto* out = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < scaled.width(); ++x) out[x] = in[columns[x]];
    }
    scaled.setDevicePixelRatio(ratio);
    // Placed on whole device pixels, it is copied one to one.
    painter.drawImage(QPointF((left - origin.x()) / ratio, (top - origin.y()) / ratio), scaled);
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
    // Only the left button works the board, even when another is pressed during its click; the
    // right one opens the context menu.
    if (event->button() != Qt::LeftButton) return;
    // A click lands where it was pressed, even when no move preceded it (touch, tablets).
    report_move(event->position());
    pressed_ = true;
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool was_pressed = pressed_;
    pressed_ = false;
    // Over the board by the same pixels as the moves: position 400.7 is on pixel 400, not off it.
    const QPointF at = event->position();
    const bool over = at.x() >= 0.0 && at.x() < width() && at.y() >= 0.0 && at.y() < height();
    if (was_pressed && over && on_click) on_click();
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // The first press and release of a double click were one click already; the second press
    // arrives as this event, and its release must not make a second one.
    report_move(event->position());
    pressed_ = false;
}
