#include "render/equipotentials.h"

#include "lines_reference.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "test_board.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using namespace lines_reference;

constexpr Rgb orange = rgb(255, 125, 0);
constexpr Rgb blue = rgb(0, 28, 164);

class Equipotentials : public ::testing::Test {
  protected:
    void fill_grid(const std::function<double(int, int)>& value) {
        for (int p = 0; p < board_size; ++p)
            for (int q = 0; q < board_size; ++q) b.grids.v()[p][q] = value(p, q);
    }
    // The board point x has the potential x, so a level L lies on column column_of_x(L).
    void fill_ramp_along_x() {
        fill_grid([](int p, int) { return static_cast<double>(x_of_column(p)); });
    }
    // Colour of every column in the rows a line reaches, or white for an untouched column;
    // fails when a column is painted unevenly.
    static std::vector<Rgb> column_colours(const Canvas& board) {
        std::vector<Rgb> out;
        for (int p = 0; p < board.width(); ++p) {
            const Rgb c = board.pixel(p, 0);
            for (int q = 0; q < 399; ++q) EXPECT_EQ(board.pixel(p, q), c) << p << "," << q;
            for (int q = 399; q < board.height(); ++q) EXPECT_EQ(board.pixel(p, q), white);
            out.push_back(c);
        }
        return out;
    }
    static void expect_family_columns(const Canvas& board, int step, bool with_orange,
                                      bool with_blue) {
        std::vector<Rgb> expected(board_size, white);
        for (int k = 0; k < 12 && with_orange; ++k)
            expected[static_cast<std::size_t>(column_of_x(k * step))] = orange;
        for (int k = 0; k < 12 && with_blue; ++k)
            expected[static_cast<std::size_t>(column_of_x(-k * step))] = blue;
        EXPECT_EQ(column_colours(board), expected);
    }
    void run_family_over_ramp(double lowest, double highest) {
        fill_ramp_along_x();
        b.grids.range.min = lowest;
        b.grids.range.max = highest;
        b.equipotentials(board);
    }

    TestBoard b;
    Canvas board{board_size, board_size};
};

TEST_F(Equipotentials, SampleOnTheLevelIsPlottedAtItsOwnPixelOnly) {
    fill_grid([](int, int) { return 1000.0; });
    b.grids.v()[3][3] = 5;
    b.pen = {255, 125, 0};
    Canvas small(8, 8);
    b.equipotential_level(small, 5);
    EXPECT_EQ(small.pixel(3, 3), orange);
    small.set_pixel(3, 3, white);
    EXPECT_EQ(differing_pixels(small, Canvas(8, 8)), 0);
}

TEST_F(Equipotentials, FractionOfExactlyHalfPlotsTheBasePixelAndMorePlotsTheNeighbour) {
    fill_grid([](int p, int) { return 10.0 * p; });
    b.pen = {0, 28, 164};
    Canvas small(4, 3);
    b.equipotential_level(small, 5);  // halfway from column 0 to column 1
    b.equipotential_level(small, 26); // 0.6 of the way from column 2 to column 3
    Canvas expected(4, 3);
    for (int q = 0; q < 3; ++q) {
        expected.set_pixel(0, q, blue);
        expected.set_pixel(3, q, blue);
    }
    EXPECT_EQ(differing_pixels(small, expected), 0);
}

TEST_F(Equipotentials, NothingIsReadOrPlottedInColumnOrRow400) {
    fill_grid([](int p, int q) { return static_cast<double>(p + q); });
    b.pen = {255, 125, 0};
    // 800 is only the corner sample, 799 only samples in column or row 400.
    b.equipotential_level(board, 800);
    b.equipotential_level(board, 799);
    EXPECT_EQ(differing_pixels(board, Canvas(board_size, board_size)), 0);
    // 797 is reached at fraction 1 from [398][398] towards both neighbours.
    b.equipotential_level(board, 797);
    Canvas expected(board_size, board_size);
    expected.set_pixel(399, 398, orange);
    expected.set_pixel(398, 399, orange);
    EXPECT_EQ(differing_pixels(board, expected), 0);
}

