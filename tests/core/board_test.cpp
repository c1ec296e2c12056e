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
    start(board);
    return board;
}

void store(int slot, int x, int y, int znak) {
    charges[static_cast<std::size_t>(slot)] = {x, y, znak};
    if (charge_count < slot) charge_count = slot;
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
    void SetUp() override {
        clear_charges();
        scratch_bitmap.reset();
        saved_face_ = button_face;
        button_face = face;
    }
    void TearDown() override {
        clear_charges();
        scratch_bitmap.reset();
        button_face = saved_face_;
    }

  private:
    Rgb saved_face_ = 0;
};

using EmptyBoard = BoardTest;
using ChargeMarker = BoardTest;
using Glyphs = BoardTest;

} // namespace

TEST_F(EmptyBoard, IsWhiteWithABlackFrameAndAxesThroughTheCentrePixel) {
    Canvas board(board_size, board_size);
    fill(board, junk);
    start(board);
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
    EXPECT_FALSE(scratch_bitmap.has_value());
}

TEST_F(ChargeMarker, PositiveIsARedDiscWithAWhitePlusOverTheAxes) {
    Canvas board = empty_board();
    const Canvas before = board;
    store(1, 0, 0, 1);
    board.set_pen_color(junk);
    board.set_brush_color(junk);
    rysuj_lad(board, 1);
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
    rysuj_lad(board, 3);
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
    for (int i = 1; i <= 3; ++i) rysuj_lad(board, i);
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
    rysuj_lad(board, 1);
    rysuj_lad(board, 2);
    EXPECT_EQ(board.pixel(204, 196), negative_colour);
    Canvas reversed = empty_board();
    rysuj_lad(reversed, 2);
    rysuj_lad(reversed, 1);
    EXPECT_EQ(reversed.pixel(204, 196), positive_colour);
}

TEST_F(ChargeMarker, SlotOutsideOneToFourteenDrawsNothing) {
    for (int i = 1; i <= max_charges; ++i) store(i, 0, 0, 1);
    Canvas board = empty_board();
    const Canvas before = board;
    for (const int slot : {0, -1, 15, INT_MIN, INT_MAX}) rysuj_lad(board, slot);
    EXPECT_TRUE(drawn_over(board, before, {}));
}

TEST_F(Glyphs, AddButtonsShowOneLargeSymbolOnTheButtonFace) {
    paint_glyph(GlyphButton::SpeedB1);
    ASSERT_TRUE(scratch_bitmap.has_value());
    const Canvas positive = *scratch_bitmap;
    paint_glyph(GlyphButton::SpeedB2);
    const Canvas negative = *scratch_bitmap;

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
    paint_glyph(GlyphButton::SpeedB5);
    ASSERT_EQ(scratch_bitmap->width(), 48);
    ASSERT_EQ(scratch_bitmap->height(), 23);
    Canvas background(48, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 48; ++x) background.set_pixel(x, y, x == 0 || y == 0 ? black : face);
    EXPECT_TRUE(drawn_over(
        *scratch_bitmap, background,
        {{12, 12, negative_colour, false, large}, {37, 12, positive_colour, true, large}}));
}

TEST_F(Glyphs, QuadrupoleAndCapacitorPlaceTheirSymbolsInTwoColumns) {
    Canvas background(48, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) background.set_pixel(x, y, x == 0 || y == 0 ? black : face);

    paint_glyph(GlyphButton::SpeedB4);
    ASSERT_EQ(scratch_bitmap->width(), 48);
    ASSERT_EQ(scratch_bitmap->height(), 48);
    EXPECT_TRUE(drawn_over(*scratch_bitmap, background,
                           {{12, 12, negative_colour, false, large},
                            {12, 37, positive_colour, true, large},
                            {37, 12, positive_colour, true, large},
                            {37, 37, negative_colour, false, large}}));

    paint_glyph(GlyphButton::SpeedB3);
    ASSERT_EQ(scratch_bitmap->width(), 48);
    ASSERT_EQ(scratch_bitmap->height(), 48);
    std::vector<Symbol> plates;
    for (const int y : {9, 24, 39}) {
        plates.push_back({12, y, positive_colour, true, small});
        plates.push_back({37, y, negative_colour, false, small});
    }
    EXPECT_TRUE(drawn_over(*scratch_bitmap, background, plates));
}

TEST_F(Glyphs, RemoveButtonIsAPositiveSymbolStruckThroughByAGreenDiagonal) {
    paint_glyph(GlyphButton::SpeedB1);
    const Canvas positive = *scratch_bitmap;
    paint_glyph(GlyphButton::SpeedB6);
    const Canvas& remove = *scratch_bitmap;
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

TEST_F(Glyphs, BuildGlyphsHandsSixPicturesInButtonOrderAndReleasesTheBitmap) {
    const std::vector<GlyphButton> order = {GlyphButton::SpeedB1, GlyphButton::SpeedB2,
                                            GlyphButton::SpeedB5, GlyphButton::SpeedB4,
                                            GlyphButton::SpeedB3, GlyphButton::SpeedB6};
    std::vector<GlyphButton> seen;
    std::vector<Canvas> pictures;
    build_glyphs([&](GlyphButton b, const Canvas& glyph) {
        seen.push_back(b);
        pictures.push_back(glyph);
    });
    EXPECT_FALSE(scratch_bitmap.has_value());
    ASSERT_EQ(seen, order);
    for (std::size_t i = 0; i < order.size(); ++i) {
        paint_glyph(order[i]);
        EXPECT_TRUE(drawn_over(pictures[i], *scratch_bitmap, {})) << i;
    }
}
