// The window as a desktop program: screen readers, the keyboard, and scaled screens.
#include "window_fixture.h"

#include "desktop/glyph_icon.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <cmath>
#include <vector>

namespace {

QString accessible(QWidget* widget, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face == nullptr ? QStringLiteral("<none>") : face->text(what);
}

// The ratios of common scaled screens, fractional ones first.
const std::vector<qreal> ratios = {1.25, 1.5, 1.75, 2.0, 3.0};

// A board on which every pixel has its own colour, so a shown pixel names its board pixel.
void paint_every_pixel_apart(Canvas& board) {
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            board.set_pixel(x, y, rgb(x & 0xff, y & 0xff, (x >> 8) | ((y >> 8) << 1)));
}

// Device pixel d lies wholly inside [from, from + length) in device units.
bool wholly_inside(int d, double from, double length) {
    return d >= from && d + 1 <= from + length;
}

// Every device pixel wholly on the board shows the board pixel that a pointer event on it
// reports; returns how many pixels were checked, or -1 at the first mismatch.
long check_board_as_shown(const QImage& shown, qreal ratio, QPointF board_at, const Canvas& board) {
    long checked = 0;
    for (int y = 0; y < shown.height(); ++y) {
        if (!wholly_inside(y, board_at.y() * ratio, board.height() * ratio)) continue;
        for (int x = 0; x < shown.width(); ++x) {
            if (!wholly_inside(x, board_at.x() * ratio, board.width() * ratio)) continue;
            // The platform delivers a device pixel's position divided by the ratio.
            const QPoint p(board_pixel(x / ratio - board_at.x()),
                           board_pixel(y / ratio - board_at.y()));
            if (shown.pixel(x, y) != board.pixel(p.x(), p.y())) {
                ADD_FAILURE() << "ratio " << ratio << ": device pixel (" << x << ", " << y
                              << ") does not show board pixel (" << p.x() << ", " << p.y() << ")";
                return -1;
            }
            ++checked;
        }
    }
    return checked;
}

} // namespace

TEST_F(Window, EveryControlHasARoleADistinctNameAndTogglesTheirState) {
    std::vector<QWidget*> controls = {board_view(),
                                      form->control<QProgressBar>("computation_progress"),
                                      form->control<QLabel>("x_readout"),
                                      form->control<QLabel>("y_readout"),
                                      form->control<QLabel>("v_readout"),
                                      form->control<QLabel>("ex_readout"),
                                      form->control<QLabel>("ey_readout"),
                                      form->control<QPushButton>("colour_map_button"),
                                      form->control<QPushButton>("equipotentials_button"),
                                      form->control<QPushButton>("field_lines_button"),
                                      form->control<QPushButton>("clear_button")};
    for (QAbstractButton* b : form->toggles()) controls.push_back(b);
    QSet<QString> names;
    for (QWidget* w : controls) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(face, nullptr);
        const QString name = face->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
        EXPECT_NE(face->role(), QAccessible::NoRole) << name.toStdString();
        EXPECT_NE(face->role(), QAccessible::Client) << name.toStdString();
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(board_view())->role(), QAccessible::Canvas);

    click("dipole_button");
    for (QAbstractButton* b : form->toggles()) {
        const QAccessible::State state = QAccessible::queryAccessibleInterface(b)->state();
        EXPECT_TRUE(state.checkable) << b->objectName().toStdString();
        EXPECT_EQ(bool(state.checked), b == form->control<QToolButton>("dipole_button"))
            << b->objectName().toStdString();
    }
}

// The offscreen platform has no accessibility bridge, so Qt sends it no events: what a screen
// reader would be told is read here from the interfaces the events point it to.
TEST_F(Window, ScreenReadersReadTheReadoutWhatWasDrawnAndTheFullTableAsAnAlert) {
    grids().v()[250][150] = 1.5;
    grids().ex()[250][150] = -0.25;
    move_to(250, 150);
    for (QLabel* l : {form->control<QLabel>("x_readout"), form->control<QLabel>("y_readout"),
                      form->control<QLabel>("v_readout"), form->control<QLabel>("ex_readout"),
                      form->control<QLabel>("ey_readout")}) {
        // A label without a name of its own reports its text; setText sends NameChanged then.
        EXPECT_TRUE(l->accessibleName().isEmpty());
        EXPECT_EQ(accessible(l, QAccessible::Name), l->text());
    }
    EXPECT_EQ(accessible(form->control<QLabel>("v_readout"), QAccessible::Name),
              "V[50,50]  = 1.50");
    EXPECT_EQ(accessible(form->control<QLabel>("ex_readout"), QAccessible::Name),
              "Ex[50,50] = -0.25");

    click("dipole_button");
    click("colour_map_button");
    EXPECT_EQ(accessible(board_view(), QAccessible::Description), "Narysowano: mapa potencjału");

    click("add_positive_tool");
    for (int i = 0; i < 12; ++i) click_board(20 + 25 * i, 30);
    ASSERT_EQ(charge_count(), 14);
    QAccessible::Role role = QAccessible::NoRole;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget())
            role = QAccessible::queryAccessibleInterface(box)->role();
    });
    EXPECT_TRUE(answer_message_box([&] { click_board(20, 300); }).has_value());
    EXPECT_EQ(role, QAccessible::AlertMessage);
}

