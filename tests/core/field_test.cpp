#include "model/charges.h"
#include "model/field.h"
#include "reference.h"
#include "test_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace {

// The range values below are known to three decimals.
constexpr double three_decimals = 1e-3;

constexpr int cells = board_size * board_size;

// The bits of a double (std::bit_cast is missing from the WebAssembly build's library).
std::uint64_t bits_of(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

void fill_grid(double (&grid)[board_size][board_size], double value) {
    std::fill(&grid[0][0], &grid[0][0] + cells, value);
}

// Names the first cell whose bits differ.
::testing::AssertionResult same_bits(const double (&fast)[board_size][board_size],
                                     const double (&slow)[board_size][board_size]) {
    for (int c = 0; c < board_size; ++c)
        for (int r = 0; r < board_size; ++r)
            if (bits_of(fast[c][r]) != bits_of(slow[c][r]))
                return ::testing::AssertionFailure()
                       << "cell [" << c << "][" << r << "]: " << fast[c][r] << " against "
                       << slow[c][r];
    return ::testing::AssertionSuccess();
}

reference::Grids expected; // too large for the stack

class Field : public ::testing::Test {
  protected:
    // Stores a charge as given, on the board or not.
    void put(int x, int y, int sign) { b.charges.append({x, y, sign}); }
    void expect_grids_match_reference() {
        reference::compute_grids(b.charges, expected);
        EXPECT_TRUE(same_bits(b.grids.v(), expected.V));
        EXPECT_TRUE(same_bits(b.grids.ex(), expected.Ex));
        EXPECT_TRUE(same_bits(b.grids.ey(), expected.Ey));
    }

    TestBoard b;
};

TEST_F(Field, SingleChargeGivesHundredTenPixelsAwayAndNothingOnItsOwnPixel) {
    put(0, 0, 1);
    EXPECT_TRUE(b.compute());
    EXPECT_EQ(b.grids.v()[210][200], 100.0);
    EXPECT_EQ(b.grids.ex()[210][200], 100.0);
    EXPECT_EQ(b.grids.ey()[210][200], 0.0);
    EXPECT_EQ(b.grids.v()[200][190], 100.0);
    EXPECT_EQ(b.grids.ex()[200][190], 0.0);
    EXPECT_EQ(b.grids.ey()[200][190], 100.0);
    EXPECT_EQ(b.grids.v()[200][200], 0.0);
    EXPECT_EQ(b.grids.ex()[200][200], 0.0);
    EXPECT_EQ(b.grids.ey()[200][200], 0.0);
}

TEST_F(Field, NegativeChargeFlipsEverySign) {
    static reference::Grids positive;
    put(37, -58, 1);
    b.compute();
    std::copy_n(&b.grids.v()[0][0], cells, &positive.V[0][0]);
    std::copy_n(&b.grids.ex()[0][0], cells, &positive.Ex[0][0]);
    std::copy_n(&b.grids.ey()[0][0], cells, &positive.Ey[0][0]);
    b.charges = {{37, -58, -1}};
    b.compute();
    int unflipped = 0;
    for (int c = 0; c < board_size; ++c)
        for (int r = 0; r < board_size; ++r)
            if (b.grids.v()[c][r] != -positive.V[c][r] ||
                b.grids.ex()[c][r] != -positive.Ex[c][r] ||
                b.grids.ey()[c][r] != -positive.Ey[c][r])
                ++unflipped;
    EXPECT_EQ(unflipped, 0);
}

TEST_F(Field, GridsMatchPointByPointEvaluationForRandomChargeSets) {
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int set = 0; set < 24; ++set) {
        b.charges.clear();
        const int n = pick(1, max_charges);
        for (int i = 0; i < n; ++i) {
            const int sign = pick(0, 1) ? 1 : -1;
            if (i > 0 && pick(0, 3) == 0) {
                // Another charge on an occupied pixel, of either sign.
                const Charge twin = b.charges.slot(pick(1, i));
                put(twin.x, twin.y, sign);
            } else if (pick(0, 7) == 0) {
                put(pick(0, 1) ? 200 : -200, pick(-200, 200), sign);
            } else {
                put(pick(-200, 200), pick(-200, 200), sign);
            }
        }
        SCOPED_TRACE(::testing::Message() << "set " << set << " of " << n << " charges");
        b.compute();
        expect_grids_match_reference();
    }
}

