// The common guard and the through-a-point modes at their edges: a tool chosen with no charges,
// the two modes entered on an empty board, and Clear while a mode is on.
#include "form_fixture.h"

#include "render/field_lines.h"

#include <string_view>
#include <utility>

namespace {

struct AfterCommand {
    const char* control;
    bool add_tool_down;
    bool f_r_down;
    bool v_const_down;
    int tool_mode;
    int scene_stage;
};

// With the positive-charge tool chosen and no charges: what each picture command leaves.
constexpr AfterCommand with_a_tool_and_no_charges[] = {
    {"RysujB1", false, false, false, 0, 0}, {"Rozklad", false, false, false, 0, 0},
    {"RysujB2", true, false, false, 1, 0},  {"Linieekwipotencjale1", true, false, false, 1, 0},
    {"RysujB3", true, false, false, 1, 0},  {"Liniesil1", true, false, false, 1, 0},
    {"RysujB5", false, false, true, 2, 2},  {"Vconst1", false, false, true, 2, 2},
    {"RysujB4", false, true, false, 3, 2},  {"Fr1", false, true, false, 3, 2},
};

} // namespace

TEST_F(Form, EveryPictureCommandWithAToolAndNoChargesLeavesTheButtonsAsItsModeSays) {
    for (const AfterCommand& want : with_a_tool_and_no_charges) {
        fresh();
        click(Toggle::SpeedB1);
        const auto before = board_copy();
        ASSERT_TRUE(form->click(want.control));
        EXPECT_EQ(form->down(Toggle::SpeedB1), want.add_tool_down) << want.control;
        EXPECT_EQ(form->down(Toggle::RysujB4), want.f_r_down) << want.control;
        EXPECT_EQ(form->down(Toggle::RysujB5), want.v_const_down) << want.control;
        EXPECT_EQ(tool_mode(), want.tool_mode) << want.control;
        EXPECT_EQ(scene_stage(), want.scene_stage) << want.control;
        EXPECT_TRUE(board_is(before)) << want.control;
        // A board click adds a charge exactly while the add tool is still down; a field line
        // without charges draws nothing, so nothing is recorded or said.
        click_board(300, 300);
        EXPECT_EQ(charge_count(), want.add_tool_down ? 1 : 0) << want.control;
        if (want.f_r_down) {
            EXPECT_TRUE(form->pictures().empty()) << want.control;
            EXPECT_TRUE(screen->announcements.empty()) << want.control;
        }
    }
}

TEST_F(Form, OnAnEmptyBoardFrAndVconstPressTheirButtonButNeverBothAndChangeNothingElse) {
    const std::pair<const char*, const char*> orders[] = {
        {"RysujB4", "RysujB5"}, {"Fr1", "Vconst1"},     {"RysujB4", "Vconst1"},
        {"Fr1", "RysujB5"},     {"RysujB5", "RysujB4"}, {"Vconst1", "Fr1"}};
    for (const auto& [first, second] : orders) {
        fresh();
        ASSERT_TRUE(form->click(first));
        ASSERT_TRUE(form->click(second));
        const bool f_r = form->down(Toggle::RysujB4);
        const bool v_const = form->down(Toggle::RysujB5);
        EXPECT_TRUE(f_r != v_const) << first << " then " << second;
        EXPECT_EQ(f_r, std::string_view(second) == "RysujB4" || std::string_view(second) == "Fr1");
        EXPECT_EQ(tool_mode(), 0) << first << " then " << second;
        EXPECT_EQ(scene_stage(), 0) << first << " then " << second;
    }
}

TEST_F(Form, ARemoveClickWithoutChargesLeavesFrAndVconstAsTheyAre) {
    for (const char* mode : {"RysujB4", "Fr1", "RysujB5", "Vconst1"}) {
        fresh();
        click(Toggle::SpeedB6);
        ASSERT_TRUE(form->click(mode)); // the guard stops it: the mode stays remove
        const bool f_r = form->down(Toggle::RysujB4);
        const bool v_const = form->down(Toggle::RysujB5);
        ASSERT_TRUE(f_r || v_const) << mode;
        click_board(200, 200);
        EXPECT_EQ(form->down(Toggle::RysujB4), f_r) << mode;
        EXPECT_EQ(form->down(Toggle::RysujB5), v_const) << mode;
    }
}

TEST_F(Form, ClearInAClickModeRaisesItsButtonAndKeepsTheModeUntilTheChargesGo) {
    for (const char* mode : {"Vconst1", "Fr1"}) {
        fresh();
        click(Toggle::SpeedB5);
        ASSERT_TRUE(form->click(mode));
        const int entered = tool_mode();
        form->Button1Click();
        EXPECT_EQ(scene_stage(), 1) << mode;
        EXPECT_EQ(tool_mode(), entered) << mode;
        EXPECT_FALSE(form->down(Toggle::RysujB4) || form->down(Toggle::RysujB5)) << mode;
        const auto before = board_copy();
        click_board(200, 300); // the mode's button is up: the click draws nothing
        EXPECT_TRUE(board_is(before)) << mode;
        form->Button1Click();
        EXPECT_EQ(charge_count(), 0) << mode;
        EXPECT_EQ(tool_mode(), 0) << mode;
    }
}

TEST_F(Form, AutomaticLinesAfterAPictureClearLeaveTheStageAtChargesSoTheNextClearTakesThem) {
    click(Toggle::SpeedB5);
    form->RysujB1Click();
    form->Button1Click();
    ASSERT_EQ(scene_stage(), 1);
    form->RysujB3Click(); // the grids are fresh: lines over the charges, stage untouched
    form->RysujB2Click();
    EXPECT_EQ(scene_stage(), 1);
    EXPECT_GT(count_pixels(field_line_colour), 0);
    form->Button1Click();
    EXPECT_EQ(charge_count(), 0);
    EXPECT_EQ(count_pixels(field_line_colour), 0);
}