TEST_F(Window, TabWalksDownThePanelThenTheBoardAndSpaceUsesTheTool) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    const std::vector<QWidget*> order = {form->control<QToolButton>("add_positive_tool"),
                                         form->control<QToolButton>("add_negative_tool"),
                                         form->control<QToolButton>("quadrupole_button"),
                                         form->control<QToolButton>("dipole_button"),
                                         form->control<QToolButton>("capacitor_button"),
                                         form->control<QToolButton>("remove_tool"),
                                         form->control<QPushButton>("colour_map_button"),
                                         form->control<QPushButton>("equipotentials_button"),
                                         form->control<QPushButton>("equipotential_tool"),
                                         form->control<QPushButton>("field_lines_button"),
                                         form->control<QPushButton>("field_line_tool"),
                                         form->control<QPushButton>("clear_button"),
                                         board_view()};
    form->control<QToolButton>("add_positive_tool")->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), form->control<QToolButton>("add_positive_tool"));
    // Twice round: after the last button the first one comes again.
    for (std::size_t step = 1; step <= 2 * order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[step % order.size()]) << "step " << step;
    }
    while (QApplication::focusWidget() != form->control<QToolButton>("dipole_button"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(form->control<QToolButton>("dipole_button"), Qt::Key_Space);
    EXPECT_EQ(charge_count(), 2);
    EXPECT_TRUE(form->control<QToolButton>("dipole_button")->isChecked());
}

TEST_F(Window, AltKLeavesTheProgramWithStatusZero) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // "&Koniec" ends the application's event loop, so the key goes in from inside one; a
    // stand-in exit with status 1 ends the loop should the key do nothing.
    QTimer::singleShot(0, form.get(),
                       [this] { QTest::keyClick(form.get(), Qt::Key_K, Qt::AltModifier); });
    QTimer stand_in;
    stand_in.setSingleShot(true);
    QObject::connect(&stand_in, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stand_in.start(2000);
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(GlyphIcon, EveryRatioGetsWholeGlyphPixelsWithoutBlending) {
    // A 3x2 picture with a see-through pixel, shown at many sizes.
    QImage glyph(3, 2, QImage::Format_ARGB32);
    const QRgb colours[6] = {0xffe01c00u, 0xffffffffu, 0xff001ca4u,
                             0x00000000u, 0xff008080u, 0xff000000u};
    for (int i = 0; i < 6; ++i) glyph.setPixel(i % 3, i / 3, colours[i]);
    const QIcon icon = crisp_glyph_icon(glyph);
    for (qreal ratio : ratios) {
        const QPixmap pm = icon.pixmap(QSize(60, 40), ratio);
        EXPECT_EQ(pm.devicePixelRatio(), ratio);
        const QImage shown = pm.toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), QSize(60, 40) * ratio);
        // Each device pixel takes the colour of the picture pixel under its centre.
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const int gx = static_cast<int>((x + 0.5) * 3 / shown.width());
                const int gy = static_cast<int>((y + 0.5) * 2 / shown.height());
                ASSERT_EQ(shown.pixel(x, y), glyph.pixel(gx, gy))
                    << "ratio " << ratio << " at (" << x << ", " << y << ")";
            }
    }
    EXPECT_EQ(icon.pixmap(QSize(3, 2), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
              glyph);
}

TEST(GlyphIcon, NearestScalingKeepsTheAspectOfAWideGlyph) {
    QImage wide(48, 23, QImage::Format_ARGB32);
    wide.fill(0xff001ca4u);
    const QIcon icon = crisp_glyph_icon(wide);
    EXPECT_EQ(icon.actualSize(QSize(96, 96)), QSize(96, 46));
    EXPECT_EQ(icon.pixmap(QSize(48, 23), 1.5).size(), QSize(72, 34));
    EXPECT_EQ(nearest_scaled(wide, QSize(5, 7)).size(), QSize(5, 7));
}

TEST_F(Window, BoardRenderedAtAnyRatioShowsWhatAClickThereSelects) {
    paint_every_pixel_apart(form->logic().board());
    const QPointF board_at = board_view()->mapTo(form.get(), QPoint(0, 0));
    for (qreal ratio : ratios) {
        QImage shown(form->size() * ratio, QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::magenta);
        form->render(&shown);
        const long checked = check_board_as_shown(shown, ratio, board_at, form->board());
        // Every wholly covered device pixel was compared: the board's area less its rim.
        EXPECT_GE(checked, std::lround(std::floor(400 * ratio) * std::floor(400 * ratio)));
    }
}

// Run again by ctest with QT_SCALE_FACTOR set, so the window is painted at a real ratio.
TEST_F(Window, OnTheScreenAtItsRatioBoardAndGlyphsStaySharp) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const qreal ratio = form->devicePixelRatioF();
    paint_every_pixel_apart(form->logic().board());
    const QImage window = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(window.devicePixelRatio(), ratio);
    const QPointF board_at = board_view()->mapTo(form.get(), QPoint(0, 0));
    EXPECT_GT(check_board_as_shown(window, ratio, board_at, form->board()), 0);

    // A glyph button shows only its frame or the glyph's own colours, never a mix.
    for (QToolButton* b : six()) {
        const QImage glyph = b->icon().pixmap(b->iconSize(), 1.0).toImage();
        QSet<QRgb> glyph_colours;
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x)
                if (qAlpha(glyph.pixel(x, y)) == 255) glyph_colours.insert(glyph.pixel(x, y));
        const QImage with = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QIcon kept = b->icon();
        b->setIcon(QIcon());
        const QImage bare = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
        b->setIcon(kept);
        ASSERT_EQ(with.size(), bare.size());
        long glyph_pixels = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x) {
                const QRgb c = with.pixel(x, y);
                if (c == bare.pixel(x, y)) continue;
                ASSERT_TRUE(glyph_colours.contains(c))
                    << b->toolTip().toStdString() << ": blended colour at (" << x << ", " << y
                    << ") at ratio " << ratio;
                ++glyph_pixels;
            }
        EXPECT_GT(glyph_pixels, 0);
    }
}
