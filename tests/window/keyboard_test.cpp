// The window without a pointer: Tab, Space, Enter, the menus and the board's cursor keys.
#include "window_fixture.h"

#include "app/readout.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <functional>
#include <vector>

namespace {

// Counts every pointer event the application sees.
class PointerWatch final : public QObject {
  public:
    PointerWatch() { QApplication::instance()->installEventFilter(this); }
    ~PointerWatch() override { QApplication::instance()->removeEventFilter(this); }
    int seen = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            ++seen;
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

class Keyboard : public Window {
  protected:
    void SetUp() override {
        Window::SetUp();
        activate();
    }
    void activate() {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Where a key goes: an open menu takes them all.
    QWidget* focused() const {
        if (QWidget* menu = QApplication::activePopupWidget()) return menu;
        QWidget* w = QApplication::focusWidget();
        return w != nullptr ? w : form.get();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers held = Qt::NoModifier, int times = 1) {
        for (int i = 0; i < times; ++i) QTest::keyClick(focused(), k, held);
    }
    // Tab until the target has the focus, at most once round the window.
    void tab_to(QWidget* target) {
        for (int i = 0; i < 16 && focused() != target; ++i) key(Qt::Key_Tab);
        ASSERT_EQ(focused(), target);
    }
};

TEST_F(Keyboard, KeysAloneMakeTheBoardOfTheSameStepsByMouse) {
    struct TwoWays {
        std::function<void()> by_keys;
        std::function<void()> by_mouse;
    };
    const std::vector<TwoWays> steps = {
        {[&] { tab_to(form->control<QToolButton>("dipole_button")), key(Qt::Key_Space); },
         [&] { click("dipole_button"); }},
        {[&] { tab_to(form->control<QPushButton>("colour_map_button")), key(Qt::Key_Return); },
         [&] { click("colour_map_button"); }},
        // The cursor to pixel (250, 150): the centre, five long steps right, five up.
        {[&] {
             tab_to(board_view());
             key(Qt::Key_Home);
             key(Qt::Key_Right, Qt::ShiftModifier, 5);
             key(Qt::Key_Up, Qt::ShiftModifier, 5);
         },
         [&] { move_to(250, 150); }},
        {[&] { tab_to(form->control<QPushButton>("equipotentials_button")), key(Qt::Key_Space); },
         [&] { click("equipotentials_button"); }},
        {[&] {
             tab_to(form->control<QPushButton>("field_lines_button")),
                 key(Qt::Key_Enter, Qt::KeypadModifier);
         },
         [&] { click("field_lines_button"); }},
        {[&] {
             tab_to(form->control<QPushButton>("equipotential_tool")), key(Qt::Key_Space);
             tab_to(board_view()), key(Qt::Key_Return);
         },
         [&] {
             click("equipotential_tool");
             click_board(250, 150);
         }},
        {[&] {
             tab_to(form->control<QPushButton>("field_line_tool")), key(Qt::Key_Return);
             tab_to(board_view()), key(Qt::Key_Left, Qt::NoModifier, 3), key(Qt::Key_Space);
         },
         [&] {
             click("field_line_tool");
             click_board(247, 150);
         }},
        {[&] { tab_to(form->control<QPushButton>("clear_button")), key(Qt::Key_Return); },
         [&] { click("clear_button"); }},
        {[&] { key(Qt::Key_Space); }, [&] { click("clear_button"); }},
    };
    struct Seen {
        std::vector<Rgb> board;
        std::vector<std::string> pictures;
        std::array<std::string, 5> labels;
    };
    auto seen = [&] {
        const Canvas& b = form->board();
        return Seen{{b.data(), b.data() + board_size * board_size},
                    form->logic().pictures(),
                    form->logic().labels()};
    };

    std::vector<Seen> by_keys;
    {
        PointerWatch watch;
        for (const TwoWays& s : steps) {
            s.by_keys();
            by_keys.push_back(seen());
        }
        EXPECT_EQ(watch.seen, 0);
    }
    // Every step but the cursor's changed the board.
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_EQ(i == 2, by_keys[i].board == by_keys[i - 1].board) << "step " << i;
    EXPECT_EQ(by_keys[2].labels[0], "X = 50");
    EXPECT_EQ(by_keys[2].labels[1], "Y = 50");
    EXPECT_EQ(by_keys[2].labels[2], "V[50,50]  = " + readout_value(grids().v()[250][150]));
    EXPECT_NE(grids().v()[250][150], 0.0);
    EXPECT_EQ(by_keys[6].pictures.back(), "linia sił przez (47, 50)");

    form.reset();
    form = std::make_unique<DesktopWindow>();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        steps[i].by_mouse();
        const Seen by_mouse = seen();
        EXPECT_TRUE(by_mouse.board == by_keys[i].board) << "step " << i;
        EXPECT_EQ(by_mouse.pictures, by_keys[i].pictures) << "step " << i;
        EXPECT_EQ(by_mouse.labels, by_keys[i].labels) << "step " << i;
    }
}

TEST_F(Keyboard, CursorAndRingShowOverTheViewOnlyWhileTheBoardHasTheFocus) {
    auto shown = [&] {
        return board_view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    auto shows_the_board = [&](const QImage& image) {
        for (int y = 0; y < board_size; ++y)
            for (int x = 0; x < board_size; ++x)
                if (image.pixel(x, y) != form->board().pixel(x, y)) return false;
        return true;
    };
    // A click does not take the focus to the board.
    tab_to(form->control<QPushButton>("colour_map_button"));
    click_board(30, 40);
    EXPECT_EQ(focused(), form->control<QPushButton>("colour_map_button"));
    EXPECT_TRUE(shows_the_board(shown()));

    tab_to(board_view());
    key(Qt::Key_Right);
    const QImage with_cursor = shown();
    int cursor_pixels = 0;
    for (int y = 30; y <= 50; ++y)
        for (int x = 21; x <= 41; ++x) cursor_pixels += with_cursor.pixel(x, y) != pixel(x, y);
    EXPECT_GT(cursor_pixels, 40);
    EXPECT_NE(with_cursor.pixel(0, 200), form->board().pixel(0, 200));
    // The cursor leaves its own pixel in sight.
    EXPECT_EQ(with_cursor.pixel(31, 40), form->board().pixel(31, 40));
    key(Qt::Key_Tab);
    EXPECT_TRUE(shows_the_board(shown()));
}

TEST_F(Keyboard, AltOpensTheMenusArrowsWalkThemEnterRunsAndEscapeLeaves) {
    click("dipole_button");
    tab_to(form->control<QPushButton>("equipotentials_button"));
    // Alt alone takes the focus to the menu bar; the captions carry no underlined letters.
    key(Qt::Key_Alt);
    ASSERT_EQ(form->menuBar()->activeAction(),
              form->control<QMenu>("potential_menu")->menuAction());
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    ASSERT_EQ(QApplication::activePopupWidget(), form->control<QMenu>("field_menu"));
    key(Qt::Key_Down);
    EXPECT_EQ(form->control<QMenu>("field_menu")->activeAction(),
              form->control<QAction>("field_line_item"));
    key(Qt::Key_Return);
    EXPECT_TRUE(form->control<QPushButton>("field_line_tool")->isChecked());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(focused(), form->control<QPushButton>("equipotentials_button"));

    // Escape closes the menu, then leaves the bar for where the focus was.
    key(Qt::Key_Alt);
    key(Qt::Key_Down);
    ASSERT_EQ(QApplication::activePopupWidget(), form->control<QMenu>("potential_menu"));
    key(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    key(Qt::Key_Escape);
    EXPECT_EQ(form->menuBar()->activeAction(), nullptr);
    EXPECT_EQ(focused(), form->control<QPushButton>("equipotentials_button"));
}

TEST_F(Keyboard, HelpDialogsKeepTheFocusInsideCloseWithEscapeAndGiveItBack) {
    for (QAction* item :
         {form->control<QAction>("description_item"), form->control<QAction>("about_item")}) {
        tab_to(form->control<QPushButton>("field_lines_button"));
        std::vector<QString> inside;
        bool closed_by_escape = false;
        auto in_dialog = [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr) return;
            // A window manager activates the new dialog; offscreen the test does.
            for (int i = 0; i < 50 && QApplication::activeWindow() != dialog; ++i) {
                dialog->activateWindow();
                QTest::qWait(10);
            }
            // Round the dialog's controls and back: the focus never leaves it.
            for (int i = 0; i < 3; ++i) {
                QWidget* now = QApplication::focusWidget();
                inside.push_back(now != nullptr && now->window() == dialog ? now->objectName()
                                                                           : QString());
                QTest::keyClick(now != nullptr ? now : dialog, Qt::Key_Tab);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            closed_by_escape = !dialog->isVisible();
            if (!closed_by_escape) dialog->close();
        };
        // Through the menu by keys: Alt, Left to "Pomoc" at the end, then its item.
        key(Qt::Key_Alt);
        key(Qt::Key_Left);
        key(Qt::Key_Down);
        ASSERT_EQ(QApplication::activePopupWidget(), form->control<QMenu>("help_menu"));
        while (form->control<QMenu>("help_menu")->activeAction() != item) key(Qt::Key_Down);
        QTimer::singleShot(0, in_dialog);
        key(Qt::Key_Return);
        EXPECT_TRUE(closed_by_escape);
        ASSERT_EQ(inside.size(), 3U);
        EXPECT_EQ(inside[0], "ok_button");
        EXPECT_FALSE(inside[1].isEmpty());
        EXPECT_EQ(inside[2], "ok_button");
        // The window manager gives the window back its activation; it gives the focus back.
        activate();
        EXPECT_EQ(focused(), form->control<QPushButton>("field_lines_button"));
    }
}
