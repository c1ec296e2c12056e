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
    ToolMode tool_mode;
    int scene_stage;
};

// With the positive-charge tool chosen and no charges: what each picture command leaves.
constexpr AfterCommand with_a_tool_and_no_charges[] = {
    {"colour_map_button", false, false, false, ToolMode::none, 0},
    {"colour_map_item", false, false, false, ToolMode::none, 0},
    {"equipotentials_button", true, false, false, ToolMode::positive, 0},
    {"equipotentials_item", true, false, false, ToolMode::positive, 0},
    {"field_lines_button", true, false, false, ToolMode::positive, 0},
    {"field_lines_item", true, false, false, ToolMode::positive, 0},
    {"equipotential_tool", false, false, true, ToolMode::equipotential, 2},
    {"equipotential_item", false, false, true, ToolMode::equipotential, 2},
    {"field_line_tool", false, true, false, ToolMode::field_line, 2},
    {"field_line_item", false, true, false, ToolMode::field_line, 2},
};

} // namespace

TEST_F(Form, EveryPictureCommandWithAToolAndNoChargesLeavesTheButtonsAsItsModeSays) {
    for (const AfterCommand& want : with_a_tool_and_no_charges) {
        fresh();
        click(Toggle::add_positive_tool);
        const auto before = board_copy();
        ASSERT_TRUE(form->click(want.control));
        EXPECT_EQ(form->down(Toggle::add_positive_tool), want.add_tool_down) << want.control;
        EXPECT_EQ(form->down(Toggle::field_line_tool), want.f_r_down) << want.control;
        EXPECT_EQ(form->down(Toggle::equipotential_tool), want.v_const_down) << want.control;
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
        {"field_line_tool", "equipotential_tool"}, {"field_line_item", "equipotential_item"},
        {"field_line_tool", "equipotential_item"}, {"field_line_item", "equipotential_tool"},
        {"equipotential_tool", "field_line_tool"}, {"equipotential_item", "field_line_item"}};
    for (const auto& [first, second] : orders) {
        fresh();
        ASSERT_TRUE(form->click(first));
        ASSERT_TRUE(form->click(second));
        const bool f_r = form->down(Toggle::field_line_tool);
        const bool v_const = form->down(Toggle::equipotential_tool);
        EXPECT_TRUE(f_r != v_const) << first << " then " << second;
        EXPECT_EQ(f_r, std::string_view(second) == "field_line_tool" ||
                           std::string_view(second) == "field_line_item");
        EXPECT_EQ(tool_mode(), ToolMode::none) << first << " then " << second;
        EXPECT_EQ(scene_stage(), 0) << first << " then " << second;
    }
}

TEST_F(Form, ARemoveClickWithoutChargesLeavesFrAndVconstAsTheyAre) {
    for (const char* mode :
         {"field_line_tool", "field_line_item", "equipotential_tool", "equipotential_item"}) {
        fresh();
        click(Toggle::remove_tool);
        ASSERT_TRUE(form->click(mode)); // the guard stops it: the mode stays remove
        const bool f_r = form->down(Toggle::field_line_tool);
        const bool v_const = form->down(Toggle::equipotential_tool);
        ASSERT_TRUE(f_r || v_const) << mode;
        click_board(200, 200);
        EXPECT_EQ(form->down(Toggle::field_line_tool), f_r) << mode;
        EXPECT_EQ(form->down(Toggle::equipotential_tool), v_const) << mode;
    }
}

TEST_F(Form, ClearInAClickModeRaisesItsButtonAndKeepsTheModeUntilTheChargesGo) {
    for (const char* mode : {"equipotential_item", "field_line_item"}) {
        fresh();
        click(Toggle::dipole_button);
        ASSERT_TRUE(form->click(mode));
        const ToolMode entered = tool_mode();
        form->clear_pictures_or_charges();
        EXPECT_EQ(scene_stage(), 1) << mode;
        EXPECT_EQ(tool_mode(), entered) << mode;
        EXPECT_FALSE(form->down(Toggle::field_line_tool) || form->down(Toggle::equipotential_tool))
            << mode;
        const auto before = board_copy();
        click_board(200, 300); // the mode's button is up: the click draws nothing
        EXPECT_TRUE(board_is(before)) << mode;
        form->clear_pictures_or_charges();
        EXPECT_EQ(charge_count(), 0) << mode;
        EXPECT_EQ(tool_mode(), ToolMode::none) << mode;
    }
}

TEST_F(Form, AutomaticLinesAfterAPictureClearLeaveTheStageAtChargesSoTheNextClearTakesThem) {
    click(Toggle::dipole_button);
    form->draw_colour_map();
    form->clear_pictures_or_charges();
    ASSERT_EQ(scene_stage(), 1);
    form->draw_field_line_family(); // the grids are fresh: lines over the charges, stage untouched
    form->draw_equipotential_family();
    EXPECT_EQ(scene_stage(), 1);
    EXPECT_GT(count_pixels(field_line_colour), 0);
    form->clear_pictures_or_charges();
    EXPECT_EQ(charge_count(), 0);
    EXPECT_EQ(count_pixels(field_line_colour), 0);
}
