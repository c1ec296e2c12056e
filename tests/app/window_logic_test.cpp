// The window's rules, run headless: readout, toggles, charge tools, arrangements and Clear.
#include "form_fixture.h"

namespace {

std::array<std::string, 5> start_readout() {
    return {"X = 0", "Y = 0", "V[0,0]  = 0", "Ex[0,0] = 0", "Ey[0,0] = 0"};
}

} // namespace

TEST_F(Form, StartsWithZeroReadoutAnEmptyBoardAndEveryButtonUp) {
    EXPECT_EQ(form->labels(), start_readout());
    EXPECT_EQ(pixel(200, 200), black);
    EXPECT_EQ(pixel(201, 201), white);
    for (int i = 0; i < toggle_count; ++i) EXPECT_FALSE(form->down(static_cast<Toggle>(i)));
    EXPECT_FALSE(form->board_tooltip());
    EXPECT_GT(screen->board_changes, 0);
}

TEST_F(Form, ReadoutClampsPositionsBeyondTheBoardToTheNearestEdge) {
    grids().v()[400][0] = 7.0;
    move_to(650, -80);
    EXPECT_EQ(pointer_column(), 400);
    EXPECT_EQ(pointer_row(), 0);
    EXPECT_EQ(label(3), "V[200,200]  = 7.00");
    move_to(-5000, 99999);
    EXPECT_EQ(pointer_column(), 0);
    EXPECT_EQ(pointer_row(), 400);
}

TEST_F(Form, ReadoutShowsCornersAndCentreWithTwoDecimals) {
    grids().v()[0][0] = 1.0 / 3.0;
    grids().ex()[400][400] = -12.345;
    grids().ey()[200][200] = 1234567.891;
    move_to(0, 0);
    EXPECT_EQ(form->labels(),
              (std::array<std::string, 5>{"X = -200", "Y = 200", "V[-200,200]  = 0.33",
                                          "Ex[-200,200] = 0.00", "Ey[-200,200] = 0.00"}));
    move_to(400, 400);
    EXPECT_EQ(label(4), "Ex[200,-200] = -12.35");
    EXPECT_EQ(label(1), "X = 200");
    EXPECT_EQ(label(2), "Y = -200");
    move_to(200, 200);
    EXPECT_EQ(label(5), "Ey[0,0] = 1234567.89");
    EXPECT_EQ(pointer_column(), 200);
    EXPECT_EQ(pointer_row(), 200);
}

TEST_F(Form, SmallNegativeValueKeepsItsMinusSign) {
    grids().v()[210][190] = -0.001;
    grids().ex()[210][190] = -0.0; // a zero with the sign bit is not a negative value
    move_to(210, 190);
    EXPECT_EQ(label(3), "V[10,10]  = -0.00");
    EXPECT_EQ(label(4), "Ex[10,10] = 0.00");
}

TEST_F(Form, AtMostOneOfTheSixIsDownAndTheDownOneRaisesOnClick) {
    click(Toggle::add_positive_tool);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(tool_mode(), ToolMode::positive);
    click(Toggle::add_negative_tool);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{false, true, false, false, false, false}));
    EXPECT_EQ(tool_mode(), ToolMode::negative);
    click(Toggle::remove_tool);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_EQ(tool_mode(), ToolMode::remove);
    click(Toggle::remove_tool);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
}

