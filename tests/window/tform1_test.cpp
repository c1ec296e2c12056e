#include "window_fixture.h"

#include "render/board.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

namespace {

QStringList readout(const TForm1& f) {
    return {f.Label1->text(), f.Label2->text(), f.Label3->text(), f.Label4->text(),
            f.Label5->text()};
}

} // namespace

TEST_F(Window, StartsWithZeroReadoutEmptyBoardAndSixGlyphs) {
    EXPECT_EQ(readout(*form),
              (QStringList{"X = 0", "Y = 0", "V[0,0]  = 0", "Ex[0,0] = 0", "Ey[0,0] = 0"}));
    EXPECT_EQ(form->windowTitle(), "Ardenika");
    EXPECT_EQ(form->centralWidget()->size(), QSize(632, 434));
    EXPECT_EQ(form->Image1->geometry(), QRect(204, 0, 401, 401));
    EXPECT_EQ(pixel(200, 200), black);
    EXPECT_EQ(pixel(201, 201), white);
    EXPECT_EQ(form->ProgressBar1->maximum(), 10000);
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    for (QToolButton* b : form->six()) {
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_FALSE(b->isChecked());
    }
    EXPECT_EQ(form->SpeedB4->iconSize(), QSize(48, 48));
    EXPECT_EQ(form->SpeedB5->iconSize(), QSize(48, 23));
    EXPECT_EQ(form->SpeedB6->toolTip(), "Usuń ładunek");
    EXPECT_EQ(form->GroupBox3->title(), "Ładunki - Dodaj/Usuń");
    EXPECT_EQ(form->Button1->text(), "Czyść");
    EXPECT_EQ(form->Koniec1->text(), "&Koniec");
    EXPECT_EQ(form->menuBar()->actions().size(), 4);
}

TEST_F(Window, GlyphShowsTheButtonFaceWhereItsBottomLeftColourWas) {
    const QImage glyph = form->SpeedB1->icon().pixmap(QSize(23, 23)).toImage();
    ASSERT_EQ(glyph.size(), QSize(23, 23));
    EXPECT_EQ(qAlpha(glyph.pixel(0, 22)), 0);
    EXPECT_EQ(qAlpha(glyph.pixel(0, 0)), 0);
    EXPECT_EQ(glyph.pixel(12, 5) & 0xffffffu, positive_colour & 0xffffffu);
}

TEST_F(Window, ReadoutShowsCornersAndCentreWithTwoDecimals) {
    grid_V[0][0] = 1.0 / 3.0;
    grid_Ex[400][400] = -12.345;
    grid_Ey[200][200] = 1234567.891;
    move_to(0, 0);
    EXPECT_EQ(readout(*form), (QStringList{"X = -200", "Y = 200", "V[-200,200]  = 0.33",
                                           "Ex[-200,200] = 0.00", "Ey[-200,200] = 0.00"}));
    move_to(400, 400);
    EXPECT_EQ(form->Label4->text(), "Ex[200,-200] = -12.35");
    EXPECT_EQ(form->Label1->text(), "X = 200");
    EXPECT_EQ(form->Label2->text(), "Y = -200");
    move_to(200, 200);
    EXPECT_EQ(form->Label5->text(), "Ey[0,0] = 1234567.89");
    EXPECT_EQ(mouse_x, 200);
    EXPECT_EQ(mouse_y, 200);
}

TEST_F(Window, SmallNegativeValueKeepsItsMinusSign) {
    grid_V[210][190] = -0.001;
    grid_Ex[210][190] = -0.0; // a zero with the sign bit is not a negative value
    move_to(210, 190);
    EXPECT_EQ(form->Label3->text(), "V[10,10]  = -0.00");
    EXPECT_EQ(form->Label4->text(), "Ex[10,10] = 0.00");
}

