#include "render/field_lines.h"

#include "lines_reference.h"
#include "model/field.h"
#include "render/board.h"
#include "render/drawing_buffers.h"
#include "test_board.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

using namespace lines_reference;

constexpr Rgb teal = rgb(0, 128, 128);

class FieldLines : public ::testing::Test {
  protected:
    void SetUp() override {
        // as the line through a point and the family leave it for their passes
        board.set_pen_color(teal);
    }

    // A blank board with the given board points painted in the field-line colour.
    static Canvas board_with(const std::vector<BoardPoint>& points) {
        Canvas c(board_size, board_size);
        for (const BoardPoint& p : points) c.set_pixel(column_of_x(p.x), row_of_y(p.y), teal);
        return c;
    }
    static std::vector<BoardPoint> run(int x0, int x1, int y) {
        std::vector<BoardPoint> out;
        for (int x = x0; x <= x1; ++x) out.push_back({x, y});
        return out;
    }

    TestBoard b;
    Canvas board{board_size, board_size};
};

// The starts are the integers nearest to 10 cos(angle) + x and 10 sin(angle) + y. Every
// 10 cos and 10 sin lies at least 0.1 from a half, so a last-bit difference between C
// libraries cannot move one, and neither can adding the integer x or y: the sum is exact or
// off by at most half an ulp of 2^31 = 2^-22, far inside the margin, so Round(10 cos + x) =
// x + Round(10 cos) for every int coordinate.
TEST_F(FieldLines, StartsOfTheAutomaticLinesAreTheRoundedCirclePointsWithAMargin) {
    for (int j = 1; j <= 10; ++j) {
        const double angle = j * 2 * std::numbers::pi / 10 + 0.17453292519943295;
        const double c = 10 * std::cos(angle);
        const double s = 10 * std::sin(angle);
        EXPECT_GE(std::fabs(std::fabs(c - std::trunc(c)) - 0.5), 0.1) << j;
        EXPECT_GE(std::fabs(std::fabs(s - std::trunc(s)) - 0.5), 0.1) << j;
        const BoardPoint at_centre{static_cast<int>(std::nearbyint(c)),
                                   static_cast<int>(std::nearbyint(s))};
        EXPECT_EQ(field_line_start(0, 0, j), at_centre) << j;
        EXPECT_EQ(field_line_start(137, -59, j), (BoardPoint{137 + at_centre.x, at_centre.y - 59}));
    }
}

TEST_F(FieldLines, StepTakesYOnATieAndCarriesTheMinorFractionUntilItMakesAPixel) {
    StepRemainders rem{-0.5, 0.25};
    // y major: one up, and x gets -0.5 + 1 = 0.5, too little to move; y's remainder is kept.
    EXPECT_EQ(field_step({3, 4}, 2.0, 2.0, rem), (BoardPoint{3, 5}));
    EXPECT_EQ(rem.x, 0.5);
    EXPECT_EQ(rem.y, 0.25);
    rem = {};
    EXPECT_EQ(field_step({3, 4}, 1.0, -1.0, rem), (BoardPoint{4, 3})); // diagonal, remainder 0
    EXPECT_EQ(rem.x, 0.0);
    BoardPoint p{0, 0};
    p = field_step(p, 4.0, -3.0, rem); // x major: y gets -0.75
    EXPECT_EQ(p, (BoardPoint{1, 0}));
    EXPECT_EQ(rem.y, -0.75);
    p = field_step(p, 4.0, -3.0, rem); // -1.5: one down, -0.5 carried
    EXPECT_EQ(p, (BoardPoint{2, -1}));
    EXPECT_EQ(rem.y, -0.5);
    p = field_step(p, -0.0, -3.0, rem); // either zero of Ex: straight down, remainders kept
    EXPECT_EQ(p, (BoardPoint{2, -2}));
    EXPECT_EQ(rem.y, -0.5);
    EXPECT_EQ(field_step(p, 0.0, 0.0, rem), p);
}

TEST_F(FieldLines, ClickedLineOfOneChargeRunsToTheEdgeAndStopsTenFromTheCharge) {
    b.charges = {{0, 0, 1}};
    const FieldPassEnd along = trace_field_pass(board, b.charges, 50, 0, +1);
    EXPECT_EQ((BoardPoint{along.x, along.y}), (BoardPoint{200, 0}));
    EXPECT_EQ(along.steps, 150);
    const FieldPassEnd against = trace_field_pass(board, b.charges, 50, 0, -1);
    EXPECT_EQ((BoardPoint{against.x, against.y}), (BoardPoint{10, 0}));
    EXPECT_EQ(against.steps, 40);

    Canvas fresh(board_size, board_size);
    fresh.set_pen_color(rgb(1, 2, 3));
    fresh.set_brush_color(rgb(4, 5, 6));
    draw_field_line_through(fresh, b.charges, 50, 0);
    // Each segment stops short of its end, so neither final point is painted.
    EXPECT_EQ(differing_pixels(fresh, board_with(run(11, 199, 0))), 0);
    EXPECT_EQ(fresh.pen_color(), teal);
    EXPECT_EQ(fresh.brush_color(), rgb(4, 5, 6));
}

