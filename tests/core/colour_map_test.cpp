#include "model/charges.h"
#include "model/field.h"
#include "reference.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "test_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int cells = board_size * board_size;

bool same_pixels(const Canvas& a, const Canvas& b) {
    return a.width() == b.width() && a.height() == b.height() &&
           std::equal(a.data(), a.data() + a.width() * a.height(), b.data());
}

void paint_all(Canvas& c, Rgb colour) {
    std::fill_n(c.data(), c.width() * c.height(), colour);
}

class ColourMap : public ::testing::Test {
  protected:
    void put(int x, int y, int sign) { b.charges.append({x, y, sign}); }
    Rgb pen() const { return to_rgb(b.pen); }
    // The finished map as drawn over any board: the axes over the painted pixels, markers on
    // top.
    Canvas map_of(const std::vector<std::pair<std::pair<int, int>, Rgb>>& painted) const {
        Canvas map(board_size, board_size);
        for (const auto& [at, colour] : painted) map.set_pixel(at.first, at.second, colour);
        map.move_to(200, 0);
        map.line_to(200, 401);
        map.move_to(0, 200);
        map.line_to(401, 200);
        draw_charge_markers(map, b.charges);
        return map;
    }

    TestBoard b;
    Canvas board{board_size, board_size};
};

TEST_F(ColourMap, NoChargesLeavesBoardAndStateUntouched) {
    draw_empty_board(board);
    board.set_pixel(7, 9, rgb(1, 2, 3));
    const Canvas before = board;
    b.pen = {4, 5, 6};
    b.progress = {};
    RecordingProgress& bar = b.progress;
    EXPECT_FALSE(b.paint_map(board));
    EXPECT_TRUE(same_pixels(board, before));
    EXPECT_EQ(pen(), rgb(4, 5, 6));
    EXPECT_TRUE(bar.events.empty());
}

TEST_F(ColourMap, SinglePositiveChargeShowsOnlyThePositiveHalfUnderBlackAxes) {
    put(50, 50, 1); // pixel (250, 150), its marker clear of the axes
    b.compute();
    b.paint_map(board);
    EXPECT_EQ(board.pixel(260, 150), rgb(255, 51, 0)); // V = 100, just outside the marker
    int negative_colours = 0;
    int grey_axis = 0;
    for (int y = 0; y < board_size; ++y)
        for (int x = 0; x < board_size; ++x) {
            const Rgb c = board.pixel(x, y);
            if (red_of(c) < 255 && blue_of(c) > 0) ++negative_colours;
            if ((x == 200 || y == 200) && c != black) ++grey_axis;
        }
    EXPECT_EQ(negative_colours, 0);
    EXPECT_EQ(grey_axis, 0);
}

TEST_F(ColourMap, RampGivesItsColoursAtTheEndsAndRoundsHalvesToEven) {
    // With these ends both scale factors are exactly 1 and -1, so the quotients are exact.
    b.grids.range.max = 510;
    b.grids.range.min = -510;
    put(-150, 150, 1);                // a marker to draw at the end
    paint_all(board, rgb(0, 128, 0)); // the map replaces every pixel
    const std::vector<std::pair<double, Rgb>> samples{
        {510, rgb(255, 0, 0)},       {255, rgb(255, 255, 0)},    {-255, rgb(0, 255, 255)},
        {-510, rgb(0, 0, 255)},      {2.5, rgb(255, 255, 253)},  {3.5, rgb(255, 255, 251)},
        {256.5, rgb(255, 253, 0)},   {-2.5, rgb(253, 255, 255)}, {-256.5, rgb(0, 253, 255)},
        {1e-300, rgb(255, 255, 255)}};
    std::vector<std::pair<std::pair<int, int>, Rgb>> painted;
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const int row = 10 + 10 * static_cast<int>(k);
        b.grids.v()[300][row] = samples[k].first;
        painted.push_back({{300, row}, samples[k].second});
    }
    b.grids.v()[310][10] = 510.5; // out of range: left white
    b.grids.v()[310][20] = -510.5;
    b.paint_map(board);
    EXPECT_TRUE(same_pixels(board, map_of(painted)));
}

TEST_F(ColourMap, PenKeepsTheColourOfTheLastPixelPaintedColumnByColumn) {
    b.grids.range.max = 510;
    b.grids.range.min = -510;
    put(0, 0, 1);
    std::fill_n(&b.grids.v()[0][0], cells, 1000.0); // all out of range
    b.pen = {1, 2, 3};
    b.paint_map(board);
    EXPECT_EQ(pen(), rgb(1, 2, 3));

    b.grids.v()[10][399] = 300.0; // last in row order
    b.grids.v()[11][0] = -300.0;  // last in column order
    b.paint_map(board);
    EXPECT_EQ(pen(), rgb(0, 210, 255));
    EXPECT_EQ(board.pixel(10, 399), rgb(255, 210, 0));
}

TEST_F(ColourMap, ExactZeroPaintsWhiteAndLeavesThePenWhite) {
    // Both charges are 10 from the corner pixel (400, 400) and from every pixel of the
    // diagonal, where their potentials cancel exactly; the corner is the last pixel painted.
    put(200, -190, 1);
    put(190, -200, -1);
    b.compute();
    b.pen = {1, 2, 3};
    b.paint_map(board);
    EXPECT_EQ(pen(), white);
    int coloured = 0;
    for (int k = 0; k < 380; ++k)
        if (k != 200 && board.pixel(k, k) != white) ++coloured;
    EXPECT_EQ(coloured, 0);
    EXPECT_EQ(board.pixel(400, 400), white);
    EXPECT_NE(board.pixel(370, 380), white); // off the diagonal the map has colour
}

TEST_F(ColourMap, ProgressBarStepsOncePerColumnAndEndsEmpty) {
    using Call = RecordingProgress::Call;
    put(-20, 35, -1);
    b.compute();
    b.progress = {};
    RecordingProgress& bar = b.progress;
    EXPECT_TRUE(b.paint_map(board));
    std::vector<RecordingProgress::Event> calls{{Call::set_position, 0}, {Call::set_max, 400}};
    calls.insert(calls.end(), board_size, {Call::step, 0});
    calls.push_back({Call::set_position, 0});
    EXPECT_EQ(bar.events, calls);
    EXPECT_EQ(bar.highest_position, 400);
}

TEST_F(ColourMap, MatchesPixelByPixelPaintingForArrangementsAndRandomSets) {
    std::mt19937 rng(7013);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int set = 0; set < 8; ++set) {
        b.charges.clear();
        if (set == 0) {
            b.charges = capacitor_charges();
        } else if (set == 1) {
            b.charges = dipole_charges();
        } else if (set == 2) {
            b.charges = quadrupole_charges(-1);
        } else {
            const int n = pick(1, max_charges);
            for (int i = 0; i < n; ++i) put(pick(-200, 200), pick(-200, 200), pick(0, 1) ? 1 : -1);
        }
        SCOPED_TRACE(::testing::Message() << "set " << set);
        b.compute();
        Canvas expected(board_size, board_size);
        b.pen = {9, 9, 9};
        reference::paint_colour_map(expected, b.grids, b.charges, b.pen);
        const Rgb expected_pen = pen();
        b.pen = {9, 9, 9};
        b.paint_map(board);
        EXPECT_TRUE(same_pixels(board, expected));
        EXPECT_EQ(pen(), expected_pen);
    }
}

} // namespace
