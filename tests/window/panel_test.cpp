// "Pomiary": the measurement panel's window, its tables, the clipboard and the CSV file, and the
// measuring points on the board as shown and saved.
#include "window_fixture.h"

#include "app/form.h"
#include "desktop/board_picture.h"
#include "desktop/measurement_panel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

class Panel : public Window {
  protected:
    void SetUp() override {
        Window::SetUp();
        form->control<QAction>("measurements_item")->trigger();
    }
    MeasurementPanel& panel() const { return form->panel(); }
    template <class T> T* part(std::string_view name) const { return panel().control<T>(name); }
    static TableView table_shown(const QTableWidget& t) {
        TableView view;
        for (int c = 0; c < t.columnCount(); ++c)
            view.headers.push_back(t.horizontalHeaderItem(c)->text().toStdString());
        for (int r = 0; r < t.rowCount(); ++r) {
            view.rows.emplace_back();
            for (int c = 0; c < t.columnCount(); ++c)
                view.rows.back().push_back(t.item(r, c)->text().toStdString());
        }
        return view;
    }
    // Points A at (50, 50) and B at (-100, 0), placed with the measuring tool.
    void place_points() {
        click(part<QPushButton>("measuring_tool"));
        click_board(250, 150);
        click_board(100, 200);
    }
};

TEST_F(Panel, WidgetsAreThePanelsFormTableInAToolWindowOffTheBoard) {
    ASSERT_TRUE(panel().isVisible());
    EXPECT_TRUE(panel().windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(form->control<QAction>("measurements_item")->shortcut(), QKeySequence("Ctrl+M"));
    for (const FormControl& c : panel_controls()) {
        const std::string name(c.name);
        auto* w = panel().control<QWidget>(c.name);
        ASSERT_NE(w, nullptr) << name;
        if (c.kind == FormControlKind::window) {
            EXPECT_EQ(w->windowTitle(), "Pomiary");
            EXPECT_EQ(w->size(), QSize(c.width, c.height));
            continue;
        }
        EXPECT_EQ(w->parentWidget(), &panel()) << name;
        EXPECT_EQ(w->pos(), QPoint(c.left, c.top)) << name;
        if (c.kind == FormControlKind::label)
            EXPECT_GE(w->width(), c.width) << name;
        else
            EXPECT_EQ(w->size(), QSize(c.width, c.height)) << name;
        EXPECT_TRUE(w->inherits(c.kind == FormControlKind::label    ? "QLabel"
                                : c.kind == FormControlKind::choice ? "QComboBox"
                                : c.kind == FormControlKind::table  ? "QTableWidget"
                                                                    : "QPushButton"))
            << name;
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(b->text(), qt_text(c.caption)) << name;
            EXPECT_EQ(b->isCheckable(), c.kind == FormControlKind::toggle_button) << name;
        }
        EXPECT_EQ(w->toolTip(), qt_text(c.hint)) << name;
        if (!c.accessible_name.empty()) {
            EXPECT_EQ(w->accessibleName(), qt_text(c.accessible_name)) << name;
        }
    }
}

TEST(PanelPlace, BesideTheMainWindowAndOnTheScreen) {
    const QRect screen(0, 0, 1920, 1080);
    const QSize panel(490, 590);
    struct Case {
        QRect main;
        QPoint want;
    };
    for (const Case& c : {Case{{600, 300, 650, 480}, {1258, 300}},   // right of it
                          Case{{1200, 300, 650, 480}, {702, 300}},   // no room right: left
                          Case{{600, 700, 650, 380}, {1258, 490}},   // moved up to fit
                          Case{{300, 100, 1300, 480}, {1430, 100}}}) // neither: the right edge
        EXPECT_EQ(panel_place(c.main, panel, screen), c.want) << c.main.x();
}

TEST_F(Panel, TablesFollowTheLogicAndTheBoardShowsAndSavesTheMarks) {
    place_points();
    // A charge placed afterwards changes every value in the table.
    click("add_positive_tool");
    click_board(200, 100);
    const TableView points = form->logic().panel_table("points_table");
    ASSERT_EQ(points.rows.size(), 2u);
    EXPECT_EQ(table_shown(*part<QTableWidget>("points_table")), points);
    EXPECT_EQ(part<QLabel>("pair_distance")->text(),
              qt_text(form->logic().panel_text("pair_distance")));
    // V on the board says the values of the point last placed.
    board_view()->setFocus();
    QTest::keyClick(board_view(), Qt::Key_V);
    EXPECT_TRUE(board_view()->accessibleDescription().startsWith("Punkt B (-100, 0): V = "));

    // The mark of A covers its point on screen and in the saved picture, not the bare board.
    EXPECT_NE(pixel(250, 150), form->logic().board().pixel(250, 150));
    const QImage shown = board_view()->grab().toImage();
    EXPECT_EQ(shown.pixel(250, 150) & 0xffffffu, pixel(250, 150) & 0xffffffu);
    QTemporaryDir dir;
    const QString path = dir.filePath("board.png");
    ASSERT_EQ(save_board_png(form->logic(), 1, path), std::nullopt);
    EXPECT_EQ(QImage(path).pixel(250, 150) & 0xffffffu, pixel(250, 150) & 0xffffffu);
}

TEST_F(Panel, RecordedTableGoesToTheClipboardAndToCsvWhole) {
    auto* recorded = part<QTableWidget>("recorded_table");
    EXPECT_FALSE(part<QPushButton>("copy_table_button")->isEnabled());
    place_points();
    // Ctrl+Return records B from the main window, then A, chosen in the panel, from the panel.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(part<QComboBox>("chosen_point_choice"), Qt::Key_Home);
    QTest::keyClick(recorded, Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(form->logic().recorded().size(), 2u);
    EXPECT_EQ(table_shown(*recorded), form->logic().panel_table("recorded_table"));

    const QString text = qt_text(form->logic().recorded_table_text());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(recorded, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    QGuiApplication::clipboard()->clear();
    click(part<QPushButton>("copy_table_button"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_EQ(board_view()->accessibleDescription(), "Skopiowano tabelę pomiarów");

    QTemporaryDir dir;
    const std::string csv = form->logic().recorded_table_csv();
    for (const QString& path : {dir.filePath("pomiary.csv"), QStringLiteral("/proc/pomiary.csv")}) {
        panel().choose_csv_target = [path] { return std::optional<QString>(path); };
        const auto error =
            answer_message_box([&] { click(part<QPushButton>("save_table_button")); });
        QFile file(path);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                  error ? QByteArray() : QByteArray(csv.data(), qsizetype(csv.size())));
        EXPECT_EQ(error.has_value() && error->contains(path), path.startsWith("/proc"));
    }

    // The row picked in the table is the one its button deletes.
    recorded->setCurrentCell(0, 2);
    click(part<QPushButton>("delete_row_button"));
    ASSERT_EQ(recorded->rowCount(), 1);
    EXPECT_EQ(recorded->item(0, 0)->text(), "A");
}

TEST_F(Panel, ItsOwnCloseButtonAndTheMenuKeepTheLogicInStep) {
    panel().close();
    EXPECT_FALSE(form->logic().panel_open());
    EXPECT_FALSE(panel().isVisible());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_TRUE(form->logic().panel_open());
    EXPECT_TRUE(panel().isVisible());
    form->control<QAction>("measurements_item")->trigger();
    EXPECT_FALSE(panel().isVisible());
    // Closed, Ctrl+Return on the board clicks there as before.
    click("add_positive_tool");
    board_view()->setFocus();
    QTest::keyClick(board_view(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(charge_count(), 1);
}