TEST_F(Equipotentials, PairOfSamplesBothOnTheLevelPlotsTheBasePixelAndScanningGoesOn) {
    // Untouched grids are all zero, as is the level of any clicked pixel.
    b.pen = {255, 125, 0};
    b.equipotential_level(board, 0);
    for (int p = 0; p < board_size; ++p)
        for (int q = 0; q < board_size; ++q)
            ASSERT_EQ(board.pixel(p, q), p < 399 && q < 399 ? orange : white) << p << "," << q;
}

TEST_F(Equipotentials, FamilySpacingIsHalfOfM24thsRoundedToEven) {
    run_family_over_ramp(-300, 120); // M = 300: step Round(12.5) = 12
    expect_family_columns(board, 12, true, true);
    EXPECT_EQ(to_rgb(b.pen), blue);

    board = Canvas(board_size, board_size);
    run_family_over_ramp(-10, 36); // Round(1.5) = 2
    expect_family_columns(board, 2, true, true);

    board = Canvas(board_size, board_size);
    run_family_over_ramp(0, 12); // Round(0.5) = 0: every level is 0, orange only
    expect_family_columns(board, 0, true, false);
    EXPECT_EQ(to_rgb(b.pen), orange);

    board = Canvas(board_size, board_size);
    run_family_over_ramp(-1000.0 / 9, 0); // a lone negative charge: step 5, blue only
    expect_family_columns(board, 5, false, true);
}

TEST_F(Equipotentials, FamilyWithoutAnyPotentialDrawsNoLevel) {
    const PenRgb before{1, 2, 3};
    b.pen = before;
    run_family_over_ramp(0, 0);
    EXPECT_EQ(differing_pixels(board, Canvas(board_size, board_size)), 0);
    EXPECT_EQ(to_rgb(b.pen), to_rgb(before));
}

TEST_F(Equipotentials, FamilyCountsOneProgressStepPerLevelAndEmptiesTheBar) {
    b.progress = {};
    RecordingProgress& bar = b.progress;
    run_family_over_ramp(-100, 100);
    EXPECT_EQ(bar.count(RecordingProgress::Call::step), 24u);
    EXPECT_EQ(bar.highest_position, 24);
    EXPECT_EQ(bar.maximum, 50);
    EXPECT_EQ(bar.position, 0);

    b.progress = {};
    RecordingProgress& positive_only = b.progress;
    run_family_over_ramp(0, 100);
    EXPECT_EQ(positive_only.count(RecordingProgress::Call::step), 12u);
}

// The family in one sweep against twenty-four level-by-level scans, on real potentials.
class FamilyMatchesLevelByLevel : public Equipotentials {
  protected:
    void expect_same_as_reference(int expected_step) {
        Canvas reference = board;
        b.equipotentials(board);
        equipotential_family(reference, b.grids, expected_step, b.grids.range.max > 0,
                             b.grids.range.min < 0);
        draw_charge_markers(reference, b.charges);
        EXPECT_EQ(differing_pixels(board, reference), 0);
    }
};

TEST_F(FamilyMatchesLevelByLevel, SingleChargeGetsStepFiveInOrangeOnly) {
    b.charges = {{0, 0, 1}};
    b.compute();
    expect_same_as_reference(5);
    EXPECT_EQ(to_rgb(b.pen), orange);
}

TEST_F(FamilyMatchesLevelByLevel, DipoleGetsStepFourAndLevelZeroEndsBlue) {
    b.charges = dipole_charges();
    b.compute();
    expect_same_as_reference(4);
    EXPECT_EQ(board.pixel(200, 100), blue); // the symmetry axis is exactly level 0
    EXPECT_EQ(to_rgb(b.pen), blue);
}

TEST_F(FamilyMatchesLevelByLevel, QuadrupoleAndCapacitor) {
    b.charges = quadrupole_charges(-1);
    b.compute();
    expect_same_as_reference(4); // range about -103.251..103.251

    board = Canvas(board_size, board_size);
    b.charges = capacitor_charges();
    b.compute();
    expect_same_as_reference(8); // range about -195.038..195.038
}

