// The open edges of the whole path, from the window's controls down to the board: samples that
// sit exactly on a level, lines that start on the board's edge, drags past it.
#include "window_fixture.h"

#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <vector>

namespace {

constexpr Rgb blue = equipotential_negative;
constexpr Rgb teal = field_line_colour;
// A handler that has to be cut short by a step cap would still finish; this bound only catches
// one that does not finish at all.
constexpr qint64 handler_bound_ms = 2000;

struct Pixel {
    int column;
    int row;
};

} // namespace

class EdgeCases : public Window {
  protected:
    std::vector<Rgb> board_copy() {
        return {form->board().data(), form->board().data() + board_size * board_size};
    }
    std::vector<Pixel> changed_since(const std::vector<Rgb>& before) {
        std::vector<Pixel> out;
        for (int p = 0; p < board_size; ++p)
            for (int q = 0; q < board_size; ++q)
                if (pixel(p, q) != before[static_cast<std::size_t>(q) * board_size + p])
                    out.push_back({p, q});
        return out;
    }
    // A board click that has to come back within the bound.
    void timed_click_board(int column, int row) {
        QElapsedTimer clock;
        clock.start();
        click_board(column, row);
        EXPECT_LT(clock.elapsed(), handler_bound_ms) << column << "," << row;
    }
};

TEST_F(EdgeCases, VconstOnUntouchedGridsFillsTheBoardFromEveryPairOfZeroSamples) {
    click(form->SpeedB1); // an add tool lets the menu item past the guard with no charges
    form->Vconst1->trigger();
    ASSERT_EQ(tool_mode, 2);
    ASSERT_EQ(grids_stale, 0); // nothing computed: every sample and the level are 0
    const auto before = board_copy();
    timed_click_board(150, 250);
    EXPECT_EQ(scene_stage, 2);
    // Both samples of every pair equal the level: each pair plots its base pixel, in blue.
    for (int p = 0; p < board_size; ++p)
        for (int q = 0; q < board_size; ++q) {
            const Rgb old = before[static_cast<std::size_t>(q) * board_size + p];
            ASSERT_EQ(pixel(p, q), p < 399 && q < 399 ? blue : old) << p << "," << q;
        }
}

TEST_F(EdgeCases, VconstClickWhereTheDipoleCancelsExactlyDrawsTheZeroLevelInBlue) {
    click(form->SpeedB5); // +1 at (80, 0), -1 at (-80, 0)
    form->Vconst1->trigger();
    ASSERT_EQ(grid_V[200][100], 0.0); // mirror images: the two terms cancel to the bit
    click_board(300, 100);            // a positive level leaves the pen orange
    const auto before = board_copy();
    timed_click_board(200, 100);
    EXPECT_EQ(scene_stage, 2);
    for (int q = 0; q < 399; ++q) EXPECT_EQ(pixel(200, q), blue) << q;
    // Elsewhere the level is crossed only beside the charges, whose own pixels read the other
    // charge alone.
    for (const Pixel& c : changed_since(before)) {
        const bool axis = c.column == 200 && c.row < 399;
        const bool beside_charge =
            c.row >= 199 && c.row <= 201 &&
            ((c.column >= 119 && c.column <= 121) || (c.column >= 279 && c.column <= 281));
        EXPECT_TRUE(axis || beside_charge) << c.column << "," << c.row;
    }
}

TEST_F(EdgeCases, FieldLineClickOnTheOutermostRowOrColumnEndsOutwardAtOnce) {
    click(form->SpeedB1);
    click_board(200, 200); // one positive charge at the centre, in line with both clicks
    form->Fr1->trigger();
    ASSERT_EQ(tool_mode, 3);

    // Straight above the charge: outward the field points off the board along column 200, and
    // inward the line runs down to 10 from the charge.
    auto before = board_copy();
    timed_click_board(200, 0);
    for (int q = 1; q < 190; ++q) EXPECT_EQ(pixel(200, q), teal) << q;
    for (const Pixel& c : changed_since(before))
        EXPECT_TRUE(c.column == 200 && c.row <= 190) << c.column << "," << c.row;

    // Level with the charge on the right edge: the same along row 200.
    before = board_copy();
    timed_click_board(400, 200);
    for (int p = 211; p < 400; ++p) EXPECT_EQ(pixel(p, 200), teal) << p;
    for (const Pixel& c : changed_since(before))
        EXPECT_TRUE(c.row == 200 && c.column >= 210) << c.column << "," << c.row;
}

TEST_F(EdgeCases, DragReleasedPastTheEdgeAddsNothingAndOneBackOnTheBoardAddsAtTheEdge) {
    click(form->SpeedB1);
    send(QEvent::MouseButtonPress, QPointF(390.5, 10.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(650.0, -80.0), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(650.0, -80.0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(charge_count, 0);
    EXPECT_EQ(mouse_x, 400);
    EXPECT_EQ(mouse_y, 0);

    // Out past the bottom-left corner and back in: the charge goes where the pointer came back.
    send(QEvent::MouseButtonPress, QPointF(5.5, 395.5), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, QPointF(-40.0, 460.0), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(mouse_x, 0);
    EXPECT_EQ(mouse_y, 400);
    EXPECT_EQ(form->Label1->text(), "X = -200");
    EXPECT_EQ(form->Label2->text(), "Y = -200");
    send(QEvent::MouseMove, QPointF(3.5, 398.5), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(3.5, 398.5), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(charge_count, 1);
    EXPECT_EQ(charges[1].x, -197);
    EXPECT_EQ(charges[1].y, -198);

    // Past the middle of the last pixel is still over the board.
    send(QEvent::MouseButtonPress, QPointF(400.7, 0.6), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, QPointF(400.7, 0.6), Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(charge_count, 2);
    EXPECT_EQ(charges[2].x, 200);
    EXPECT_EQ(charges[2].y, 200);
}