TEST_F(Form, AddAndRemoveChargesByClickingTheBoard) {
    click(Toggle::add_positive_tool);
    click_board(250, 150);
    ASSERT_EQ(charge_count(), 1);
    EXPECT_EQ(charge(1).x, 50);
    EXPECT_EQ(charge(1).y, 50);
    EXPECT_EQ(charge(1).sign, 1);
    EXPECT_EQ(pixel(250 - 8, 150), positive_colour);
    EXPECT_EQ(scene_stage(), 1);
    EXPECT_EQ(grids_stale(), 1);

    click(Toggle::add_negative_tool);
    click_board(100, 300);
    ASSERT_EQ(charge_count(), 2);
    EXPECT_EQ(charge(2).sign, -1);
    EXPECT_EQ(pixel(100 - 8, 300), negative_colour);

    click(Toggle::remove_tool);
    set_grids_stale(0);
    click_board(256, 158); // 6 right and 8 down of the first: exactly 10 away
    ASSERT_EQ(charge_count(), 1);
    EXPECT_EQ(charge(1).x, -100);
    EXPECT_EQ(pixel(250 - 8, 150), white);
    EXPECT_EQ(pixel(100 - 8, 300), negative_colour);
    EXPECT_EQ(grids_stale(), 1);
}

TEST_F(Form, AddClickAfterRaisingTheAddToolDoesNothing) {
    click(Toggle::add_positive_tool);
    click(Toggle::add_positive_tool);
    EXPECT_EQ(tool_mode(), ToolMode::positive);
    click_board(200, 100);
    EXPECT_EQ(charge_count(), 0);
    EXPECT_EQ(pixel(195, 100), white);
}

TEST_F(Form, RemoveClickNearNothingLeavesTheBoardAlone) {
    click(Toggle::add_positive_tool);
    click_board(300, 300);
    click(Toggle::remove_tool);
    plant(50, 50, rgb(1, 2, 3));
    set_scene_stage(2);
    set_grids_stale(0);
    click_board(100, 100);
    EXPECT_EQ(charge_count(), 1);
    EXPECT_EQ(pixel(50, 50), rgb(1, 2, 3));
    EXPECT_EQ(scene_stage(), 2);
    EXPECT_EQ(grids_stale(), 0);
}

TEST_F(Form, FifteenthChargeShowsTheBoxAndChangesNothing) {
    click(Toggle::capacitor_button); // twelve charges
    click(Toggle::add_positive_tool);
    click_board(200, 20);
    click_board(200, 380);
    ASSERT_EQ(charge_count(), 14);
    const Charge before = charge(14);
    const auto board = board_copy();
    set_scene_stage(2);
    set_grids_stale(0);
    click_board(30, 30);
    EXPECT_EQ(screen->errors, std::vector<std::string>{"Maksymalnie 14 ładunków!"});
    EXPECT_EQ(charge_count(), 14);
    EXPECT_EQ(charge(14), before);
    EXPECT_TRUE(board_is(board));
    EXPECT_EQ(scene_stage(), 2);
    EXPECT_EQ(grids_stale(), 0);
    EXPECT_TRUE(form->down(Toggle::add_positive_tool));
}

TEST_F(Form, DipoleButtonAlwaysEndsDown) {
    click(Toggle::dipole_button);
    EXPECT_TRUE(form->down(Toggle::dipole_button));
    EXPECT_EQ(charge_count(), 2);
    EXPECT_EQ(pixel(280 - 8, 200), positive_colour);
    EXPECT_EQ(pixel(120 - 8, 200), negative_colour);
    click(Toggle::dipole_button);
    EXPECT_TRUE(form->down(Toggle::dipole_button));
    EXPECT_EQ(tool_mode(), ToolMode::none);
    EXPECT_EQ(scene_stage(), 1);
    EXPECT_EQ(grids_stale(), 1);
}

TEST_F(Form, QuadrupoleClickedWhileDownPlacesAgainAndEndsUp) {
    click(Toggle::quadrupole_button);
    EXPECT_TRUE(form->down(Toggle::quadrupole_button));
    ASSERT_EQ(charge_count(), 4);
    EXPECT_EQ(charge(3).sign, -1);
    EXPECT_EQ(charge(4).sign, -1);
    click(Toggle::add_positive_tool);
    click_board(10, 10);
    EXPECT_EQ(charge_count(), 5);
    click(Toggle::quadrupole_button);
    click(Toggle::quadrupole_button);
    EXPECT_FALSE(form->down(Toggle::quadrupole_button));
    EXPECT_EQ(charge_count(), 4);
    EXPECT_EQ(pixel(10, 10), white);
    EXPECT_EQ(tool_mode(), ToolMode::none);
}

