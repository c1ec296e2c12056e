#include "model/charges.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string describe(const std::vector<Charge>& set) {
    std::string s;
    // Appended piece by piece: GCC 12 at -O3 warns falsely on "(" + std::string (-Wrestrict).
    for (const Charge& c : set)
        s.append("(")
            .append(std::to_string(c.x))
            .append(",")
            .append(std::to_string(c.y))
            .append(",")
            .append(std::to_string(c.sign))
            .append(")");
    return s;
}

std::string describe(const ChargeSet& set) {
    return describe(std::vector<Charge>(set.stored().begin(), set.stored().end()));
}

class Charges : public testing::Test {
  protected:
    bool add(int column, int row, int sign) {
        return set.add(column, row, sign) == AddResult::added;
    }
    ChargeSet set;
};

using AddCharge = Charges;
using RemoveCharges = Charges;
using Presets = Charges;

} // namespace

TEST_F(AddCharge, StoresTheBoardPointOfTheClickedPixelInPlacementOrder) {
    EXPECT_TRUE(add(0, 0, 1));
    EXPECT_TRUE(add(200, 200, -1));
    EXPECT_TRUE(add(400, 400, 1));
    EXPECT_TRUE(add(400, 400, -1)); // the same pixel again is a second charge
    EXPECT_EQ(describe(set), "(-200,200,1)(0,0,-1)(200,-200,1)(200,-200,-1)");
}

TEST_F(AddCharge, StoresTheFourteenthAndRefusesTheFifteenthAsTableFull) {
    for (int i = 0; i < 13; ++i) ASSERT_TRUE(add(10 * i, 7, i % 2 ? -1 : 1));
    EXPECT_TRUE(add(395, 3, -1));
    ASSERT_EQ(set.count(), 14);
    EXPECT_EQ(describe(std::vector<Charge>{set.slot(14)}), "(195,197,-1)");

    const std::string table = describe(set);
    EXPECT_EQ(set.add(100, 100, 1), AddResult::table_full);
    EXPECT_EQ(set.add(5, 5, -1), AddResult::table_full);
    EXPECT_EQ(set.add(401, 5, -1), AddResult::off_board);
    EXPECT_EQ(describe(set), table);
}

TEST_F(AddCharge, RefusesPixelsOffTheBoardSilently) {
    for (const auto& [column, row] : std::initializer_list<std::pair<int, int>>{
             {-1, 0}, {0, -1}, {401, 200}, {200, 401}, {INT_MIN, INT_MAX}})
        EXPECT_EQ(set.add(column, row, 1), AddResult::off_board) << column << "," << row;
    EXPECT_EQ(set.count(), 0);
}

TEST_F(AddCharge, CapacitorLeavesRoomForExactlyTwoMore) {
    set = capacitor_charges();
    EXPECT_TRUE(add(10, 10, 1));
    EXPECT_TRUE(add(20, 20, -1));
    EXPECT_EQ(set.add(30, 30, 1), AddResult::table_full);
    EXPECT_EQ(set.count(), 14);
}

TEST_F(RemoveCharges, TakesEveryChargeWithinTenUnitsInclusive) {
    // Clicked pixel (150, 150) is the board point (-50, 50).
    ASSERT_TRUE(add(156, 142, 1));  // 6 right, 8 up: exactly 10
    ASSERT_TRUE(add(140, 150, -1)); // 10 left: exactly 10
    ASSERT_TRUE(add(160, 149, 1));  // 10 right, 1 up: sqrt(101)
    ASSERT_TRUE(add(143, 157, -1)); // 7 left, 7 down: sqrt(98)
    ASSERT_TRUE(add(142, 157, 1));  // 8 left, 7 down: sqrt(113)
    EXPECT_TRUE(set.remove_near(150, 150));
    EXPECT_EQ(describe(set), "(-40,51,1)(-58,43,1)");
}

TEST_F(RemoveCharges, CompactsTheSurvivorsInTheirOrder) {
    for (const int column : {20, 100, 40, 104, 60, 80}) ASSERT_TRUE(add(column, 200, 1));
    EXPECT_TRUE(set.remove_near(100, 200));
    EXPECT_EQ(describe(set), "(-180,0,1)(-160,0,1)(-140,0,1)(-120,0,1)");
}

TEST_F(RemoveCharges, ReportsNothingRemovedAndKeepsTheTableWhenNoneIsNear) {
    ASSERT_TRUE(add(100, 100, 1));
    ASSERT_TRUE(add(300, 300, -1));
    const std::string table = describe(set);
    EXPECT_FALSE(set.remove_near(111, 100));
    EXPECT_FALSE(set.remove_near(-1, 100)); // off the board, though near the first charge
    EXPECT_EQ(describe(set), table);
}

TEST_F(RemoveCharges, RemovingTheLastChargeLeavesAnEmptySet) {
    ASSERT_TRUE(add(0, 400, -1));
    EXPECT_TRUE(set.remove_near(0, 400));
    EXPECT_EQ(set.count(), 0);
    EXPECT_FALSE(set.remove_near(0, 400));
}

TEST_F(Presets, DipoleIsAPositiveRightChargeThenANegativeLeftOne) {
    EXPECT_EQ(describe(dipole_charges()), "(80,0,1)(-80,0,-1)");
}

TEST_F(Presets, QuadrupoleTakesTheSignOfItsSecondPairFromTheWindow) {
    EXPECT_EQ(describe(quadrupole_charges(-1)), "(80,80,1)(-80,-80,1)(80,-80,-1)(-80,80,-1)");
    EXPECT_EQ(describe(quadrupole_charges(1)), "(80,80,1)(-80,-80,1)(80,-80,1)(-80,80,1)");
}

TEST_F(Presets, CapacitorIsANegativeRightPlateThenAPositiveLeftPlateTopToBottom) {
    std::vector<Charge> want;
    for (const int sign : {-1, 1})
        for (const int y : {75, 45, 15, -15, -45, -75})
            want.push_back({sign < 0 ? 80 : -80, y, sign});
    EXPECT_EQ(describe(capacitor_charges()), describe(want));
}
