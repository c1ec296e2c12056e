#include "model/charges.h"
#include "recording_port.h"
#include "render/board.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<Charge> stored() {
    return {stored_charges().begin(), stored_charges().end()};
}

std::string describe(const std::vector<Charge>& set) {
    std::string s;
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "(" + std::string (-Wrestrict).
    for (const Charge& c : set)
        s.append("(")
            .append(std::to_string(c.x))
            .append(",")
            .append(std::to_string(c.y))
            .append(",")
            .append(std::to_string(c.znak))
            .append(")");
    return s;
}

// All fourteen slots and the count, in use or not.
std::string whole_table() {
    std::vector<Charge> slots(charges.begin() + 1, charges.end());
    return std::to_string(charge_count) + ":" + describe(slots);
}

// Records the board drawing, with the charge in each drawn slot as it was at that moment.
class RecordingBoard final : public BoardPort {
  public:
    void start() override { calls.push_back("start with " + std::to_string(charge_count)); }
    void rysuj_lad(int slot) override {
        calls.push_back("lad " + std::to_string(slot) + " " +
                        describe({charges.at(static_cast<std::size_t>(slot))}));
    }
    std::vector<std::string> calls;
};

// What a preset must draw: the empty board once the set is cleared, then each slot in order.
std::vector<std::string> drawing_of(const std::vector<Charge>& set) {
    std::vector<std::string> calls = {"start with 0"};
    for (std::size_t i = 0; i < set.size(); ++i)
        calls.push_back("lad " + std::to_string(i + 1) + " " + describe({set[i]}));
    return calls;
}

class ChargeSet : public testing::Test {
  protected:
    void SetUp() override { clear_charges(); }
    void TearDown() override { clear_charges(); }
    RecordingWindowPort window;
    RecordingBoard board;
};

using AddCharge = ChargeSet;
using RemoveCharges = ChargeSet;
using Presets = ChargeSet;

} // namespace

TEST_F(AddCharge, StoresTheBoardPointOfTheClickedPixelInPlacementOrder) {
    EXPECT_TRUE(add_charge(0, 0, 1));
    EXPECT_TRUE(add_charge(200, 200, -1));
    EXPECT_TRUE(add_charge(400, 400, 1));
    EXPECT_TRUE(add_charge(400, 400, -1)); // the same pixel again is a second charge
    EXPECT_EQ(describe(stored()), "(-200,200,1)(0,0,-1)(200,-200,1)(200,-200,-1)");
    EXPECT_TRUE(window.errors.empty());
}

TEST_F(AddCharge, StoresTheFourteenthAndRefusesTheFifteenthWithTheErrorBox) {
    for (int i = 0; i < 13; ++i) ASSERT_TRUE(add_charge(10 * i, 7, i % 2 ? -1 : 1));
    EXPECT_TRUE(add_charge(395, 3, -1));
    ASSERT_EQ(charge_count, 14);
    EXPECT_EQ(describe({charges[14]}), "(195,197,-1)");
    EXPECT_TRUE(window.errors.empty());

    const std::string table = whole_table();
    EXPECT_FALSE(add_charge(100, 100, 1));
    EXPECT_FALSE(add_charge(5, 5, -1));
    EXPECT_EQ(window.errors, (std::vector<std::string>{"table full", "table full"}));
    EXPECT_EQ(whole_table(), table);
    EXPECT_TRUE(board.calls.empty());
}

TEST_F(AddCharge, RefusesPixelsOffTheBoardSilently) {
    for (const auto& [column, row] : std::initializer_list<std::pair<int, int>>{
             {-1, 0}, {0, -1}, {401, 200}, {200, 401}, {INT_MIN, INT_MAX}})
        EXPECT_FALSE(add_charge(column, row, 1)) << column << "," << row;
    EXPECT_EQ(charge_count, 0);
    EXPECT_TRUE(window.errors.empty());
}

TEST_F(AddCharge, CapacitorLeavesRoomForExactlyTwoMore) {
    Kondensator();
    EXPECT_TRUE(add_charge(10, 10, 1));
    EXPECT_TRUE(add_charge(20, 20, -1));
    EXPECT_FALSE(add_charge(30, 30, 1));
    EXPECT_EQ(charge_count, 14);
    EXPECT_EQ(window.errors.size(), 1u);
}

