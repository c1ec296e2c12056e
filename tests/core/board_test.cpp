#include "model/charges.h"
#include "render/board.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr Rgb junk = rgb(90, 200, 17);
constexpr Rgb face = rgb(10, 20, 30);

void fill(Canvas& c, Rgb colour) {
    c.set_pen_color(colour);
    c.set_brush_color(colour);
    c.rectangle(0, 0, c.width(), c.height());
}

Canvas empty_board() {
    Canvas board(board_size, board_size);
    draw_empty_board(board);
    return board;
}

// Where a pixel lies relative to a charge symbol centred on pixel (0, 0): the bars are
// 2a wide and 2b long, the disc is of radius r about the symbol's centre.
struct SymbolShape {
    int r, a, b;
};
constexpr SymbolShape large{10, 2, 5};
constexpr SymbolShape small{7, 1, 3};

bool on_bar(SymbolShape s, bool with_vertical, int dx, int dy) {
    const bool horizontal = dx >= -s.b && dx < s.b && dy >= -s.a && dy < s.a;
    const bool vertical = dx >= -s.a && dx < s.a && dy >= -s.b && dy < s.b;
    return horizontal || (with_vertical && vertical);
}

// The exact rim of a rasterised disc is free, so only pixels a clear pixel inside or outside
// the circle are held to a colour; those in between may be either.
enum class Zone { bar, disc, rim, outside };
Zone zone(SymbolShape s, bool with_vertical, int dx, int dy) {
    if (on_bar(s, with_vertical, dx, dy)) return Zone::bar;
    const double ex = dx + 0.5;
    const double ey = dy + 0.5;
    const double d2 = ex * ex + ey * ey;
    if (d2 <= (s.r - 1.0) * (s.r - 1.0)) return Zone::disc;
    if (d2 >= (s.r + 1.0) * (s.r + 1.0)) return Zone::outside;
    return Zone::rim;
}

struct Symbol {
    int x, y;
    Rgb colour;
    bool with_vertical;
    SymbolShape shape;
};

// Every pixel of `after` is checked: a symbol's bars white, its disc in its colour, and every
// pixel outside the discs as in `before`.
testing::AssertionResult drawn_over(const Canvas& after, const Canvas& before,
                                    const std::vector<Symbol>& symbols) {
    if (after.width() != before.width() || after.height() != before.height())
        return testing::AssertionFailure() << "sizes differ";
    int wrong = 0;
    std::string where;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            Rgb want = before.pixel(x, y);
            bool either = false;
            for (const Symbol& s : symbols) {
                switch (zone(s.shape, s.with_vertical, x - s.x, y - s.y)) {
                case Zone::bar:
                    want = white;
                    break;
                case Zone::disc:
                    want = s.colour;
                    break;
                case Zone::rim:
                    either = true;
                    break;
                case Zone::outside:
                    break;
                }
            }
            const Rgb got = after.pixel(x, y);
            if (got == want) continue;
            if (either) {
                bool allowed = got == before.pixel(x, y);
                for (const Symbol& s : symbols) allowed = allowed || got == s.colour;
                if (allowed) continue;
            }
            if (++wrong <= 8) where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
    if (wrong == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << wrong << " pixels wrong:" << where;
}

class BoardTest : public testing::Test {
  protected:
    void store(int slot, int x, int y, int sign) { slots[slot] = {x, y, sign}; }
    void draw_slot(Canvas& board, int slot) { draw_charge_marker(board, slots[slot]); }

    Charge slots[max_charges + 1];
};

using EmptyBoard = BoardTest;
using ChargeMarker = BoardTest;
using Glyphs = BoardTest;

} // namespace