TEST_F(Form, ClearTakesThePictureThenTheChargesThenNothing) {
    click(Toggle::add_positive_tool);
    click_board(250, 150);
    set_scene_stage(2); // as after a picture
    plant(30, 30, rgb(9, 9, 9));
    form->clear_pictures_or_charges();
    EXPECT_EQ(scene_stage(), 1);
    EXPECT_EQ(pixel(30, 30), white);
    EXPECT_EQ(pixel(250 - 8, 150), positive_colour);
    EXPECT_EQ(charge_count(), 1);
    EXPECT_EQ(tool_mode(), ToolMode::positive); // the add tool is still down
    EXPECT_EQ(grids_stale(), 1);

    form->clear_pictures_or_charges();
    EXPECT_EQ(scene_stage(), 0);
    EXPECT_EQ(charge_count(), 0);
    EXPECT_EQ(pixel(250 - 8, 150), white);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
    EXPECT_EQ(tool_mode(), ToolMode::none);
    EXPECT_EQ(grids_stale(), 0);

    plant(30, 30, rgb(9, 9, 9));
    form->clear_pictures_or_charges();
    EXPECT_EQ(pixel(30, 30), rgb(9, 9, 9));
}

TEST_F(Form, PictureClearRaisesThePresetButtons) {
    click(Toggle::capacitor_button);
    set_scene_stage(2);
    form->clear_pictures_or_charges();
    EXPECT_FALSE(form->down(Toggle::capacitor_button));
    EXPECT_EQ(tool_mode(), ToolMode::none);
    EXPECT_EQ(charge_count(), 12);
}

TEST_F(Form, FullClearAfterAnyToolOrArrangementRaisesTheFirstFive) {
    for (Toggle tool :
         {Toggle::add_positive_tool, Toggle::add_negative_tool, Toggle::capacitor_button,
          Toggle::quadrupole_button, Toggle::dipole_button}) {
        fresh();
        click(Toggle::dipole_button); // charges on the board, so Clear takes them
        click(tool);
        form->clear_pictures_or_charges();
        ASSERT_EQ(scene_stage(), 0) << toggle_names[static_cast<int>(tool)];
        EXPECT_EQ(six_down(), (std::array<bool, 6>{})) << toggle_names[static_cast<int>(tool)];
    }
}

TEST_F(Form, FullClearWithTheRemoveToolDownKeepsItDown) {
    click(Toggle::dipole_button);
    click(Toggle::remove_tool);
    form->clear_pictures_or_charges();
    EXPECT_EQ(six_down(), (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_EQ(tool_mode(), ToolMode::none);
    EXPECT_EQ(charge_count(), 0);
}

TEST_F(Form, ReadoutKeepsTheLastGridValuesAfterTheChargesChange) {
    grids().v()[210][200] = 100.0;
    click(Toggle::dipole_button);
    form->clear_pictures_or_charges();
    move_to(210, 200);
    EXPECT_EQ(label(3), "V[10,0]  = 100.00");
}

TEST_F(Form, ControlsAreReachedByTheirFormNames) {
    EXPECT_TRUE(form->click("dipole_button"));
    EXPECT_TRUE(form->down(Toggle::dipole_button));
    EXPECT_EQ(charge_count(), 2);
    EXPECT_TRUE(form->click("description_item"));
    EXPECT_TRUE(form->click("end_item"));
    EXPECT_EQ(screen->descriptions, 1);
    EXPECT_EQ(screen->ends, 1);
    const auto before = board_copy();
    for (const char* name : {"", "board", "x_readout", "speedb1", "SpeedB7", "potential_menu"})
        EXPECT_FALSE(form->click(name)) << name;
    EXPECT_TRUE(board_is(before));
}