TEST_F(FamilyMatchesLevelByLevel, RandomChargeSetsWithWideDenseAndZeroSpacing) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        b.charges = charge_set(random_charges(seed, seed % 2 == 0 ? 14 : 5));
        b.compute();
        board = Canvas(board_size, board_size);
        expect_same_as_reference(
            static_cast<int>(std::nearbyint(std::max(-b.grids.range.min, b.grids.range.max) / 24)));
        // A narrow range crowds small whole-number levels through the samples.
        b.grids.range.min = -30;
        b.grids.range.max = 30;
        board = Canvas(board_size, board_size);
        expect_same_as_reference(1);
        // A range within 12 of zero spaces every level at 0.
        b.grids.range.min = -10;
        b.grids.range.max = 10;
        board = Canvas(board_size, board_size);
        expect_same_as_reference(0);
    }
}

// Samples on the levels, a hair beside them on either side, far beyond the outermost levels and
// not a number at all: the pairs the family skips as holding no level are exactly those that hold
// none.
TEST_F(FamilyMatchesLevelByLevel, SamplesOnBesideAndFarFromTheLevels) {
    for (const int step : {1, 7, 13}) {
        SCOPED_TRACE(::testing::Message() << "step " << step);
        const double s = step;
        const double nudges[] = {0.0, 1e-9, -1e-9, 1e-6 * s, -1e-6 * s, 0.5 * s, 0.999999 * s};
        fill_grid([&](int p, int q) {
            const int kind = (p * 7 + q * 3) % 29;
            if (kind == 28) return std::nan("");
            if (kind == 27) return (p % 2 ? 1 : -1) * (12.5 + q % 5) * s; // beyond the levels
            const double level = static_cast<double>((p + q) % 27 - 13) * s;
            return level + nudges[(p / 3 + q) % 7];
        });
        b.grids.range.min = -24 * s;
        b.grids.range.max = 24 * s;
        board = Canvas(board_size, board_size);
        expect_same_as_reference(step);
    }
}

class LineThroughPointer : public Equipotentials {
  protected:
    void SetUp() override {
        fill_ramp_along_x();
        b.charges = {{0, 0, 1}};
    }
};

TEST_F(LineThroughPointer, ClickTenPixelsFromAChargeDrawsAndCloserDoesNot) {
    // 7 right of and 7 above the charge: about 9.9 away
    b.pen = {1, 2, 3};
    EXPECT_FALSE(b.equipotential_through(board, 207, 193));
    EXPECT_EQ(differing_pixels(board, Canvas(board_size, board_size)), 0);
    EXPECT_EQ(to_rgb(b.pen), rgb(1, 2, 3));

    // straight above, exactly 10 away: the level 0 of column 200
    EXPECT_TRUE(b.equipotential_through(board, 200, 190));
    std::vector<Rgb> expected(board_size, white);
    expected[200] = blue;
    EXPECT_EQ(column_colours(board), expected);
}

TEST_F(LineThroughPointer, PositiveClickIsOrangeAfterABlueFamilyAndNegativeIsBlue) {
    b.pen = {0, 28, 164};
    EXPECT_TRUE(b.equipotential_through(board, 260, 0));
    EXPECT_TRUE(b.equipotential_through(board, 50, 0));
    std::vector<Rgb> expected(board_size, white);
    expected[260] = orange;
    expected[50] = blue;
    EXPECT_EQ(column_colours(board), expected);
    EXPECT_EQ(to_rgb(b.pen), blue);
}

TEST_F(LineThroughPointer, ZeroLevelIsBlueWhateverTheLastColour) {
    b.pen = {255, 125, 0};
    EXPECT_TRUE(b.equipotential_through(board, 200, 0));
    EXPECT_EQ(board.pixel(200, 5), blue);
}

TEST_F(LineThroughPointer, PointerOffTheBoardDrawsNothing) {
    EXPECT_FALSE(b.equipotential_through(board, 401, 0));
    EXPECT_FALSE(b.equipotential_through(board, 0, -1));
    EXPECT_EQ(differing_pixels(board, Canvas(board_size, board_size)), 0);
}

} // namespace