TEST_F(Window, DragBeyondTheBoardReadsTheNearestEdge) {
    grid_V[400][0] = 7.0;
    QTest::mousePress(form->Image1, Qt::LeftButton, {}, QPoint(390, 10));
    QMouseEvent drag(QEvent::MouseMove, QPointF(650.0, -80.0),
                     form->Image1->mapToGlobal(QPointF(650.0, -80.0)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(form->Image1, &drag);
    EXPECT_EQ(mouse_x, 400);
    EXPECT_EQ(mouse_y, 0);
    EXPECT_EQ(form->Label3->text(), "V[200,200]  = 7.00");
    form->Image1MouseMove(-5000, 99999);
    EXPECT_EQ(mouse_x, 0);
    EXPECT_EQ(mouse_y, 400);
    send(QEvent::MouseButtonRelease, QPointF(650.0, -80.0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(charge_count, 0);
}

TEST_F(Window, AtMostOneOfTheSixIsDownAndTheDownOneRaisesOnClick) {
    click(form->SpeedB1);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(tool_mode, 1);
    click(form->SpeedB2);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{false, true, false, false, false, false}));
    EXPECT_EQ(tool_mode, -1);
    click(form->SpeedB6);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_EQ(tool_mode, 0);
    click(form->SpeedB6);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
}

TEST_F(Window, AddAndRemoveChargesByClickingTheBoard) {
    click(form->SpeedB1);
    click_board(250, 150);
    ASSERT_EQ(charge_count, 1);
    EXPECT_EQ(charges[1].x, 50);
    EXPECT_EQ(charges[1].y, 50);
    EXPECT_EQ(charges[1].znak, 1);
    EXPECT_EQ(pixel(250 - 8, 150), positive_colour);
    EXPECT_EQ(scene_stage, 1);
    EXPECT_EQ(grids_stale, 1);

    click(form->SpeedB2);
    click_board(100, 300);
    ASSERT_EQ(charge_count, 2);
    EXPECT_EQ(charges[2].znak, -1);
    EXPECT_EQ(pixel(100 - 8, 300), negative_colour);

    click(form->SpeedB6);
    grids_stale = 0;
    click_board(256, 158); // 6 right and 8 down of the first: exactly 10 away
    ASSERT_EQ(charge_count, 1);
    EXPECT_EQ(charges[1].x, -100);
    EXPECT_EQ(pixel(250 - 8, 150), white);
    EXPECT_EQ(pixel(100 - 8, 300), negative_colour);
    EXPECT_EQ(grids_stale, 1);
}

TEST_F(Window, AddClickAfterRaisingTheAddToolDoesNothing) {
    click(form->SpeedB1);
    click(form->SpeedB1);
    EXPECT_EQ(tool_mode, 1);
    click_board(200, 100);
    EXPECT_EQ(charge_count, 0);
    EXPECT_EQ(pixel(195, 100), white);
}

TEST_F(Window, RemoveClickNearNothingLeavesTheBoardAlone) {
    click(form->SpeedB1);
    click_board(300, 300);
    click(form->SpeedB6);
    form->board().set_pixel(50, 50, rgb(1, 2, 3));
    scene_stage = 2;
    grids_stale = 0;
    click_board(100, 100);
    EXPECT_EQ(charge_count, 1);
    EXPECT_EQ(pixel(50, 50), rgb(1, 2, 3));
    EXPECT_EQ(scene_stage, 2);
    EXPECT_EQ(grids_stale, 0);
}

TEST_F(Window, FifteenthChargeShowsTheBoxAndChangesNothing) {
    click(form->SpeedB3); // twelve charges
    click(form->SpeedB1);
    click_board(200, 20);
    click_board(200, 380);
    ASSERT_EQ(charge_count, 14);
    const auto before = charges;
    const std::vector<Rgb> board(form->board().data(), form->board().data() + 401 * 401);
    scene_stage = 2;
    grids_stale = 0;
    const auto text = answer_message_box([&] { click_board(30, 30); });
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, "Maksymalnie 14 ładunków!");
    EXPECT_EQ(charge_count, 14);
    EXPECT_EQ(charges[14].x, before[14].x);
    EXPECT_TRUE(std::equal(board.begin(), board.end(), form->board().data()));
    EXPECT_EQ(scene_stage, 2);
    EXPECT_EQ(grids_stale, 0);
    EXPECT_TRUE(form->SpeedB1->isChecked());
}

TEST_F(Window, DipoleButtonAlwaysEndsDown) {
    click(form->SpeedB5);
    EXPECT_TRUE(form->SpeedB5->isChecked());
    EXPECT_EQ(charge_count, 2);
    EXPECT_EQ(pixel(280 - 8, 200), positive_colour);
    EXPECT_EQ(pixel(120 - 8, 200), negative_colour);
    click(form->SpeedB5);
    EXPECT_TRUE(form->SpeedB5->isChecked());
    EXPECT_EQ(tool_mode, 0);
    EXPECT_EQ(scene_stage, 1);
    EXPECT_EQ(grids_stale, 1);
}

TEST_F(Window, QuadrupoleClickedWhileDownPlacesAgainAndEndsUp) {
    click(form->SpeedB4);
    EXPECT_TRUE(form->SpeedB4->isChecked());
    ASSERT_EQ(charge_count, 4);
    EXPECT_EQ(charges[3].znak, -1);
    EXPECT_EQ(charges[4].znak, -1);
    click(form->SpeedB1);
    click_board(10, 10);
    EXPECT_EQ(charge_count, 5);
    click(form->SpeedB4);
    click(form->SpeedB4);
    EXPECT_FALSE(form->SpeedB4->isChecked());
    EXPECT_EQ(charge_count, 4);
    EXPECT_EQ(pixel(10, 10), white);
    EXPECT_EQ(tool_mode, 0);
}

TEST_F(Window, ClearTakesThePictureThenTheChargesThenNothing) {
    click(form->SpeedB1);
    click_board(250, 150);
    scene_stage = 2; // as after a picture
    form->board().set_pixel(30, 30, rgb(9, 9, 9));
    click(form->Button1);
    EXPECT_EQ(scene_stage, 1);
    EXPECT_EQ(pixel(30, 30), white);
    EXPECT_EQ(pixel(250 - 8, 150), positive_colour);
    EXPECT_EQ(charge_count, 1);
    EXPECT_EQ(tool_mode, 1); // the add tool is still down
    EXPECT_EQ(grids_stale, 1);

    click(form->Button1);
    EXPECT_EQ(scene_stage, 0);
    EXPECT_EQ(charge_count, 0);
    EXPECT_EQ(pixel(250 - 8, 150), white);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
    EXPECT_EQ(tool_mode, 0);
    EXPECT_EQ(grids_stale, 0);

    form->board().set_pixel(30, 30, rgb(9, 9, 9));
    click(form->Button1);
    EXPECT_EQ(pixel(30, 30), rgb(9, 9, 9));
}

TEST_F(Window, PictureClearRaisesThePresetButtons) {
    click(form->SpeedB3);
    scene_stage = 2;
    click(form->Button1);
    EXPECT_FALSE(form->SpeedB3->isChecked());
    EXPECT_EQ(tool_mode, 0);
    EXPECT_EQ(charge_count, 12);
}

TEST_F(Window, FullClearWithTheRemoveToolDownKeepsItDown) {
    click(form->SpeedB5);
    click(form->SpeedB6);
    click(form->Button1);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_EQ(tool_mode, 0);
    EXPECT_EQ(charge_count, 0);
}

TEST_F(Window, ReadoutKeepsTheLastGridValuesAfterTheChargesChange) {
    grid_V[210][200] = 100.0;
    click(form->SpeedB5);
    click(form->Button1);
    move_to(210, 200);
    EXPECT_EQ(form->Label3->text(), "V[10,0]  = 100.00");
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
    form->ProgressBar1->installEventFilter(&counter);
    form->progress_set_position(0);
    form->progress_set_max(400);
    QElapsedTimer pass;
    pass.start();
    for (int i = 0; i < 401; ++i) form->progress_step();
    const qint64 frames = pass.elapsed() / 16;
    EXPECT_EQ(form->ProgressBar1->value(), 400); // stops at its maximum
    // A pass within one frame paints nothing; a slow machine earns one paint a frame.
    EXPECT_LE(counter.paints, frames);

    counter.paints = 0;
    form->progress_set_max(3);
    for (int i = 0; i < 3; ++i) {
        QTest::qSleep(20); // a slow pass: each step is a frame later than the last paint
        form->progress_step();
    }
    EXPECT_EQ(counter.paints, 3);
    form->ProgressBar1->removeEventFilter(&counter);
}
