#include "desktop/desktop_window.h"

#include "app/readout.h"
#include "desktop/board_view.h"
#include "desktop/fonts.h"
#include "desktop/glyph_icon.h"
#include "model/charges.h"
#include "model/field.h"
#include "model/state.h"
#include "render/board.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
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

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), board_(board_size, board_size) {
    setWindowTitle(QStringLiteral("Ardenika"));
    // Fixed size: it can be minimised but neither resized nor maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(pixel_font(FontRole::dialog, 11));
    build_layout();
    build_menu();
    connect_handlers();
    set_window_port(this);
    install_board(board_);
    FormCreate();
}

TForm1::~TForm1() {
    set_window_port(nullptr);
    set_board_port(nullptr);
}

void TForm1::build_layout() {
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
        b->setAccessibleName(hint.trimmed());
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

    Image1 = new BoardView(board_, client);
    Image1->move(204, 0);
    Image1->setAccessibleName(QStringLiteral("Plansza"));

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
    // Both add tools share one hint; the accessible names tell them apart.
    SpeedB1->setAccessibleDescription(QStringLiteral("Dodaj ładunek dodatni"));
    SpeedB2->setAccessibleDescription(QStringLiteral("Dodaj ładunek ujemny"));

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

    setTabOrder(SpeedB1, SpeedB2);
    setTabOrder(SpeedB2, SpeedB4);
    setTabOrder(SpeedB4, SpeedB5);
    setTabOrder(SpeedB5, SpeedB3);
    setTabOrder(SpeedB3, SpeedB6);
    setTabOrder(SpeedB6, RysujB1);
    setTabOrder(RysujB1, RysujB2);
    setTabOrder(RysujB2, RysujB5);
    setTabOrder(RysujB5, RysujB3);
    setTabOrder(RysujB3, RysujB4);
    setTabOrder(RysujB4, Button1);
}

