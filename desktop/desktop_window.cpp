#include "desktop/desktop_window.h"

#include "app/accessible_names.h"
#include "desktop/board_picture.h"
#include "desktop/board_view.h"
#include "desktop/fonts.h"
#include "desktop/glyph_icon.h"
#include "desktop/help_dialogs.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

constexpr int client_width = 632;
constexpr int client_height = 434;

QImage glyph_image(const Canvas& glyph) {
    QImage image(glyph.width(), glyph.height(), QImage::Format_ARGB32);
    // The bottom-left pixel's colour is see-through, so the glyph sits on the button's face.
    const Rgb key = glyph.pixel(0, glyph.height() - 1);
    for (int y = 0; y < glyph.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x) {
            const Rgb c = glyph.pixel(x, y);
            line[x] = c == key ? 0u : c;
        }
    }
    return image;
}

// A group box whose caption is set into the top edge of its frame, as the panel is laid out for.
class PanelGroup final : public QGroupBox {
  public:
    PanelGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int middle = fontMetrics().height() / 2;
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(0, middle, width() - 1, height() - middle - 1);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(1, middle + 1, width() - 3, height() - middle - 3);
        const QString text = title();
        const QRect caption(8, 0, fontMetrics().horizontalAdvance(text) + 2,
                            fontMetrics().height());
        p.fillRect(caption, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(caption, Qt::AlignCenter, text);
    }
};

} // namespace

DesktopWindow::DesktopWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Ardenika"));
    // Fixed size: it can be minimised but neither resized nor maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(pixel_font(FontRole::dialog, 11));
    logic_ = std::make_unique<TForm1>(*this);
    build_layout();
    build_menu();
    connect_handlers();
    picture_commands = new PictureCommands(*logic_, Image1, *this);
    // The menu bar's height is known only now: the whole window takes one size, and a window
    // manager lets nobody drag it larger.
    setFixedSize(sizeHint());
    centre_on_screen();
    show();
    // Shown, the window knows its frame, which may move the centre by a pixel or two.
    centre_on_screen();
    button_face = palette().color(QPalette::Button).rgb();
    apply_glyphs();
    mirror();
    Image1->update();
}

DesktopWindow::~DesktopWindow() = default;