TEST_F(FieldLines, CancellingComponentsGiveAVerticalLineEndingWhereTheFieldVanishes) {
    b.charges = {{-20, 0, 1}, {20, 0, 1}};
    const FieldPassEnd up = trace_field_pass(board, b.charges, 0, 50, +1);
    EXPECT_EQ((BoardPoint{up.x, up.y}), (BoardPoint{0, 200}));
    const FieldPassEnd down = trace_field_pass(board, b.charges, 0, 50, -1);
    EXPECT_EQ((BoardPoint{down.x, down.y}), (BoardPoint{0, 0}));
    EXPECT_EQ(down.steps, 52); // fifty down, then two that do not move
    std::vector<BoardPoint> column;
    for (int y = 1; y <= 199; ++y) column.push_back({0, y});
    EXPECT_EQ(differing_pixels(board, board_with(column)), 0);
}

TEST_F(FieldLines, PassEndsWhenItStepsBackOntoThePointItLeft) {
    // The field vanishes between x = 0 and x = 1 and points at that gap from both sides.
    b.charges = {{-20, 0, 1}, {21, 0, 1}};
    const FieldPassEnd end = trace_field_pass(board, b.charges, -5, 0, +1);
    EXPECT_EQ((BoardPoint{end.x, end.y}), (BoardPoint{0, 0}));
    EXPECT_EQ(end.steps, 7);
    EXPECT_EQ(differing_pixels(board, board_with(run(-5, 1, 0))), 0);
}

TEST_F(FieldLines, WithoutChargesNothingVisibleIsDrawn) {
    board.set_pen_color(teal);
    const FieldPassEnd end = trace_field_pass(board, b.charges, 30, 40, +1);
    EXPECT_EQ((BoardPoint{end.x, end.y}), (BoardPoint{30, 40}));
    EXPECT_EQ(end.steps, 1);
    draw_field_line_through(board, b.charges, -100, 7);
    EXPECT_EQ(differing_pixels(board, Canvas(board_size, board_size)), 0);
}

TEST_F(FieldLines, AutomaticLinesOfOneChargeLeaveItWhateverItsSign) {
    b.charges = {{0, 0, 1}};
    const FieldPassEnd first = trace_field_pass(board, b.charges, 7, 7, +1);
    EXPECT_EQ((BoardPoint{first.x, first.y}), (BoardPoint{200, 200}));
    for (int j = 1; j <= 10; ++j) {
        const BoardPoint s = field_line_start(0, 0, j);
        const FieldPassEnd e = trace_field_pass(board, b.charges, s.x, s.y, +1);
        EXPECT_TRUE(e.x == 200 || e.x == -200 || e.y == 200 || e.y == -200) << j;
    }

    Canvas positive(board_size, board_size);
    b.field_lines(positive);
    EXPECT_EQ(positive.brush_color(), white);
    EXPECT_EQ(positive.pen_color(), teal);
    Canvas negative(board_size, board_size);
    b.charges = {{0, 0, -1}};
    b.field_lines(negative);
    EXPECT_EQ(differing_pixels(positive, negative), 0);
    EXPECT_EQ(differing_pixels(positive, board), 0); // the same ten lines, no marker
}

TEST_F(FieldLines, AutomaticLinesDrawOverThePictureWhenGridsAreFresh) {
    b.charges = {{30, -20, 1}, {-60, 50, -1}};
    board.set_pen_color(rgb(200, 0, 0));
    board.set_brush_color(rgb(200, 0, 0));
    board.rectangle(0, 0, board_size, board_size);
    Canvas reference = board;
    b.field_lines(board);
    field_lines(reference, b.charges);
    EXPECT_EQ(differing_pixels(board, reference), 0);
    // The lines traced side by side are drawn in order: the pen ends on the last line's end.
    EXPECT_EQ(board.pen_x(), reference.pen_x());
    EXPECT_EQ(board.pen_y(), reference.pen_y());
    EXPECT_EQ(board.pixel(0, 0), rgb(200, 0, 0));
}

