#include "desktop/board_view.h"

#include "desktop/board_picture.h"

#include <QAccessibleWidget>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Screen readers meet the board as a picture the user works on, not as a bare pane.
QAccessibleInterface* board_accessible(const QString&, QObject* object) {
    auto* view = dynamic_cast<BoardView*>(object);
    return view == nullptr ? nullptr : new QAccessibleWidget(view, QAccessible::Canvas);
}

} // namespace

BoardView::BoardView(std::function<const Canvas&()> shown, QWidget* parent)
    : QWidget(parent), shown_(std::move(shown)) {
    static const bool factory_installed = [] {
        QAccessible::installFactory(board_accessible);
        return true;
    }();
    (void)factory_installed;
    setFixedSize(board_size, board_size);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

void BoardView::show_cursor(QPoint pixel) {
    if (pixel == cursor_) return;
    cursor_ = pixel;
    if (hasFocus()) update();
}

void BoardView::paintEvent(QPaintEvent*) {
    painting_ = true;
    if (on_frame) on_frame();
    painting_ = false;
    QPainter painter(this);
    paint_board(painter);
    if (hasFocus()) paint_cursor(painter);
}

void BoardView::paint_board(QPainter& painter) {
    const Canvas& board = shown_();
    const QImage image = board_image(board);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QTransform to_device = painter.deviceTransform();
    const qreal ratio = to_device.m11();
    if (to_device.type() > QTransform::TxScale || ratio != to_device.m22() || ratio == 1.0) {
        painter.drawImage(QRect(0, 0, board.width(), board.height()), image);
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
    const int left = spans(origin.x(), board.width(), columns);
    const int top = spans(origin.y(), board.height(), rows);
    QImage scaled(static_cast<int>(columns.size()), static_cast<int>(rows.size()),
                  QImage::Format_RGB32);
    for (int y = 0; y < scaled.height(); ++y) {
        const Rgb* in = board.data() + rows[y] * board.width();
        auto* out = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < scaled.width(); ++x) out[x] = in[columns[x]];
    }
    scaled.setDevicePixelRatio(ratio);
    // Placed on whole device pixels, it is copied one to one.
    painter.drawImage(QPointF((left - origin.x()) / ratio, (top - origin.y()) / ratio), scaled);
}

void BoardView::paint_cursor(QPainter& painter) {
    // Black under white: one of the two stands out on any colour of the map.
    const QPointF centre = QPointF(cursor_) + QPointF(0.5, 0.5);
    const QRectF box(centre - QPointF(3.5, 3.5), QSizeF(7, 7));
    const QLineF arms[] = {{centre.x() - 9, centre.y(), box.left(), centre.y()},
                           {box.right(), centre.y(), centre.x() + 9, centre.y()},
                           {centre.x(), centre.y() - 9, centre.x(), box.top()},
                           {centre.x(), box.bottom(), centre.x(), centre.y() + 9}};
    for (const auto& [colour, width] : {std::pair{Qt::black, 3.0}, std::pair{Qt::white, 1.0}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
        painter.drawLines(arms, 4);
    }
    // The focus ring along the board's rim, in the style's highlight.
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2.0));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    BoardKey key = BoardKey::activate;
    switch (event->key()) {
    case Qt::Key_Left:
        key = BoardKey::left;
        break;
    case Qt::Key_Right:
        key = BoardKey::right;
        break;
    case Qt::Key_Up:
        key = BoardKey::up;
        break;
    case Qt::Key_Down:
        key = BoardKey::down;
        break;
    case Qt::Key_Home:
        key = BoardKey::home;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        break;
    case Qt::Key_Escape:
        key = BoardKey::escape;
        break;
    case Qt::Key_V:
        // V alone; with Ctrl it is the window's paste.
        if (event->modifiers() != Qt::NoModifier) {
            QWidget::keyPressEvent(event);
            return;
        }
        key = BoardKey::say_values;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (on_key) on_key(key, shift, event->isAutoRepeat());
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void BoardView::report(PointerPhase phase, const QMouseEvent& event) {
    if (!on_pointer) return;
    PointerEvent e;
    e.x = event.position().x();
    e.y = event.position().y();
    e.button = event.button() == Qt::LeftButton    ? PointerButton::primary
               : event.button() == Qt::RightButton ? PointerButton::secondary
                                                   : PointerButton::middle;
    switch (event.pointerType()) {
    case QPointingDevice::PointerType::Finger:
        e.kind = PointerKind::touch;
        break;
    case QPointingDevice::PointerType::Pen:
    case QPointingDevice::PointerType::Eraser:
        e.kind = PointerKind::pen;
        break;
    default:
        e.kind = PointerKind::mouse;
    }
    e.time_ms = static_cast<double>(event.timestamp());
    on_pointer(phase, e);
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    report(PointerPhase::moved, *event);
}

// A second press in quick succession arrives as a double click; the window logic tells the
// pairs apart itself, so it is a press like any other.
void BoardView::mousePressEvent(QMouseEvent* event) {
    report(PointerPhase::pressed, *event);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    report(PointerPhase::released, *event);
}