TEST_F(EmptyBoard, IsWhiteWithABlackFrameAndAxesThroughTheCentrePixel) {
    Canvas board(board_size, board_size);
    fill(board, junk);
    draw_empty_board(board);
    Canvas want(board_size, board_size);
    for (int i = 0; i < board_size; ++i) {
        for (const int edge : {0, 200, 400}) {
            want.set_pixel(edge, i, black);
            want.set_pixel(i, edge, black);
        }
    }
    EXPECT_TRUE(drawn_over(board, want, {}));
    for (const auto& [x, y] : std::initializer_list<std::pair<int, int>>{
             {200, 0}, {200, 400}, {0, 200}, {400, 200}, {200, 200}})
        EXPECT_EQ(board.pixel(x, y), black) << x << "," << y;
    EXPECT_EQ(board.pixel(201, 100), white);
    EXPECT_EQ(board.pixel(100, 201), white);
}

TEST_F(ChargeMarker, PositiveIsARedDiscWithAWhitePlusOverTheAxes) {
    Canvas board = empty_board();
    const Canvas before = board;
    store(1, 0, 0, 1);
    board.set_pen_color(junk);
    board.set_brush_color(junk);
    draw_slot(board, 1);
    EXPECT_TRUE(drawn_over(board, before, {{200, 200, positive_colour, true, large}}));
    EXPECT_EQ(board.pixel(200, 200), white);
    EXPECT_EQ(board.pixel(200, 192), positive_colour);
    EXPECT_EQ(board.pixel(199, 204), white);
    EXPECT_EQ(board.pixel(199, 205), positive_colour);
    EXPECT_EQ(board.pen_color(), black);
    EXPECT_EQ(board.brush_color(), black);
    EXPECT_EQ(board.pen_width(), 1);
}

TEST_F(ChargeMarker, NegativeIsABlueDiscWithOnlyTheHorizontalBar) {
    Canvas board = empty_board();
    const Canvas before = board;
    store(1, 90, 90, 1);
    store(3, -50, 60, -1);
    draw_slot(board, 3);
    EXPECT_TRUE(drawn_over(board, before, {{150, 140, negative_colour, false, large}}));
    EXPECT_EQ(board.pixel(145, 138), white);
    EXPECT_EQ(board.pixel(148, 135), negative_colour);
    EXPECT_EQ(board.pen_color(), black);
    EXPECT_EQ(board.brush_color(), black);
}

TEST_F(ChargeMarker, OnTheBoardsEdgeDrawsOnlyTheOnBoardPart) {
    Canvas board = empty_board();
    const Canvas before = board;
    store(1, 200, 37, 1);
    store(2, -13, -200, -1);
    store(3, 200, -200, 1);
    for (int i = 1; i <= 3; ++i) draw_slot(board, i);
    EXPECT_TRUE(drawn_over(board, before,
                           {{400, 163, positive_colour, true, large},
                            {187, 400, negative_colour, false, large},
                            {400, 400, positive_colour, true, large}}));
    EXPECT_EQ(board.pixel(400, 163), white);
    EXPECT_EQ(board.pixel(392, 163), positive_colour);
    EXPECT_EQ(board.pixel(187, 392), negative_colour);
}

TEST_F(ChargeMarker, TheLaterOfTwoOverlappingMarkersIsOnTop) {
    store(1, 0, 0, 1);
    store(2, 8, 0, -1);
    Canvas board = empty_board();
    draw_slot(board, 1);
    draw_slot(board, 2);
    EXPECT_EQ(board.pixel(204, 196), negative_colour);
    Canvas reversed = empty_board();
    draw_slot(reversed, 2);
    draw_slot(reversed, 1);
    EXPECT_EQ(reversed.pixel(204, 196), positive_colour);
}