// The field grids are filled when first read; a cell read before that (the readout's) is the
// cell the filled grid holds, bit for bit, for charges through the tables and direct alike.
TEST_F(Field, FieldCellsReadBeforeTheGridsAreFilledAreTheFilledCells) {
    static reference::Grids cells_first;
    std::mt19937 rng(20261210);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int set = 0; set < 6; ++set) {
        b.charges.clear();
        const int n = pick(1, max_charges);
        for (int i = 0; i < n; ++i) put(pick(-200, 200), pick(-200, 200), pick(0, 1) ? 1 : -1);
        if (set == 5) put(300, -20, 2); // off the board and not a unit charge: direct
        SCOPED_TRACE(::testing::Message() << "set " << set);
        b.compute();
        const FieldGrids& grids = b.grids;
        for (int c = 0; c < board_size; ++c)
            for (int r = 0; r < board_size; ++r) {
                cells_first.Ex[c][r] = grids.ex_at(c, r);
                cells_first.Ey[c][r] = grids.ey_at(c, r);
            }
        EXPECT_TRUE(same_bits(grids.ex(), cells_first.Ex));
        EXPECT_TRUE(same_bits(grids.ey(), cells_first.Ey));
        expect_grids_match_reference();
        // Once filled, the cells are read from the grids, as a writer left them.
        b.grids.ex()[7][9] = -0.5;
        EXPECT_EQ(grids.ex_at(7, 9), -0.5);
    }
    // Cleared grids read +0 everywhere, before and after they are filled.
    b.grids.clear();
    EXPECT_EQ(bits_of(b.grids.ex_at(3, 4)), 0u);
    EXPECT_EQ(bits_of(b.grids.ey_at(400, 0)), 0u);
    fill_grid(cells_first.Ex, 0.0);
    EXPECT_TRUE(same_bits(b.grids.ex(), cells_first.Ex));
    EXPECT_TRUE(same_bits(b.grids.ey(), cells_first.Ex));
}

TEST_F(Field, ChargesTheTablesCannotHoldAreEvaluatedDirectly) {
    put(-30, 45, 1);
    put(300, 0, 1);  // off the board
    put(10, -70, 2); // not a unit charge
    b.compute();
    expect_grids_match_reference();
}

// A computation starts from the sums of the charges it shares in the same slots with the one
// before, as while a charge is dragged; each must still be the grid computed afresh, whichever
// slot moves, when charges come and go, the grids are cleared between, or the tables cannot
// hold a charge.
TEST_F(Field, GridsAfterOtherChargesAreTheGridsComputedAfresh) {
    std::mt19937 rng(20261211);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int i = 0; i < 9; ++i) put(pick(-200, 200), pick(-200, 200), pick(0, 1) ? 1 : -1);
    auto move = [&](int slot) {
        ChargeSet moved;
        for (int s = 1; s <= b.charges.count(); ++s)
            moved.append(s == slot
                             ? Charge{pick(-200, 200), pick(-200, 200), b.charges.slot(s).sign}
                             : b.charges.slot(s));
        b.charges = moved;
    };
    for (int step = 0; step < 40; ++step) {
        const int what = pick(0, 9);
        if (what <= 5) {
            // A drag: the same slot a few frames running.
            const int slot = pick(1, b.charges.count());
            for (int frame = 0; frame < 3; ++frame) move(slot);
        } else if (what == 6 && b.charges.count() > 1) {
            ChargeSet shorter;
            for (int s = 1; s < b.charges.count(); ++s) shorter.append(b.charges.slot(s));
            b.charges = shorter;
        } else if (what == 7) {
            put(pick(-200, 200), pick(-200, 200), pick(0, 1) ? 1 : -1);
        } else if (what == 8) {
            b.grids.clear();
        } else {
            move(pick(1, b.charges.count()));
            put(250, pick(-200, 200), 1); // off the board: the direct route
            b.compute();
            ChargeSet back;
            for (int s = 1; s < b.charges.count(); ++s) back.append(b.charges.slot(s));
            b.charges = back;
        }
        SCOPED_TRACE(::testing::Message()
                     << "step " << step << ", " << b.charges.count() << " charges");
        b.compute();
        TestBoard fresh;
        fresh.charges = b.charges;
        fresh.compute();
        ASSERT_TRUE(same_bits(b.grids.v(), fresh.grids.v()));
    }
}

