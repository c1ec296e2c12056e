#include "model/charges.h"
#include "model/field.h"
#include "recording_port.h"
#include "reference.h"

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

void reset_field_state() {
    clear_charges();
    fill_grid(grid_V, 0.0);
    fill_grid(grid_Ex, 0.0);
    fill_grid(grid_Ey, 0.0);
    minV = 0.0;
    maxV = 0.0;
}

// Stores a charge as given, on the board or not.
void put(int x, int y, int znak) {
    ++charge_count;
    charges[static_cast<std::size_t>(charge_count)] = {x, y, znak};
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

void expect_grids_match_reference() {
    reference::compute_grids(expected);
    EXPECT_TRUE(same_bits(grid_V, expected.V));
    EXPECT_TRUE(same_bits(grid_Ex, expected.Ex));
    EXPECT_TRUE(same_bits(grid_Ey, expected.Ey));
}

class Field : public ::testing::Test {
  protected:
    void SetUp() override { reset_field_state(); }
    void TearDown() override { reset_field_state(); }
};

TEST_F(Field, SingleChargeGivesHundredTenPixelsAwayAndNothingOnItsOwnPixel) {
    put(0, 0, 1);
    EXPECT_TRUE(obl_rozklad_pot());
    EXPECT_EQ(grid_V[210][200], 100.0);
    EXPECT_EQ(grid_Ex[210][200], 100.0);
    EXPECT_EQ(grid_Ey[210][200], 0.0);
    EXPECT_EQ(grid_V[200][190], 100.0);
    EXPECT_EQ(grid_Ex[200][190], 0.0);
    EXPECT_EQ(grid_Ey[200][190], 100.0);
    EXPECT_EQ(grid_V[200][200], 0.0);
    EXPECT_EQ(grid_Ex[200][200], 0.0);
    EXPECT_EQ(grid_Ey[200][200], 0.0);
}

TEST_F(Field, NegativeChargeFlipsEverySign) {
    static reference::Grids positive;
    put(37, -58, 1);
    obl_rozklad_pot();
    std::copy_n(&grid_V[0][0], cells, &positive.V[0][0]);
    std::copy_n(&grid_Ex[0][0], cells, &positive.Ex[0][0]);
    std::copy_n(&grid_Ey[0][0], cells, &positive.Ey[0][0]);
    charges[1].znak = -1;
    obl_rozklad_pot();
    int unflipped = 0;
    for (int c = 0; c < board_size; ++c)
        for (int r = 0; r < board_size; ++r)
            if (grid_V[c][r] != -positive.V[c][r] || grid_Ex[c][r] != -positive.Ex[c][r] ||
                grid_Ey[c][r] != -positive.Ey[c][r])
                ++unflipped;
    EXPECT_EQ(unflipped, 0);
}

TEST_F(Field, GridsMatchPointByPointEvaluationForRandomChargeSets) {
    std::mt19937 rng(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int set = 0; set < 24; ++set) {
        clear_charges();
        const int n = pick(1, max_charges);
        for (int i = 0; i < n; ++i) {
            const int znak = pick(0, 1) ? 1 : -1;
            if (i > 0 && pick(0, 3) == 0) {
                // Another charge on an occupied pixel, of either sign.
                const Charge& twin = charges[static_cast<std::size_t>(pick(1, i))];
                put(twin.x, twin.y, znak);
            } else if (pick(0, 7) == 0) {
                put(pick(0, 1) ? 200 : -200, pick(-200, 200), znak);
            } else {
                put(pick(-200, 200), pick(-200, 200), znak);
            }
        }
        SCOPED_TRACE(::testing::Message() << "set " << set << " of " << n << " charges");
        obl_rozklad_pot();
        expect_grids_match_reference();
    }
}

TEST_F(Field, ChargesTheTablesCannotHoldAreEvaluatedDirectly) {
    put(-30, 45, 1);
    put(300, 0, 1);  // off the board
    put(10, -70, 2); // not a unit charge
    obl_rozklad_pot();
    expect_grids_match_reference();
}

TEST_F(Field, OppositeChargesOnOnePixelLeaveTheOtherChargesGrids) {
    static reference::Grids alone;
    put(-100, 120, 1);
    obl_rozklad_pot();
    std::copy_n(&grid_V[0][0], cells, &alone.V[0][0]);
    std::copy_n(&grid_Ex[0][0], cells, &alone.Ex[0][0]);
    std::copy_n(&grid_Ey[0][0], cells, &alone.Ey[0][0]);
    clear_charges();
    put(30, -40, 1);
    put(30, -40, -1);
    put(-100, 120, 1);
    obl_rozklad_pot();
    EXPECT_TRUE(same_bits(grid_V, alone.V));
    EXPECT_TRUE(same_bits(grid_Ex, alone.Ex));
    EXPECT_TRUE(same_bits(grid_Ey, alone.Ey));
}

TEST_F(Field, RangeComesFromSamplesNinePixelsFromEachCharge) {
    put(0, 0, 1);
    obl_rozklad_pot();
    EXPECT_EQ(minV, 0.0); // the positive corner value is widened to 0
    EXPECT_NEAR(maxV, 1000.0 / 9, three_decimals);

    place_dipole();
    obl_rozklad_pot();
    EXPECT_NEAR(minV, -105.194, three_decimals);
    EXPECT_NEAR(maxV, 105.194, three_decimals);

    Kwadrupol(-1);
    obl_rozklad_pot();
    EXPECT_NEAR(minV, -103.251, three_decimals);
    EXPECT_NEAR(maxV, 103.251, three_decimals);

    Kondensator();
    obl_rozklad_pot();
    EXPECT_NEAR(minV, -195.038, three_decimals);
    EXPECT_NEAR(maxV, 195.038, three_decimals);
}

TEST_F(Field, ChargesOnTheEdgesSampleOnlyTheirNeighboursOnTheBoard) {
    // Any cell read besides the corner and the samples set below would bring in 1e6.
    fill_grid(grid_V, 1e6);
    grid_V[0][0] = 0.5;
    put(200, 200, 1); // top-right pixel: left and below only
    grid_V[391][0] = -7.0;
    grid_V[400][9] = 3.0;
    put(-200, 50, -1); // left edge: above, below and right only
    grid_V[0][141] = -9.0;
    grid_V[0][159] = 2.0;
    grid_V[9][150] = 11.0;
    minV_maxV();
    EXPECT_EQ(minV, -9.0);
    EXPECT_EQ(maxV, 11.0);
}

TEST_F(Field, RangeOfNoChargesIsTheCornerValueWidenedToZero) {
    grid_V[0][0] = -2.5;
    minV_maxV();
    EXPECT_EQ(minV, -2.5);
    EXPECT_EQ(maxV, 0.0);
    grid_V[0][0] = 4.0;
    minV_maxV();
    EXPECT_EQ(minV, 0.0);
    EXPECT_EQ(maxV, 4.0);
}

TEST_F(Field, NoChargesComputesNothing) {
    for (int c = 0; c < board_size; ++c)
        for (int r = 0; r < board_size; ++r)
            grid_V[c][r] = grid_Ex[r][c] = grid_Ey[c][r] = c - 0.5 * r;
    minV = -1.0;
    maxV = 2.0;
    RecordingWindowPort bar;
    EXPECT_FALSE(obl_rozklad_pot());
    EXPECT_TRUE(bar.events.empty());
    EXPECT_EQ(minV, -1.0);
    EXPECT_EQ(maxV, 2.0);
    int changed = 0;
    for (int c = 0; c < board_size; ++c)
        for (int r = 0; r < board_size; ++r)
            if (grid_V[c][r] != c - 0.5 * r || grid_Ex[r][c] != c - 0.5 * r ||
                grid_Ey[c][r] != c - 0.5 * r)
                ++changed;
    EXPECT_EQ(changed, 0);
}

TEST_F(Field, ProgressBarStepsOncePerColumnAndEndsEmpty) {
    using Call = RecordingWindowPort::Call;
    RecordingWindowPort bar;
    put(5, 5, 1);
    obl_rozklad_pot();
    std::vector<RecordingWindowPort::Event> calls{{Call::set_position, 0}, {Call::set_max, 400}};
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
                    for (int znak : {1, -1}) {
                        const double w = static_cast<double>(d) / static_cast<double>(s);
                        const double term_x = znak * w * (dx / r);
                        const double term_y = znak * w * (dy / r);
                        const double sign_x = znak * d * (dx < 0 ? -1.0 : 1.0);
                        const double sign_y = znak * d * (dy < 0 ? -1.0 : 1.0);
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
