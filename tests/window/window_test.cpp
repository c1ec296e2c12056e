// The desktop window bound to the window logic: its widgets, what each control forwards, the
// modal error box, the progress bar, and its size and place on the screen.
#include "window_fixture.h"

#include "app/form.h"
#include "render/board.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {

// The panel's readout lines, top to bottom.
QStringList readout(const DesktopWindow& f) {
    QStringList texts;
    for (const FormControl& c : form_controls())
        if (c.kind == FormControlKind::label) texts << f.control<QLabel>(c.name)->text();
    return texts;
}

} // namespace

TEST_F(Window, StartsWithZeroReadoutEmptyBoardAndSixGlyphs) {
    EXPECT_EQ(readout(*form),
              (QStringList{"X = 0", "Y = 0", "V[0,0]  = 0", "Ex[0,0] = 0", "Ey[0,0] = 0"}));
    EXPECT_EQ(form->windowTitle(), "Ardenika");
    EXPECT_EQ(form->centralWidget()->size(), QSize(632, 434));
    EXPECT_EQ(board_view()->geometry(), QRect(204, 0, 401, 401));
    EXPECT_EQ(pixel(200, 200), black);
    EXPECT_EQ(pixel(201, 201), white);
    EXPECT_EQ(form->control<QProgressBar>("computation_progress")->maximum(), 10000);
    EXPECT_EQ(form->control<QProgressBar>("computation_progress")->value(), 0);
    for (QToolButton* b : six()) {
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_FALSE(b->isChecked());
    }
    EXPECT_EQ(form->control<QToolButton>("quadrupole_button")->iconSize(), QSize(48, 48));
    EXPECT_EQ(form->control<QToolButton>("dipole_button")->iconSize(), QSize(48, 23));
    // Tab starts from the first tool, and the board shows no keyboard cursor.
    EXPECT_EQ(form->focusWidget(), form->control<QToolButton>("add_positive_tool"));
}

// Every control and menu item of the form's table, as the widgets show it.
TEST_F(Window, WidgetsAndMenusAreTheFormsTable) {
    QWidget* previous_stop = nullptr;
    for (const FormControl& c : form_controls()) {
        auto* w = qobject_cast<QWidget*>(form->control(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        const std::string name(c.name);
        if (c.kind == FormControlKind::window) {
            EXPECT_EQ(w, form->centralWidget());
            EXPECT_EQ(w->size(), QSize(c.width, c.height));
            EXPECT_EQ(form->windowTitle(), qt_text(c.caption));
            continue;
        }
        EXPECT_EQ(w->parentWidget(), form->control(c.parent)) << name;
        EXPECT_EQ(w->pos(), QPoint(c.left, c.top)) << name;
        if (c.kind == FormControlKind::label) {
            EXPECT_GE(w->width(), c.width) << name;
        } else {
            EXPECT_EQ(w->size(), QSize(c.width, c.height)) << name;
        }
        QString shown;
        if (auto* box = qobject_cast<QGroupBox*>(w)) shown = box->title();
        if (auto* label = qobject_cast<QLabel*>(w)) shown = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            shown = button->text();
            EXPECT_EQ(button->isCheckable(), c.group != 0) << name;
        }
        EXPECT_EQ(shown, qt_text(c.caption)) << name;
        EXPECT_EQ(w->toolTip(), qt_text(c.hint)) << name;
        if (!c.accessible_name.empty()) {
            EXPECT_EQ(w->accessibleName(), qt_text(c.accessible_name)) << name;
        }
        if (w->focusPolicy() & Qt::TabFocus) {
            if (previous_stop) {
                QWidget* next = previous_stop->nextInFocusChain();
                while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
                EXPECT_EQ(next, w) << name;
            }
            previous_stop = w;
        }
    }
    QStringList bar, wanted_bar;
    for (QAction* a : form->menuBar()->actions()) bar << a->text();
    for (const MenuItem& m : menu_items()) {
        auto* item = form->control(m.name);
        ASSERT_NE(item, nullptr) << m.name;
        if (m.parent.empty()) wanted_bar << qt_text(m.caption);
        if (auto* menu = qobject_cast<QMenu*>(item)) {
            EXPECT_EQ(menu->title(), qt_text(m.caption));
        }
        if (auto* action = qobject_cast<QAction*>(item)) {
            EXPECT_EQ(action->text(), qt_text(m.caption));
            EXPECT_EQ(action->parent(), m.parent.empty() ? static_cast<QObject*>(form->menuBar())
                                                         : form->control(m.parent));
        }
    }
    EXPECT_EQ(bar, wanted_bar);
}

TEST_F(Window, GlyphShowsTheButtonFaceWhereItsBottomLeftColourWas) {
    const QImage glyph =
        form->control<QToolButton>("add_positive_tool")->icon().pixmap(QSize(23, 23)).toImage();
    ASSERT_EQ(glyph.size(), QSize(23, 23));
    EXPECT_EQ(qAlpha(glyph.pixel(0, 22)), 0);
    EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0);
    EXPECT_EQ(glyph.pixel(12, 5) & 0xffffffu, positive_colour & 0xffffffu);
}