TEST_F(Glyphs, AddButtonsShowOneLargeSymbolOnTheButtonFace) {
    const Canvas positive = paint_glyph(Glyph::add_positive, face);
    const Canvas negative = paint_glyph(Glyph::add_negative, face);

    Canvas background(23, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 23; ++x) background.set_pixel(x, y, x == 0 || y == 0 ? black : face);
    ASSERT_EQ(positive.width(), 23);
    ASSERT_EQ(positive.height(), 23);
    EXPECT_TRUE(drawn_over(positive, background, {{12, 12, positive_colour, true, large}}));
    ASSERT_EQ(negative.width(), 23);
    ASSERT_EQ(negative.height(), 23);
    EXPECT_TRUE(drawn_over(negative, background, {{12, 12, negative_colour, false, large}}));
    EXPECT_EQ(positive.pixel(0, 22), black); // the corner a button takes as transparent
}

TEST_F(Glyphs, DipoleShowsANegativeSymbolLeftOfAPositiveOne) {
    const Canvas dipole = paint_glyph(Glyph::dipole, face);
    ASSERT_EQ(dipole.width(), 48);
    ASSERT_EQ(dipole.height(), 23);
    Canvas background(48, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 48; ++x) background.set_pixel(x, y, x == 0 || y == 0 ? black : face);
    EXPECT_TRUE(drawn_over(
        dipole, background,
        {{12, 12, negative_colour, false, large}, {37, 12, positive_colour, true, large}}));
}

TEST_F(Glyphs, QuadrupoleAndCapacitorPlaceTheirSymbolsInTwoColumns) {
    Canvas background(48, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) background.set_pixel(x, y, x == 0 || y == 0 ? black : face);

    const Canvas quadrupole = paint_glyph(Glyph::quadrupole, face);
    ASSERT_EQ(quadrupole.width(), 48);
    ASSERT_EQ(quadrupole.height(), 48);
    EXPECT_TRUE(drawn_over(quadrupole, background,
                           {{12, 12, negative_colour, false, large},
                            {12, 37, positive_colour, true, large},
                            {37, 12, positive_colour, true, large},
                            {37, 37, negative_colour, false, large}}));

    const Canvas capacitor = paint_glyph(Glyph::capacitor, face);
    ASSERT_EQ(capacitor.width(), 48);
    ASSERT_EQ(capacitor.height(), 48);
    std::vector<Symbol> plates;
    for (const int y : {9, 24, 39}) {
        plates.push_back({12, y, positive_colour, true, small});
        plates.push_back({37, y, negative_colour, false, small});
    }
    EXPECT_TRUE(drawn_over(capacitor, background, plates));
}

TEST_F(Glyphs, RemoveButtonIsAPositiveSymbolStruckThroughByAGreenDiagonal) {
    const Canvas positive = paint_glyph(Glyph::add_positive, face);
    const Canvas remove = paint_glyph(Glyph::remove, face);
    ASSERT_EQ(remove.width(), 23);
    ASSERT_EQ(remove.height(), 23);
    // The two-pixel pen may spread one pixel off the diagonal; everything further is untouched.
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 23; ++x) {
            const Rgb p = remove.pixel(x, y);
            const int off_diagonal = x > y ? x - y : y - x;
            if (off_diagonal == 0) {
                EXPECT_EQ(p, remove_green) << x;
            } else if (off_diagonal > 1) {
                EXPECT_EQ(p, positive.pixel(x, y)) << x << "," << y;
            } else {
                EXPECT_TRUE(p == remove_green || p == positive.pixel(x, y)) << x << "," << y;
            }
        }
}

TEST_F(Glyphs, TheFaceColourIsTheOnlyDifferenceBetweenTwoFaces) {
    const Rgb other_face = rgb(200, 100, 50);
    for (const Glyph g : glyphs_in_order) {
        const Canvas one = paint_glyph(g, face);
        Canvas other = paint_glyph(g, other_face);
        ASSERT_EQ(one.width(), other.width());
        for (int y = 0; y < one.height(); ++y)
            for (int x = 0; x < one.width(); ++x)
                if (other.pixel(x, y) == other_face) other.set_pixel(x, y, face);
        EXPECT_TRUE(drawn_over(one, other, {})) << static_cast<int>(g);
    }
}