void DesktopWindow::build_layout() {
    auto* client = new QWidget(this);
    client->setFixedSize(client_width, client_height);
    QPalette face = client->palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    client->setPalette(face);
    client->setAutoFillBackground(true);
    setCentralWidget(client);

    const QFont arial = pixel_font(FontRole::sans, 11);
    auto group = [&](const QString& title, int x, int y, int w, int h) {
        auto* box = new PanelGroup(title, client);
        box->setGeometry(x, y, w, h);
        box->setFont(arial);
        box->setAccessibleName(title.trimmed());
        return box;
    };
    auto label = [](QGroupBox* parent, const QString& text, int x, int y) {
        auto* l = new QLabel(text, parent);
        l->move(x, y);
        l->setMinimumWidth(145);
        l->adjustSize();
        return l;
    };
    auto tool = [](QGroupBox* parent, int x, int y, int w, int h, const QString& hint) {
        auto* b = new QToolButton(parent);
        b->setGeometry(x, y, w, h);
        b->setCheckable(true);
        b->setAutoRaise(false);
        b->setToolTip(hint);
        b->setIconSize(QSize(w - 4, h - 4));
        return b;
    };
    auto button = [](QWidget* parent, const QString& caption, int x, int y, int w, int h,
                     const QString& hint) {
        auto* b = new QPushButton(caption, parent);
        b->setGeometry(x, y, w, h);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        return b;
    };

    Image1 = new BoardView(logic_->board(), client);
    Image1->move(204, 0);

    GroupBox1 = group(QStringLiteral(" Parametry "), 8, 8, 161, 98);
    Label1 = label(GroupBox1, QStringLiteral("X = 0"), 8, 16);
    Label2 = label(GroupBox1, QStringLiteral("Y = 0"), 8, 28);
    Label3 = label(GroupBox1, QStringLiteral("V[0,0]  = 0"), 8, 45);
    Label4 = label(GroupBox1, QStringLiteral("Ex[0,0] = 0"), 8, 64);
    Label5 = label(GroupBox1, QStringLiteral("Ey[0,0] = 0"), 8, 78);

    GroupBox2 = group(QStringLiteral(" Zaawansowanie obliczeń "), 8, 120, 161, 40);
    ProgressBar1 = new QProgressBar(GroupBox2);
    ProgressBar1->setGeometry(8, 16, 145, 18);
    ProgressBar1->setRange(0, 10000);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    // The bar has no caption of its own; a screen reader names it after its group.
    ProgressBar1->setAccessibleName(GroupBox2->accessibleName());

    GroupBox3 = group(QStringLiteral("Ładunki - Dodaj/Usuń"), 8, 168, 161, 113);
    SpeedB1 = tool(GroupBox3, 8, 18, 27, 27, QStringLiteral("Dodaj "));
    SpeedB2 = tool(GroupBox3, 8, 48, 27, 27, QStringLiteral("Dodaj "));
    SpeedB4 = tool(GroupBox3, 41, 19, 52, 52, QStringLiteral("Umieść kwadrupol"));
    SpeedB5 = tool(GroupBox3, 41, 78, 52, 27, QStringLiteral("Umieść dipol"));
    SpeedB3 = tool(GroupBox3, 100, 19, 52, 52, QStringLiteral("Umieść"));
    SpeedB6 = tool(GroupBox3, 112, 80, 27, 27, QStringLiteral("Usuń ładunek"));

    GroupBox4 = group(QStringLiteral("Rozkład potencjału"), 8, 288, 161, 57);
    RysujB1 = button(GroupBox4, QStringLiteral("V(r)"), 8, 20, 46, 25,
                     QStringLiteral("Rozklad potencjalu"));
    RysujB2 = button(GroupBox4, QStringLiteral("Auto"), 58, 20, 46, 25,
                     QStringLiteral("L. ekwipotencjalne - AUTO"));
    RysujB5 = button(GroupBox4, QStringLiteral("V=const"), 108, 20, 46, 25,
                     QStringLiteral("Linie ekwipotencjalne"));
    RysujB5->setCheckable(true);

    GroupBox6 = group(QStringLiteral("Linie sił pola"), 8, 352, 105, 49);
    RysujB3 = button(GroupBox6, QStringLiteral("Auto"), 10, 16, 37, 25,
                     QStringLiteral("Linie sił - AUTO"));
    RysujB4 =
        button(GroupBox6, QStringLiteral("F(r)"), 56, 16, 37, 25, QStringLiteral("Linie sił"));
    RysujB4->setCheckable(true);

    Button1 = button(client, QStringLiteral("Czyść"), 127, 368, 50, 33, QString());
    Button1->setFont(arial);

    // Named for screen readers and walked with Tab down the panel, then the board on its right:
    // from the first tool it is one Shift+Tab away, from F(r) two Tabs.
    QWidget* const named[] = {SpeedB1, SpeedB2, SpeedB4, SpeedB5, SpeedB3, SpeedB6, RysujB1,
                              RysujB2, RysujB5, RysujB3, RysujB4, Button1, Image1};
    static_assert(std::size(named) == std::size(accessible_names));
    for (std::size_t i = 0; i < std::size(named); ++i) {
        const std::string_view name = accessible_names[i].name;
        named[i]->setAccessibleName(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        if (i > 0) setTabOrder(named[i - 1], named[i]);
    }
    // The window opens with the focus on the first tool, not on the board, which would show
    // its cursor to someone who came with the mouse.
    SpeedB1->setFocus();
}

void DesktopWindow::build_menu() {
    QMenuBar* MainMenu1 = menuBar();
    Pole1 = MainMenu1->addMenu(QStringLiteral("Potencjal"));
    Rozklad = Pole1->addAction(QStringLiteral("Rozklad V(r)"));
    Linieekwipotencjale1 = Pole1->addAction(QStringLiteral("Auto"));
    Vconst1 = Pole1->addAction(QStringLiteral("V=const"));
    Pole = MainMenu1->addMenu(QStringLiteral("Pole"));
    Liniesil1 = Pole->addAction(QStringLiteral("Auto"));
    Fr1 = Pole->addAction(QStringLiteral("F(r)"));
    Koniec1 = MainMenu1->addAction(QStringLiteral("&Koniec"));
    Pomoc1 = MainMenu1->addMenu(QStringLiteral("Pomoc"));
    Opisprogramu1 = Pomoc1->addAction(QStringLiteral("Opis programu"));
    Oprogramie1 = Pomoc1->addAction(QStringLiteral("O programie"));
}

void DesktopWindow::centre_on_screen() {
    if (QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

std::array<QAbstractButton*, toggle_count> DesktopWindow::toggles() const {
    return {SpeedB1, SpeedB2, SpeedB3, SpeedB4, SpeedB5, SpeedB6, RysujB4, RysujB5};
}

void DesktopWindow::connect_handlers() {
    // Every control goes to the logic by its form name; the window then shows what the logic
    // made of it.
    auto forward = [this](const char* name) {
        return [this, name] {
            logic_->click(name);
            mirror();
        };
    };
    const std::pair<QAbstractButton*, const char*> buttons[] = {
        {SpeedB1, "SpeedB1"}, {SpeedB2, "SpeedB2"}, {SpeedB3, "SpeedB3"}, {SpeedB4, "SpeedB4"},
        {SpeedB5, "SpeedB5"}, {SpeedB6, "SpeedB6"}, {RysujB1, "RysujB1"}, {RysujB2, "RysujB2"},
        {RysujB3, "RysujB3"}, {RysujB4, "RysujB4"}, {RysujB5, "RysujB5"}, {Button1, "Button1"}};
    for (const auto& [button, name] : buttons) {
        button->setObjectName(QLatin1String(name));
        connect(button, &QAbstractButton::clicked, this, forward(name));
    }
    const std::pair<QAction*, const char*> items[] = {
        {Rozklad, "Rozklad"},
        {Linieekwipotencjale1, "Linieekwipotencjale1"},
        {Vconst1, "Vconst1"},
        {Liniesil1, "Liniesil1"},
        {Fr1, "Fr1"},
        {Koniec1, "Koniec1"},
        {Opisprogramu1, "Opisprogramu1"},
        {Oprogramie1, "Oprogramie1"}};
    for (const auto& [item, name] : items) {
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, forward(name));
    }
    Image1->on_move = [this](int column, int row) {
        logic_->Image1MouseMove(column, row);
        mirror();
    };
    Image1->on_click = [this] {
        logic_->Image1Click();
        mirror();
    };
    Image1->on_key = [this](BoardKey key, bool shift) {
        logic_->board_key(key, shift);
        mirror();
    };
}

void DesktopWindow::mirror() {
    const auto buttons = toggles();
    for (int i = 0; i < toggle_count; ++i)
        buttons[static_cast<std::size_t>(i)]->setChecked(logic_->down(static_cast<Toggle>(i)));
    const auto& texts = logic_->labels();
    QLabel* const labels[] = {Label1, Label2, Label3, Label4, Label5};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString text = QString::fromStdString(texts[i]);
        if (labels[i]->text() == text) continue;
        labels[i]->setText(text);
        labels[i]->adjustSize();
    }
    Image1->setToolTip(logic_->board_tooltip() ? QStringLiteral("Kliknij") : QString());
    Image1->show_cursor(QPoint(logic_->cursor()[0], logic_->cursor()[1]));
}

void DesktopWindow::keyPressEvent(QKeyEvent* event) {
    // Buttons answer Space themselves; Enter, which they pass up, presses the focused one too.
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && button != nullptr &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !event->isAutoRepeat()) {
        button->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void DesktopWindow::apply_glyphs() {
    const auto buttons = toggles();
    build_glyphs([&buttons](GlyphButton which, const Canvas& glyph) {
        QAbstractButton* button = buttons[static_cast<std::size_t>(glyph_button(which))];
        button->setIcon(crisp_glyph_icon(glyph_image(glyph)));
        button->setIconSize(QSize(glyph.width(), glyph.height()));
    });
}

void DesktopWindow::board_changed() {
    if (Image1) Image1->update();
}

void DesktopWindow::open_description() {
    show_description(this);
}

void DesktopWindow::open_about() {
    show_about(this);
}

void DesktopWindow::announce(std::string_view phrase) {
    // The board describes what it shows, and tells screen readers that the description changed.
    Image1->setAccessibleDescription(
        QString::fromUtf8(phrase.data(), static_cast<qsizetype>(phrase.size())));
    QAccessibleEvent changed(Image1, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

void DesktopWindow::end_program() {
    QCoreApplication::exit(0);
}

void DesktopWindow::show_error(std::string_view text) {
    QMessageBox box(QMessageBox::Critical, windowTitle(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, this);
    box.exec();
}

void DesktopWindow::progress_set_position(int position) {
    // A position is set at the start and at the end of a pass: the bar paints normally again.
    ProgressBar1->setUpdatesEnabled(true);
    ProgressBar1->setValue(position);
}

void DesktopWindow::progress_set_max(int max) {
    ProgressBar1->setMaximum(max);
    // During the pass the bar would repaint itself on every visible change; it is painted from
    // repaint_progress_when_due instead.
    ProgressBar1->setUpdatesEnabled(false);
    progress_clock_.start();
    progress_painted_at_ = 0;
}

void DesktopWindow::progress_step() {
    ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
    repaint_progress_when_due();
}

void DesktopWindow::repaint_progress_when_due() {
    // The computation holds the event loop, so the bar is painted here directly, about once a
    // frame, without taking any pending input.
    constexpr qint64 frame_ms = 16;
    if (!progress_clock_.isValid()) progress_clock_.start();
    const qint64 now = progress_clock_.elapsed();
    if (now - progress_painted_at_ >= frame_ms) {
        progress_painted_at_ = now;
        const bool held = !ProgressBar1->updatesEnabled();
        ProgressBar1->setUpdatesEnabled(true);
        ProgressBar1->repaint();
        ProgressBar1->setUpdatesEnabled(!held);
    }
}