TEST_F(Field, OppositeChargesOnOnePixelLeaveTheOtherChargesGrids) {
    static reference::Grids alone;
    put(-100, 120, 1);
    b.compute();
    std::copy_n(&b.grids.v()[0][0], cells, &alone.V[0][0]);
    std::copy_n(&b.grids.ex()[0][0], cells, &alone.Ex[0][0]);
    std::copy_n(&b.grids.ey()[0][0], cells, &alone.Ey[0][0]);
    b.charges.clear();
    put(30, -40, 1);
    put(30, -40, -1);
    put(-100, 120, 1);
    b.compute();
    EXPECT_TRUE(same_bits(b.grids.v(), alone.V));
    EXPECT_TRUE(same_bits(b.grids.ex(), alone.Ex));
    EXPECT_TRUE(same_bits(b.grids.ey(), alone.Ey));
}

TEST_F(Field, RangeComesFromSamplesNinePixelsFromEachCharge) {
    put(0, 0, 1);
    b.compute();
    EXPECT_EQ(b.grids.range.min, 0.0); // the positive corner value is widened to 0
    EXPECT_NEAR(b.grids.range.max, 1000.0 / 9, three_decimals);

    b.charges = dipole_charges();
    b.compute();
    EXPECT_NEAR(b.grids.range.min, -105.194, three_decimals);
    EXPECT_NEAR(b.grids.range.max, 105.194, three_decimals);

    b.charges = quadrupole_charges(-1);
    b.compute();
    EXPECT_NEAR(b.grids.range.min, -103.251, three_decimals);
    EXPECT_NEAR(b.grids.range.max, 103.251, three_decimals);

    b.charges = capacitor_charges();
    b.compute();
    EXPECT_NEAR(b.grids.range.min, -195.038, three_decimals);
    EXPECT_NEAR(b.grids.range.max, 195.038, three_decimals);
}

// Sets without mirror symmetry, so that a sample taken on the wrong side of a charge, or with x
// and y swapped, reads another value.
TEST_F(Field, RangeFollowsItsSamplingRuleOnSetsWithoutSymmetry) {
    const ChargeSet sets[] = {
        {{0, 80, 1}, {0, -80, -1}},                                   // a vertical dipole
        {{-37, 52, 1}, {90, -14, -1}, {15, 130, 1}, {-150, -96, -1}}, // no symmetry at all
        {{120, 40, -1}, {-60, 185, 1}, {196, -199, 1}},               // charges near the edges
    };
    for (const ChargeSet& set : sets) {
        b.charges = set;
        ASSERT_TRUE(b.compute());
        EXPECT_EQ(b.grids.range, reference::colour_range(b.grids, b.charges))
            << "first charge at " << set.slot(1).x << ", " << set.slot(1).y;
    }
}

TEST_F(Field, ChargesOnTheEdgesSampleOnlyTheirNeighboursOnTheBoard) {
    // Any cell read besides the corner and the samples set below would bring in 1e6.
    fill_grid(b.grids.v(), 1e6);
    b.grids.v()[0][0] = 0.5;
    put(200, 200, 1); // top-right pixel: left and below only
    b.grids.v()[391][0] = -7.0;
    b.grids.v()[400][9] = 3.0;
    put(-200, 50, -1); // left edge: above, below and right only
    b.grids.v()[0][141] = -9.0;
    b.grids.v()[0][159] = 2.0;
    b.grids.v()[9][150] = 11.0;
    b.grids.range = colour_range(b.grids, b.charges);
    EXPECT_EQ(b.grids.range.min, -9.0);
    EXPECT_EQ(b.grids.range.max, 11.0);
}

TEST_F(Field, RangeOfNoChargesIsTheCornerValueWidenedToZero) {
    b.grids.v()[0][0] = -2.5;
    b.grids.range = colour_range(b.grids, b.charges);
    EXPECT_EQ(b.grids.range.min, -2.5);
    EXPECT_EQ(b.grids.range.max, 0.0);
    b.grids.v()[0][0] = 4.0;
    b.grids.range = colour_range(b.grids, b.charges);
    EXPECT_EQ(b.grids.range.min, 0.0);
    EXPECT_EQ(b.grids.range.max, 4.0);
}