void TForm1::build_menu() {
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

void TForm1::connect_handlers() {
    // Every handler ends with the board shown as it now stands.
    auto bind = [this](auto* sender, auto signal, void (TForm1::*handler)()) {
        connect(sender, signal, this, [this, handler] {
            (this->*handler)();
            Image1->update();
        });
    };
    // One of the six pressed by a click raises the other five before its handler runs.
    for (QToolButton* b : six())
        connect(b, &QToolButton::clicked, this, [this, b](bool checked) {
            if (checked) press(b);
        });
    bind(SpeedB1, &QToolButton::clicked, &TForm1::SpeedB1Click);
    bind(SpeedB2, &QToolButton::clicked, &TForm1::SpeedB2Click);
    bind(SpeedB3, &QToolButton::clicked, &TForm1::SpeedB3Click);
    bind(SpeedB4, &QToolButton::clicked, &TForm1::SpeedB4Click);
    bind(SpeedB5, &QToolButton::clicked, &TForm1::SpeedB5Click);
    bind(SpeedB6, &QToolButton::clicked, &TForm1::SpeedB6Click);
    bind(RysujB1, &QPushButton::clicked, &TForm1::RysujB1Click);
    bind(RysujB2, &QPushButton::clicked, &TForm1::RysujB2Click);
    bind(RysujB3, &QPushButton::clicked, &TForm1::RysujB3Click);
    bind(RysujB4, &QPushButton::clicked, &TForm1::RysujB4Click);
    bind(RysujB5, &QPushButton::clicked, &TForm1::RysujB5Click);
    bind(Button1, &QPushButton::clicked, &TForm1::Button1Click);
    bind(Rozklad, &QAction::triggered, &TForm1::rozkladpotencjaluClick);
    bind(Linieekwipotencjale1, &QAction::triggered, &TForm1::Linieekwipotencjalne1Click);
    bind(Vconst1, &QAction::triggered, &TForm1::Vconst1Click);
    bind(Liniesil1, &QAction::triggered, &TForm1::Liniesil1Click);
    bind(Fr1, &QAction::triggered, &TForm1::Fr1Click);
    bind(Koniec1, &QAction::triggered, &TForm1::Koniec1Click);
    bind(Opisprogramu1, &QAction::triggered, &TForm1::Opisprogramu1Click);
    bind(Oprogramie1, &QAction::triggered, &TForm1::Oprogramie1Click);
    Image1->on_move = [this](int column, int row) { Image1MouseMove(column, row); };
    Image1->on_click = [this] {
        Image1Click();
        Image1->update();
    };
}

void TForm1::FormCreate() {
    charge_count = 0;
    tool_mode = 0;
    scene_stage = 0;
    if (QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
    start(board_);
    button_face = palette().color(QPalette::Button).rgb();
    apply_glyphs();
    Label1->setText(QStringLiteral("X = 0"));
    Label2->setText(QStringLiteral("Y = 0"));
    Label3->setText(QStringLiteral("V[0,0]  = 0"));
    Label4->setText(QStringLiteral("Ex[0,0] = 0"));
    Label5->setText(QStringLiteral("Ey[0,0] = 0"));
    Image1->update();
}

void TForm1::apply_glyphs() {
    build_glyphs([this](GlyphButton which, const Canvas& glyph) {
        QToolButton* target = nullptr;
        switch (which) {
        case GlyphButton::SpeedB1:
            target = SpeedB1;
            break;
        case GlyphButton::SpeedB2:
            target = SpeedB2;
            break;
        case GlyphButton::SpeedB5:
            target = SpeedB5;
            break;
        case GlyphButton::SpeedB4:
            target = SpeedB4;
            break;
        case GlyphButton::SpeedB3:
            target = SpeedB3;
            break;
        case GlyphButton::SpeedB6:
            target = SpeedB6;
            break;
        }
        target->setIcon(crisp_glyph_icon(glyph_image(glyph)));
        target->setIconSize(QSize(glyph.width(), glyph.height()));
    });
}

void TForm1::Image1MouseMove(int X, int Y) {
    // Positions beyond the board (a drag past its edge) read the nearest edge pixel.
    X = std::clamp(X, 0, board_size - 1);
    Y = std::clamp(Y, 0, board_size - 1);
    Image1->setToolTip(down(RysujB4) || down(RysujB5) ? QStringLiteral("Kliknij") : QString());
    const int x = board_x(X);
    const int y = board_y(Y);
    const QString at = QStringLiteral("[%1,%2]").arg(x).arg(y);
    Label1->setText(QStringLiteral("X = %1").arg(x));
    Label2->setText(QStringLiteral("Y = %1").arg(y));
    Label3->setText(QStringLiteral("V") + at + QStringLiteral("  = ") +
                    QString::fromStdString(readout_value(grid_V[X][Y])));
    Label4->setText(QStringLiteral("Ex") + at + QStringLiteral(" = ") +
                    QString::fromStdString(readout_value(grid_Ex[X][Y])));
    Label5->setText(QStringLiteral("Ey") + at + QStringLiteral(" = ") +
                    QString::fromStdString(readout_value(grid_Ey[X][Y])));
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5}) l->adjustSize();
    mouse_x = X;
    mouse_y = Y;
}

void TForm1::draw_charges() {
    for (int i = 1; i <= charge_count; ++i) rysuj_lad(board_, i);
}

void TForm1::Image1Click() {
    switch (tool_mode) {
    case 0:
        if (charge_count <= 0 || !down(SpeedB6)) return;
        raise(RysujB4);
        raise(RysujB5);
        if (!remove_charges_near(mouse_x, mouse_y)) return;
        start(board_);
        draw_charges();
        scene_stage = 1;
        grids_stale = 1;
        return;
    case 1:
    case -1:
        if (!down(SpeedB1) && !down(SpeedB2)) return;
        if (!add_charge(mouse_x, mouse_y, tool_mode)) return;
        rysuj_lad(board_, charge_count);
        scene_stage = 1;
        grids_stale = 1;
        return;
    case 2:
        equipotential_command();
        return;
    case 3:
        field_line_command();
        return;
    default:
        return;
    }
}