// Passes that the edge, charge and reversal tests alone would never end.
TEST_F(FieldLines, PassFromTheOutermostColumnOrRowEndsOnceItLeavesTheBoard) {
    b.charges = {{0, 0, 1}, {-100, 0, 1}};
    const FieldPassEnd right = trace_field_pass(board, b.charges, 200, 0, +1);
    EXPECT_EQ((BoardPoint{right.x, right.y}), (BoardPoint{201, 0}));
    EXPECT_EQ(right.steps, 1);
    EXPECT_EQ(board.pixel(400, 200), teal);

    b.charges = {{0, 0, -1}, {0, 50, 1}};
    const FieldPassEnd bottom = trace_field_pass(board, b.charges, 0, -200, -1);
    EXPECT_EQ((BoardPoint{bottom.x, bottom.y}), (BoardPoint{0, -201}));
    EXPECT_EQ(bottom.steps, 1);
}

TEST_F(FieldLines, LinesOfAChargeNearTheBorderAllEnd) {
    b.charges = {{195, 0, 1}, {200, 200, -1}};
    for (int i = 1; i <= b.charges.count(); ++i)
        for (int j = 1; j <= 10; ++j) {
            const BoardPoint s = field_line_start(b.charges.slot(i).x, b.charges.slot(i).y, j);
            const FieldPassEnd e =
                trace_field_pass(board, b.charges, s.x, s.y, b.charges.slot(i).sign);
            if (s.x > 200 || s.y > 200) {
                EXPECT_EQ(e.steps, 1) << i << "," << j;
            }
            EXPECT_LT(e.steps, 400) << i << "," << j;
        }
    Canvas reference(board_size, board_size);
    Canvas automatic(board_size, board_size);
    field_lines(reference, b.charges);
    b.field_lines(automatic);
    EXPECT_EQ(differing_pixels(automatic, reference), 0);
}

TEST_F(FieldLines, PassStopsAtTheStepCapWithItsLastSegmentDrawn) {
    b.charges = {{0, 0, 1}};
    const FieldPassEnd end = trace_field_pass(board, b.charges, 50, 0, +1, 5);
    EXPECT_EQ((BoardPoint{end.x, end.y}), (BoardPoint{55, 0}));
    EXPECT_EQ(end.steps, 5);
    EXPECT_EQ(differing_pixels(board, board_with(run(50, 54, 0))), 0);
}

// The pass through the offset table against one summing every term by its own formula.
TEST_F(FieldLines, TableTermsDrawTheSameLinesAsDirectEvaluation) {
    std::vector<std::vector<Charge>> sets = {
        {{80, 0, 1}, {-80, 0, -1}},
        {{80, 80, 1}, {-80, -80, 1}, {80, -80, -1}, {-80, 80, -1}},
        {{195, -190, 1}, {-200, 200, -1}, {0, 0, 1}},
    };
    for (unsigned seed = 11; seed <= 14; ++seed) sets.push_back(random_charges(seed, 14));
    b.charges = capacitor_charges();
    sets.push_back({b.charges.stored().begin(), b.charges.stored().end()});
    for (const std::vector<Charge>& set : sets) {
        b.charges = charge_set(set);
        Canvas fast(board_size, board_size);
        Canvas direct(board_size, board_size);
        b.field_lines(fast);
        field_lines(direct, b.charges);
        for (int x = -200; x <= 200; x += 37)
            for (int y = -200; y <= 200; y += 41) {
                draw_field_line_through(fast, b.charges, x, y);
                field_pass(direct, b.charges, x, y, +1);
                field_pass(direct, b.charges, x, y, -1);
            }
        EXPECT_EQ(differing_pixels(fast, direct), 0) << set.size();
    }
}

} // namespace

// While a charge is dragged, the family starts each step from the kept sums of the charges placed
// before it; every frame must still trace what a board drawing the family afresh traces. The
// last charge moves, then one in the middle (once beyond the board's edge, where no step reads
// the table), then the first; in the second set two like charges' x terms cancel to +0.
TEST(FieldLineFamily, DraggedChargeFramesTraceWhatAFreshBoardTraces) {
    const std::vector<Charge> cancelling = {{-50, 0, 1}, {50, 0, 1}, {0, 120, -1}, {0, -90, 1}};
    for (const std::vector<Charge>& set : {random_charges(21, 14), cancelling}) {
        const int last = static_cast<int>(set.size()) - 1;
        auto kept = std::make_unique<DrawingBuffers>();
        trace_field_line_family(charge_set(set), *kept);
        for (const int slot : {last, last / 2, 0})
            for (int frame = 1; frame <= 4; ++frame) {
                std::vector<Charge> moved = set;
                Charge& c = moved[static_cast<std::size_t>(slot)];
                c = {slot == last / 2 && frame == 3 ? 230 : c.x + 3 * frame, c.y - 2 * frame,
                     c.sign};
                trace_field_line_family(charge_set(moved), *kept);
                auto fresh = std::make_unique<DrawingBuffers>();
                trace_field_line_family(charge_set(moved), *fresh);
                ASSERT_TRUE(kept->passes == fresh->passes)
                    << "slot " << slot << ", frame " << frame;
            }
    }
}