TEST_F(Field, NoChargesComputesNothing) {
    for (int c = 0; c < board_size; ++c)
        for (int r = 0; r < board_size; ++r)
            b.grids.v()[c][r] = b.grids.ex()[r][c] = b.grids.ey()[c][r] = c - 0.5 * r;
    b.grids.range.min = -1.0;
    b.grids.range.max = 2.0;
    b.progress = {};
    RecordingProgress& bar = b.progress;
    EXPECT_FALSE(b.compute());
    EXPECT_TRUE(bar.events.empty());
    EXPECT_EQ(b.grids.range.min, -1.0);
    EXPECT_EQ(b.grids.range.max, 2.0);
    int changed = 0;
    for (int c = 0; c < board_size; ++c)
        for (int r = 0; r < board_size; ++r)
            if (b.grids.v()[c][r] != c - 0.5 * r || b.grids.ex()[r][c] != c - 0.5 * r ||
                b.grids.ey()[c][r] != c - 0.5 * r)
                ++changed;
    EXPECT_EQ(changed, 0);
}

TEST_F(Field, ProgressBarStepsOncePerColumnAndEndsEmpty) {
    using Call = RecordingProgress::Call;
    b.progress = {};
    RecordingProgress& bar = b.progress;
    put(5, 5, 1);
    b.compute();
    std::vector<RecordingProgress::Event> calls{{Call::set_position, 0}, {Call::set_max, 400}};
    calls.insert(calls.end(), board_size, {Call::step, 0});
    calls.push_back({Call::set_position, 0});
    EXPECT_EQ(bar.events, calls);
    EXPECT_EQ(bar.highest_position, 400);
    EXPECT_EQ(bar.position, 0);
}

TEST_F(Field, FieldTermIsTheTracersOwnTermForEveryOffset) {
    EXPECT_EQ(field_term(0, 0), 0.0);
    // Every offset between two board points, and some from a start far off the board.
    std::vector<int> offsets;
    for (int a = 0; a <= 400; ++a) offsets.push_back(a);
    offsets.insert(offsets.end(), {401, 4000, 1 << 20});
    int differing = 0;
    for (int adx : offsets) {
        for (int ady : offsets) {
            if (adx == 0 && ady == 0) continue;
            for (int dx : {adx, -adx}) {
                const int dy = dx < 0 ? -ady : ady;
                const long long s =
                    static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
                const double r = std::sqrt(static_cast<double>(s));
                for (int d : {1, -1}) {
                    for (int sign : {1, -1}) {
                        const double w = static_cast<double>(d) / static_cast<double>(s);
                        const double term_x = sign * w * (dx / r);
                        const double term_y = sign * w * (dy / r);
                        const double sign_x = sign * d * (dx < 0 ? -1.0 : 1.0);
                        const double sign_y = sign * d * (dy < 0 ? -1.0 : 1.0);
                        if (bits_of(term_x) != bits_of(sign_x * field_term(adx, ady)) ||
                            bits_of(term_y) != bits_of(sign_y * field_term(ady, adx)))
                            ++differing;
                    }
                }
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

// The tracer reads both terms of an offset from the table's row |dx|: the x term at |dy| is
// field_term(|dx|, |dy|) and the signed y term at dy is field_term(|dy|, |dx|) with dy's sign.
TEST_F(Field, TermTableRowsHoldBothTermsOfEveryOffset) {
    const FieldTermTable table = field_term_table();
    int differing = 0;
    for (int adx = 0; adx <= 400; ++adx)
        for (int dy = -400; dy <= 400; ++dy) {
            const int ady = dy < 0 ? -dy : dy;
            const double y_term = dy < 0 ? -field_term(ady, adx) : field_term(ady, adx);
            if (bits_of(table.terms[adx][400 - ady].ex) != bits_of(field_term(adx, ady)) ||
                bits_of(table.terms[adx][400 - dy].ey) != bits_of(y_term))
                ++differing;
        }
    EXPECT_EQ(differing, 0);
}

} // namespace

namespace {

// Parts of every batch run exactly once each, however the batches before them were split, and
// parts running side by side see only their own memory.
TEST(Parts, EveryPartOfEveryBatchRunsOnce) {
    EXPECT_GE(part_threads(), 1);
    std::vector<int> runs(65);
    for (int batch = 0; batch < 300; ++batch) {
        const int parts = batch % 65;
        std::fill(runs.begin(), runs.end(), 0);
        auto count = [&runs](int part) { ++runs[static_cast<std::size_t>(part)]; };
        run_parts(parts, count);
        for (int part = 0; part < 65; ++part)
            ASSERT_EQ(runs[static_cast<std::size_t>(part)], part < parts ? 1 : 0)
                << "batch " << batch << ", part " << part;
    }
}

} // namespace