TEST_F(Window, HasOneSizeCentredOnTheScreen) {
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->size(), form->minimumSize());
    EXPECT_EQ(form->size().width(), 632);
    EXPECT_EQ(form->size().height(), 434 + form->menuBar()->sizeHint().height());
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    const QPoint off = form->frameGeometry().center() - screen.center();
    EXPECT_LE(std::abs(off.x()), 1);
    EXPECT_LE(std::abs(off.y()), 1);
}

TEST_F(Window, EveryControlForwardsToItsHandlerAndShowsTheResult) {
    click("dipole_button"); // the dipole
    EXPECT_TRUE(form->control<QToolButton>("dipole_button")->isChecked());
    EXPECT_EQ(pixel(280 - 8, 200), positive_colour);
    click("colour_map_button");
    EXPECT_FALSE(form->control<QToolButton>("dipole_button")
                     ->isChecked()); // the colour map raises all eight
    EXPECT_NE(pixel(300, 300), white);
    form->control<QAction>("field_line_item")->trigger();
    EXPECT_TRUE(form->control<QPushButton>("field_line_tool")->isChecked());
    move_to(250, 150);
    EXPECT_EQ(board_view()->toolTip(), "Kliknij");
    EXPECT_EQ(form->control<QLabel>("x_readout")->text(), "X = 50");
    click("equipotential_tool");
    EXPECT_FALSE(form->control<QPushButton>("field_line_tool")->isChecked());
    EXPECT_TRUE(form->control<QPushButton>("equipotential_tool")->isChecked());
    form->control<QAction>("equipotential_item")->trigger();
    EXPECT_TRUE(form->control<QPushButton>("equipotential_tool")->isChecked());
    const auto before = std::vector<Rgb>(form->board().data(), form->board().data() + 401 * 401);
    click("field_lines_button");
    EXPECT_FALSE(form->control<QPushButton>("equipotential_tool")->isChecked());
    EXPECT_FALSE(std::equal(before.begin(), before.end(), form->board().data()));
    click("clear_button");
    click("clear_button");
    EXPECT_EQ(charge_count(), 0);
    EXPECT_EQ(pixel(300, 300), white);
    for (QAction* a :
         {form->control<QAction>("colour_map_item"), form->control<QAction>("equipotentials_item"),
          form->control<QAction>("field_lines_item")})
        a->trigger(); // nothing on the board: each stops at its guard
    EXPECT_EQ(pixel(300, 300), white);
}

TEST_F(Window, FifteenthChargeShowsTheBoxAndChangesNothing) {
    click("capacitor_button"); // twelve charges
    click("add_positive_tool");
    click_board(200, 20);
    click_board(200, 380);
    ASSERT_EQ(charge_count(), 14);
    const Charge before = charge(14);
    const std::vector<Rgb> board(form->board().data(), form->board().data() + 401 * 401);
    form->logic().state().scene_stage = SceneStage::picture;
    form->logic().state().grids_stale = false;
    const auto text = answer_message_box([&] { click_board(30, 30); });
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "Maksymalnie 14 ładunków!");
    EXPECT_EQ(charge_count(), 14);
    EXPECT_EQ(charge(14), before);
    EXPECT_TRUE(std::equal(board.begin(), board.end(), form->board().data()));
    EXPECT_EQ(state().scene_stage, SceneStage::picture);
    EXPECT_FALSE(state().grids_stale);
    EXPECT_TRUE(form->control<QToolButton>("add_positive_tool")->isChecked());
}

TEST_F(Window, WithoutADisplayItSaysInPolishHowToStartIt) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ARDENIKA_BINARY), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 1);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(said.contains("Ardenika potrzebuje ekranu graficznego")) << said.toStdString();
    EXPECT_TRUE(said.contains("xvfb-run -a " ARDENIKA_BINARY)) << said.toStdString();

    // A display that is named but cannot be opened.
    env.insert("DISPLAY", ":9999");
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ARDENIKA_BINARY), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitCode(), 1);
    const QString said_again = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(said_again.contains("nie może otworzyć ekranu graficznego :9999"))
        << said_again.toStdString();
}

namespace {

class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

} // namespace

TEST_F(Window, ProgressBarRepaintsWhileHeldButAtMostOncePerFrame) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    PaintCounter counter;
    form->control<QProgressBar>("computation_progress")->installEventFilter(&counter);
    form->progress_set_position(0);
    form->progress_set_max(400);
    QElapsedTimer pass;
    pass.start();
    for (int i = 0; i < 401; ++i) form->progress_step();
    const qint64 frames = pass.elapsed() / 16;
    EXPECT_EQ(form->control<QProgressBar>("computation_progress")->value(),
              400); // stops at its maximum
    // A pass within one frame paints nothing; a slow machine earns one paint a frame.
    EXPECT_LE(counter.paints, frames);

    counter.paints = 0;
    form->progress_set_max(3);
    for (int i = 0; i < 3; ++i) {
        QTest::qSleep(20); // a slow pass: each step is a frame later than the last paint
        form->progress_step();
    }
    EXPECT_EQ(counter.paints, 3);
    form->control<QProgressBar>("computation_progress")->removeEventFilter(&counter);
}
