// The board under real pointer events: moves, drags past its edges, clicks and double clicks.
#include "window_fixture.h"

#include <QLabel>
#include <QPushButton>

TEST_F(Window, DragReleasedPastTheEdgeAddsNothingAndOneBackOnTheBoardAddsAtTheEdge) {
    click("add_positive_tool");
    send(QEvent::MouseButtonPress, QPointF(390.5, 10.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(650.0, -80.0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(form->control<QLabel>("x_readout")->text(), "X = 200");
    EXPECT_EQ(form->control<QLabel>("y_readout")->text(), "Y = 200");
    send(QEvent::MouseButtonRelease, QPointF(650.0, -80.0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(charge_count(), 0);
    EXPECT_EQ(state().pointer_column, 400);
    EXPECT_EQ(state().pointer_row, 0);

    // Out past the bottom-left corner and back in: the charge goes where the pointer came back.
    send(QEvent::MouseButtonPress, QPointF(5.5, 395.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(-40.0, 460.0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(state().pointer_column, 0);
    EXPECT_EQ(state().pointer_row, 400);
    send(QEvent::MouseMove, QPointF(3.5, 398.5), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(3.5, 398.5), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(charge_count(), 1);
    EXPECT_EQ(charge(1).x, -197);
    EXPECT_EQ(charge(1).y, -198);

    // Past the middle of the last pixel is still over the board; a press with no move before
    // it lands where it was pressed.
    send(QEvent::MouseButtonPress, QPointF(400.7, 0.6), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(400.7, 0.6), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(charge_count(), 2);
    EXPECT_EQ(charge(2).x, 200);
    EXPECT_EQ(charge(2).y, 200);
}

TEST_F(Window, ADraggedChargeFollowsThePointerWithAClosedHandAndEscapePutsItBack) {
    click("dipole_button"); // the dipole, and no tool chosen
    click("colour_map_button");
    move_to(280, 200);
    EXPECT_EQ(board_view()->cursor().shape(), Qt::OpenHandCursor);
    send(QEvent::MouseButtonPress, QPointF(280.5, 200.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(300.5, 150.5), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(board_view()->cursor().shape(), Qt::ClosedHandCursor);
    board_view()->grab(); // the frame: the board follows as it is painted
    EXPECT_EQ(form->logic().setup_text(), "v1;p100,50;n-80,0;V");
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(form->logic().setup_text(), "v1;p80,0;n-80,0;V");
    send(QEvent::MouseButtonRelease, QPointF(300.5, 150.5), Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseButtonPress, QPointF(280.5, 200.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(250.5, 100.5), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(250.5, 100.5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form->logic().setup_text(), "v1;p50,100;n-80,0;V");
    EXPECT_EQ(pixel(250, 100 - 8), positive_colour);
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
    click("add_positive_tool");
    double_click(100, 100);
    EXPECT_EQ(charge_count(), 1);
    click("add_negative_tool");
    double_click(300, 300);
    ASSERT_EQ(charge_count(), 2);
    EXPECT_EQ(charge(2).sign, -1);
    click("add_positive_tool");
    click_board(300, 315);
    ASSERT_EQ(charge_count(), 3);
    click("remove_tool");
    double_click(300, 303);
    ASSERT_EQ(charge_count(), 2);
    EXPECT_EQ(charge(2).y, -115);
    // A click after the double click is a click again.
    click_board(300, 315);
    EXPECT_EQ(charge_count(), 1);
}

TEST_F(Window, RightClickDoesNothingOnTheBoardInAnyToolModeNorSpoilsALeftClick) {
    click("dipole_button");
    click("equipotentials_button");
    auto right_click = [this](QPointF at) {
        send(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
        send(QEvent::MouseButtonDblClick, at, Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    };
    // No tool, add +, add -, remove (on the positive charge), equipotential, field line.
    for (QAbstractButton* tool : std::initializer_list<QAbstractButton*>{
             nullptr, form->control<QToolButton>("add_positive_tool"),
             form->control<QToolButton>("add_negative_tool"),
             form->control<QToolButton>("remove_tool"),
             form->control<QPushButton>("equipotential_tool"),
             form->control<QPushButton>("field_line_tool")}) {
        if (tool) click(tool);
        move_to(100, 100);
        const std::vector<Rgb> board(form->board().data(),
                                     form->board().data() + board_size * board_size);
        const ChargeSet table = form->logic().board_state().charges;
        const int count = charge_count();
        const auto pictures = form->logic().pictures();
        right_click(QPointF(280.5, 200.5));
        right_click(QPointF(100.5, 50.5));
        EXPECT_TRUE(std::equal(board.begin(), board.end(), form->board().data()));
        EXPECT_EQ(charge_count(), count);
        EXPECT_TRUE(form->logic().board_state().charges == table);
        EXPECT_EQ(form->logic().pictures(), pictures);
        EXPECT_EQ(form->control<QLabel>("x_readout")->text(),
                  "X = -100"); // the readout stays where the pointer was
    }
    // A right click in the middle of a left one leaves the left click whole.
    click("add_positive_tool");
    move_to(50, 60);
    send(QEvent::MouseButtonPress, QPointF(50.5, 60.5), Qt::LeftButton, Qt::LeftButton);
    right_click(QPointF(50.5, 60.5));
    send(QEvent::MouseButtonRelease, QPointF(50.5, 60.5), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(charge_count(), 3);
    EXPECT_EQ(charge(3).x, -150);
}
