#include "desktop/dialog_parts.h"

#include "desktop/fonts.h"
#include "desktop/qt_text.h"
#include "desktop/rich_edit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace {

QColor colour_of(const Colour& c, int alpha = 255) {
    return QColor(c.red, c.green, c.blue, alpha);
}

} // namespace

QPixmap make_side_strip() {
    const SideStrip& s = side_strip();
    QPixmap strip(s.width, s.height);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient background(0, 0, 0, s.height);
    for (const StripStop& stop : s.gradient) background.setColorAt(stop.at, colour_of(stop.colour));
    painter.fillRect(strip.rect(), background);

    painter.setBrush(Qt::NoBrush);
    for (const StripCurve& c : s.curves) {
        QPainterPath path(QPointF(c.from_x, c.from_y));
        path.cubicTo(QPointF(c.first_x, c.first_y), QPointF(c.second_x, c.second_y),
                     QPointF(c.to_x, c.to_y));
        painter.setPen(QPen(QColor(255, 255, 255, c.alpha), 1.0));
        painter.drawPath(path);
    }
    for (const StripCharge& charge : s.charges) {
        const QPointF centre(charge.x, charge.y);
        painter.setPen(QPen(Qt::white, s.ring_width));
        painter.setBrush(colour_of(charge.positive ? s.positive : s.negative));
        painter.drawEllipse(centre, s.charge_radius, s.charge_radius);
        painter.setPen(QPen(Qt::white, s.sign_width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(centre + QPointF(-s.sign_half, 0), centre + QPointF(s.sign_half, 0));
        if (charge.positive)
            painter.drawLine(centre + QPointF(0, -s.sign_half), centre + QPointF(0, s.sign_half));
    }
    return strip;
}

namespace {

// A fixed-size dialog with only a close button in its title bar, centred on the screen.
void fix_dialog_frame(QDialog* dialog, int width, int height) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFixedSize(width, height);
    dialog->setSizeGripEnabled(false);
    const QScreen* screen =
        dialog->screen() != nullptr ? dialog->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        dialog->move(area.x() + (area.width() - width) / 2,
                     area.y() + (area.height() - height) / 2);
    }
}

} // namespace

BottomLineBevel::BottomLineBevel(QWidget* parent) : QWidget(parent) {}

void BottomLineBevel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, h - 2, w - 1, h - 2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(0, h - 1, w - 1, h - 1);
}

namespace {

void paint_text(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// Enter belongs to a text box while it has the focus; it must not press the dialog's default
// button from there.
class EnterKeeper final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QColor qt_colour(const Colour& c) {
    return QColor(c.red, c.green, c.blue);
}

QWidget* make_control(QDialog* dialog, const Control& c) {
    switch (c.kind) {
    case ControlKind::picture: {
        auto* strip = new QLabel(dialog);
        strip->setPixmap(make_side_strip());
        return strip;
    }
    case ControlKind::label: {
        auto* label = new QLabel(qt_text(c.text), dialog);
        // Plain text on purpose: an address is shown, not followed.
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        return label;
    }
    case ControlKind::bevel:
        return new BottomLineBevel(dialog);
    case ControlKind::rich_text: {
        auto* view = new RichEdit(dialog);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->installEventFilter(new EnterKeeper(view));
        return view;
    }
    case ControlKind::memo: {
        auto* memo = new QPlainTextEdit(dialog);
        memo->setReadOnly(true);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setPlainText(qt_text(c.text));
        QPalette palette = memo->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        memo->setPalette(palette);
        memo->installEventFilter(new EnterKeeper(memo));
        return memo;
    }
    case ControlKind::button: {
        auto* button = new QPushButton(qt_text(c.text), dialog);
        button->setDefault(true);
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
        return button;
    }
    }
    return nullptr;
}

} // namespace

void build_dialog(QDialog* dialog, const DialogContent& content) {
    dialog->setWindowTitle(qt_text(content.caption));
    dialog->setFont(pixel_font(content.font));
    QWidget* previous = nullptr;
    for (const Control& c : content.controls) {
        QWidget* widget = make_control(dialog, c);
        widget->setObjectName(qt_text(c.name));
        if (c.font) widget->setFont(pixel_font(*c.font));
        if (c.colour) paint_text(widget, qt_colour(*c.colour));
        if (!c.hint.empty()) widget->setToolTip(qt_text(c.hint));
        const int width = c.grows ? std::max(c.width, widget->sizeHint().width()) : c.width;
        widget->setGeometry(c.left, c.top, width, c.height);
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        else
            widget->setFocus();
        previous = widget;
    }
    fix_dialog_frame(dialog, content.width, content.height);
}