TEST_F(RemoveCharges, TakesEveryChargeWithinTenUnitsInclusive) {
    // Clicked pixel (150, 150) is the board point (-50, 50).
    ASSERT_TRUE(add_charge(156, 142, 1));  // 6 right, 8 up: exactly 10
    ASSERT_TRUE(add_charge(140, 150, -1)); // 10 left: exactly 10
    ASSERT_TRUE(add_charge(160, 149, 1));  // 10 right, 1 up: sqrt(101)
    ASSERT_TRUE(add_charge(143, 157, -1)); // 7 left, 7 down: sqrt(98)
    ASSERT_TRUE(add_charge(142, 157, 1));  // 8 left, 7 down: sqrt(113)
    EXPECT_TRUE(remove_charges_near(150, 150));
    EXPECT_EQ(describe(stored()), "(-40,51,1)(-58,43,1)");
}

TEST_F(RemoveCharges, CompactsTheSurvivorsInTheirOrder) {
    for (const int column : {20, 100, 40, 104, 60, 80}) ASSERT_TRUE(add_charge(column, 200, 1));
    EXPECT_TRUE(remove_charges_near(100, 200));
    EXPECT_EQ(describe(stored()), "(-180,0,1)(-160,0,1)(-140,0,1)(-120,0,1)");
}

TEST_F(RemoveCharges, ReportsNothingRemovedAndKeepsTheTableWhenNoneIsNear) {
    ASSERT_TRUE(add_charge(100, 100, 1));
    ASSERT_TRUE(add_charge(300, 300, -1));
    const std::string table = whole_table();
    EXPECT_FALSE(remove_charges_near(111, 100));
    EXPECT_FALSE(remove_charges_near(-1, 100)); // off the board, though near the first charge
    EXPECT_EQ(whole_table(), table);
}

TEST_F(RemoveCharges, RemovingTheLastChargeLeavesAnEmptySet) {
    ASSERT_TRUE(add_charge(0, 400, -1));
    EXPECT_TRUE(remove_charges_near(0, 400));
    EXPECT_EQ(charge_count, 0);
    EXPECT_FALSE(remove_charges_near(0, 400));
}

TEST_F(Presets, DipoleReplacesTheSetAndDrawsItOnAFreshBoard) {
    for (int i = 0; i < max_charges; ++i) ASSERT_TRUE(add_charge(i, i, -1));
    place_dipole();
    const std::vector<Charge> want = {{80, 0, 1}, {-80, 0, -1}};
    EXPECT_EQ(describe(stored()), describe(want));
    EXPECT_EQ(board.calls, drawing_of(want));
    for (int i = 3; i <= max_charges; ++i)
        EXPECT_EQ(describe({charges[static_cast<std::size_t>(i)]}), "(0,0,0)") << i;
}

TEST_F(Presets, QuadrupoleTakesTheSignOfItsSecondPairFromTheWindow) {
    Kwadrupol(-1);
    const std::vector<Charge> want = {{80, 80, 1}, {-80, -80, 1}, {80, -80, -1}, {-80, 80, -1}};
    EXPECT_EQ(describe(stored()), describe(want));
    EXPECT_EQ(board.calls, drawing_of(want));

    board.calls.clear();
    Kwadrupol(1);
    EXPECT_EQ(describe(stored()), "(80,80,1)(-80,-80,1)(80,-80,1)(-80,80,1)");
    EXPECT_EQ(board.calls.size(), 5u);
}

TEST_F(Presets, CapacitorIsANegativeRightPlateThenAPositiveLeftPlateTopToBottom) {
    Kondensator();
    std::vector<Charge> want;
    for (const int znak : {-1, 1})
        for (const int y : {75, 45, 15, -15, -45, -75})
            want.push_back({znak < 0 ? 80 : -80, y, znak});
    EXPECT_EQ(describe(stored()), describe(want));
    EXPECT_EQ(board.calls, drawing_of(want));
}
