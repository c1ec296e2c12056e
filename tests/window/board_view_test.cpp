// The board under real pointer events: moves, drags past its edges, clicks and double clicks.
#include "window_fixture.h"

#include <QLabel>

TEST_F(Window, DragReleasedPastTheEdgeAddsNothingAndOneBackOnTheBoardAddsAtTheEdge) {
    click(form->SpeedB1);
    send(QEvent::MouseButtonPress, QPointF(390.5, 10.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(650.0, -80.0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(form->Label1->text(), "X = 200");
    EXPECT_EQ(form->Label2->text(), "Y = 200");
    send(QEvent::MouseButtonRelease, QPointF(650.0, -80.0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(charge_count, 0);
    EXPECT_EQ(mouse_x, 400);
    EXPECT_EQ(mouse_y, 0);

    // Out past the bottom-left corner and back in: the charge goes where the pointer came back.
    send(QEvent::MouseButtonPress, QPointF(5.5, 395.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(-40.0, 460.0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(mouse_x, 0);
    EXPECT_EQ(mouse_y, 400);
    send(QEvent::MouseMove, QPointF(3.5, 398.5), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(3.5, 398.5), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(charge_count, 1);
    EXPECT_EQ(charges[1].x, -197);
    EXPECT_EQ(charges[1].y, -198);

    // Past the middle of the last pixel is still over the board; a press with no move before
    // it lands where it was pressed.
    send(QEvent::MouseButtonPress, QPointF(400.7, 0.6), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(400.7, 0.6), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(charge_count, 2);
    EXPECT_EQ(charges[2].x, 200);
    EXPECT_EQ(charges[2].y, 200);
}

TEST_F(Window, DoubleClickOnTheBoardIsOneClickWithEveryTool) {
    auto double_click = [this](int column, int row) {
        const QPointF at(column + 0.5, row + 0.5);
        move_to(column, row);
        send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    };
    click(form->SpeedB1);
    double_click(100, 100);
    EXPECT_EQ(charge_count, 1);
    click(form->SpeedB2);
    double_click(300, 300);
    ASSERT_EQ(charge_count, 2);
    EXPECT_EQ(charges[2].znak, -1);
    click(form->SpeedB1);
    click_board(300, 315);
    ASSERT_EQ(charge_count, 3);
    click(form->SpeedB6);
    double_click(300, 303);
    ASSERT_EQ(charge_count, 2);
    EXPECT_EQ(charges[2].y, -115);
    // A click after the double click is a click again.
    click_board(300, 315);
    EXPECT_EQ(charge_count, 1);
}
