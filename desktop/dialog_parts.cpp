#include "desktop/dialog_parts.h"

#include "dialogs/help_texts.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

QString qt_text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList sans_families() {
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
            QStringLiteral("DejaVu Sans")};
}

QStringList serif_families() {
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
            QStringLiteral("DejaVu Serif")};
}

QStringList heavy_families() {
    return {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"),
            QStringLiteral("DejaVu Sans")};
}

QStringList dialog_families() {
    return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
}

QFont pixel_font(const QStringList& families, int pixels, int weight) {
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

namespace {

const QColor positive_red(224, 28, 0);
const QColor negative_blue(0, 28, 164);

// A charge disc with its sign, in the board's marker colours.
void draw_charge(QPainter& painter, QPointF centre, bool positive) {
    const double radius = 10.0;
    const QColor colour = positive ? positive_red : negative_blue;
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(centre + QPointF(-5, 0), centre + QPointF(5, 0));
    if (positive) painter.drawLine(centre + QPointF(0, -5), centre + QPointF(0, 5));
}

} // namespace

QPixmap make_side_strip() {
    const int width = 57;
    const int height = 329;
    QPixmap strip(width, height);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);

    // From the positive charge's red at the top to the negative charge's blue at the bottom.
    QLinearGradient background(0, 0, 0, height);
    background.setColorAt(0.0, positive_red);
    background.setColorAt(0.5, QColor(112, 28, 82));
    background.setColorAt(1.0, negative_blue);
    painter.fillRect(strip.rect(), background);

    // Field lines of a dipole: they leave the upper charge and bend round into the lower one.
    const QPointF top(width / 2.0, 62.0);
    const QPointF bottom(width / 2.0, 267.0);
    painter.setBrush(Qt::NoBrush);
    for (int line = -3; line <= 3; ++line) {
        const double bulge = line * 15.0;
        QPainterPath path(top);
        path.cubicTo(top + QPointF(bulge, 60.0), bottom + QPointF(bulge, -60.0), bottom);
        const int alpha = 150 - 25 * std::abs(line);
        painter.setPen(QPen(QColor(255, 255, 255, alpha), 1.0));
        painter.drawPath(path);
    }
    // Lines that leave the strip upwards and come back in from below.
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    painter.drawLine(top, QPointF(top.x(), 0.0));
    painter.drawLine(bottom, QPointF(bottom.x(), height));

    draw_charge(painter, top, true);
    draw_charge(painter, bottom, false);
    return strip;
}

QLabel* make_family_title(QWidget* parent, int left, int top) {
    auto* title = new QLabel(QStringLiteral("Ostrada"), parent);
    // Arial Black has a single heavy face; asking for bold picks it, or the bold face of a
    // fallback family when it is missing.
    title->setFont(pixel_font(heavy_families(), 26, QFont::Bold));
    title->setGeometry(left, top, std::max(90, title->sizeHint().width()), 37);
    return title;
}

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

} // namespace

DialogHeading make_heading(QWidget* dialog, const HeadingPlaces& at, const HeadingNames& names) {
    DialogHeading h{};
    h.strip = new QLabel(dialog);
    h.strip->setGeometry(0, 0, 57, 329);
    h.strip->setPixmap(make_side_strip());

    h.title = make_family_title(dialog, at.title.x(), at.title.y());

    h.subtitle = new QLabel(qt_text(ostrada_subtitle()), dialog);
    h.subtitle->setGeometry(QRect(at.subtitle, QSize(177, 13)));

    h.bevel = new BottomLineBevel(dialog);
    h.bevel->setGeometry(QRect(at.bevel, QSize(321, 7)));

    h.name = new QLabel(QStringLiteral("Ardenika"), dialog);
    h.name->setGeometry(QRect(at.name, QSize(140, 28)));
    h.name->setFont(pixel_font(sans_families(), 20, QFont::Bold));
    paint_text(h.name, QColor(0, 0, 255));

    h.freeware = new QLabel(QStringLiteral("Freeware"), dialog);
    h.freeware->setGeometry(QRect(at.freeware, QSize(52, 18)));
    h.freeware->setFont(pixel_font(sans_families(), 11));
    paint_text(h.freeware, QColor(255, 0, 0));

    h.strip->setObjectName(QString::fromLatin1(names.strip));
    h.title->setObjectName(QString::fromLatin1(names.title));
    h.subtitle->setObjectName(QString::fromLatin1(names.subtitle));
    h.bevel->setObjectName(QString::fromLatin1(names.bevel));
    h.name->setObjectName(QString::fromLatin1(names.name));
    h.freeware->setObjectName(QString::fromLatin1(names.freeware));
    return h;
}

QPushButton* make_ok_button(QDialog* dialog, const QRect& place) {
    auto* ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(place);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}