void TForm1::SpeedB1Click() {
    tool_mode = 1;
    raise(RysujB4);
    raise(RysujB5);
}

void TForm1::SpeedB2Click() {
    tool_mode = -1;
    raise(RysujB4);
    raise(RysujB5);
}

void TForm1::SpeedB6Click() {
    raise(RysujB4);
    raise(RysujB5);
    if (down(SpeedB6)) tool_mode = 0;
}

void TForm1::SpeedB5Click() {
    raise(RysujB4);
    raise(RysujB5);
    press(SpeedB5);
    tool_mode = 1;
    place_dipole();
    press(SpeedB5);
    scene_stage = 1;
    grids_stale = 1;
    tool_mode = 0;
}

void TForm1::SpeedB4Click() {
    raise(RysujB4);
    raise(RysujB5);
    scene_stage = 1;
    tool_mode = -1;
    Kwadrupol();
    grids_stale = 1;
    tool_mode = 0;
}

void TForm1::SpeedB3Click() {
    raise(RysujB4);
    raise(RysujB5);
    scene_stage = 1;
    tool_mode = 1;
    Kondensator();
    grids_stale = 1;
    tool_mode = 0;
}

void TForm1::Button1Click() {
    if (scene_stage == 0) return;
    if (scene_stage == 1) {
        clear_charges();
        tool_mode = 0;
        scene_stage = 0;
        grids_stale = 0;
        if (down(SpeedB1) || down(SpeedB2) || down(SpeedB3) || down(SpeedB4) || down(SpeedB5))
            for (QAbstractButton* b : {SpeedB1, SpeedB2, SpeedB3, SpeedB4, SpeedB5}) raise(b);
        raise(RysujB4);
        raise(RysujB5);
        start(board_);
        return;
    }
    scene_stage = scene_stage - 1;
    raise(RysujB4);
    raise(RysujB5);
    if (down(SpeedB3) || down(SpeedB4)) {
        raise(SpeedB3);
        raise(SpeedB4);
        tool_mode = 0;
    }
    if (down(SpeedB1)) tool_mode = 1;
    if (down(SpeedB2)) tool_mode = -1;
    start(board_);
    draw_charges();
}

void TForm1::Koniec1Click() {
    QCoreApplication::exit(0);
}

bool TForm1::down(const QAbstractButton* button) const {
    return button->isChecked();
}

void TForm1::raise(QAbstractButton* button) {
    button->setChecked(false);
}

std::array<QToolButton*, 6> TForm1::six() const {
    return {SpeedB1, SpeedB2, SpeedB3, SpeedB4, SpeedB5, SpeedB6};
}

void TForm1::press(QAbstractButton* button) {
    button->setChecked(true);
    const auto group = six();
    if (std::find(group.begin(), group.end(), button) == group.end()) return;
    for (QToolButton* other : group)
        if (other != button) other->setChecked(false);
}

void TForm1::raise_six() {
    for (QToolButton* b : six()) raise(b);
}

void TForm1::raise_all_eight() {
    raise_six();
    raise(RysujB4);
    raise(RysujB5);
}

void TForm1::show_error(std::string_view text) {
    QMessageBox box(QMessageBox::Critical, windowTitle(),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, this);
    box.exec();
}

void TForm1::progress_set_position(int position) {
    // A position is set at the start and at the end of a pass: the bar paints normally again.
    ProgressBar1->setUpdatesEnabled(true);
    ProgressBar1->setValue(position);
}

void TForm1::progress_set_max(int max) {
    ProgressBar1->setMaximum(max);
    // During the pass the bar would repaint itself on every visible change; it is painted from
    // repaint_progress_when_due instead.
    ProgressBar1->setUpdatesEnabled(false);
    progress_clock_.start();
    progress_painted_at_ = 0;
}

void TForm1::progress_step() {
    ProgressBar1->setValue(std::min(ProgressBar1->value() + 1, ProgressBar1->maximum()));
    repaint_progress_when_due();
}

void TForm1::repaint_progress_when_due() {
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
