#include "window_fixture.h"

#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

namespace {

constexpr Rgb orange = equipotential_positive;
constexpr Rgb teal = field_line_colour;

bool any_pixel(const Canvas& c, Rgb colour) {
    return std::find(c.data(), c.data() + c.width() * c.height(), colour) !=
           c.data() + c.width() * c.height();
}

// Counts the pixels of one colour; the colour map paints no pure teal or pure orange.
long count_pixels(const Canvas& c, Rgb colour) {
    return std::count(c.data(), c.data() + c.width() * c.height(), colour);
}

} // namespace

class Pictures : public Window {
  protected:
    // One positive charge at the centre, placed with the add tool.
    void single_charge_at_centre() {
        click(form->SpeedB1);
        click_board(200, 200);
    }
    std::vector<Rgb> board_copy() {
        return {form->board().data(), form->board().data() + 401 * 401};
    }
    bool board_is(const std::vector<Rgb>& before) {
        return std::equal(before.begin(), before.end(), form->board().data());
    }
};

TEST_F(Pictures, ColourMapAtStartUpChangesNothing) {
    click(form->RysujB4);
    const auto before = board_copy();
    click(form->RysujB1);
    form->Rozklad->trigger();
    EXPECT_TRUE(form->RysujB4->isChecked());
    EXPECT_TRUE(board_is(before));
    EXPECT_EQ(scene_stage, 0);
    EXPECT_EQ(tool_mode, 0);
}

TEST_F(Pictures, ColourMapComputesTheGridsShowsThemAndRaisesEveryButton) {
    single_charge_at_centre();
    click(form->RysujB1);
    EXPECT_EQ(grids_stale, 0);
    EXPECT_EQ(scene_stage, 2);
    EXPECT_EQ(tool_mode, 0);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_EQ(form->ProgressBar1->maximum(), 400);
    EXPECT_EQ(pixel(200, 30), black);            // the axis over the map
    EXPECT_EQ(pixel(221, 200), black);           // the axis beyond the marker
    EXPECT_NE(pixel(300, 300), white);           // the map itself
    EXPECT_EQ(pixel(192, 200), positive_colour); // the marker on top

    move_to(210, 200);
    EXPECT_EQ(form->Label3->text(), "V[10,0]  = 100.00");
    EXPECT_EQ(form->Label4->text(), "Ex[10,0] = 100.00");
    EXPECT_EQ(form->Label5->text(), "Ey[10,0] = 0.00");
    move_to(200, 190);
    EXPECT_EQ(form->Label5->text(), "Ey[0,10] = 100.00");
}

TEST_F(Pictures, ColourMapTwiceComputesTheGridsOnce) {
    single_charge_at_centre();
    click(form->RysujB1);
    grid_V[300][300] = 12345.0; // a recomputation would overwrite this
    form->rozkladpotencjaluClick();
    EXPECT_EQ(grid_V[300][300], 12345.0);
    click(form->SpeedB1);
    click_board(100, 100);
    click(form->RysujB1);
    EXPECT_NE(grid_V[300][300], 12345.0);
}

TEST_F(Pictures, ClearTakesTheMapAwayBeforeTheCharges) {
    single_charge_at_centre();
    click(form->RysujB1);
    click(form->Button1);
    EXPECT_EQ(pixel(300, 300), white);
    EXPECT_EQ(pixel(192, 200), positive_colour);
    click(form->Button1);
    EXPECT_EQ(pixel(192, 203), white);
    EXPECT_EQ(charge_count, 0);
}

TEST_F(Pictures, AutomaticEquipotentialsDrawBothColoursOverAFreshMap) {
    click(form->SpeedB5);
    click(form->SpeedB6);
    click(form->RysujB2);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
    EXPECT_EQ(grids_stale, 0);
    EXPECT_EQ(scene_stage, 2);
    EXPECT_GT(count_pixels(form->board(), orange), 0);
    EXPECT_GT(count_pixels(form->board(), negative_colour), 314); // more than the marker
    EXPECT_EQ(pixel(272, 200), positive_colour);                  // markers drawn again on top
    EXPECT_EQ(form->ProgressBar1->value(), 0);
}

TEST_F(Pictures, EquipotentialCommandsDoNothingWithoutCharges) {
    click(form->SpeedB1);
    const auto before = board_copy();
    click(form->RysujB2);
    form->Linieekwipotencjalne1Click();
    EXPECT_TRUE(board_is(before));
    EXPECT_TRUE(form->SpeedB1->isChecked());
}

TEST_F(Pictures, VconstAtStartUpStaysDownAndBoardClicksDoNothing) {
    click(form->RysujB5);
    EXPECT_TRUE(form->RysujB5->isChecked());
    EXPECT_EQ(tool_mode, 0);
    const auto before = board_copy();
    click_board(100, 100);
    EXPECT_TRUE(board_is(before));
    move_to(100, 100);
    EXPECT_EQ(form->Image1->toolTip(), "Kliknij");
    click(form->RysujB5);
    move_to(101, 100);
    EXPECT_EQ(form->Image1->toolTip(), "");
}

TEST_F(Pictures, VconstButtonShowsTheMapAndLeavesTheGridsStale) {
    single_charge_at_centre();
    click(form->RysujB5);
    EXPECT_EQ(tool_mode, 2);
    EXPECT_EQ(scene_stage, 2);
    EXPECT_EQ(grids_stale, 1);
    EXPECT_FALSE(form->SpeedB1->isChecked());
    EXPECT_NE(pixel(300, 300), white); // the colour map

    click_board(200, 190); // exactly 10 above the charge: accepted
    EXPECT_GT(count_pixels(form->board(), orange), 0);
    form->board().set_pixel(5, 5, orange);

    // The next automatic family recomputes and starts from a fresh map.
    click(form->RysujB2);
    EXPECT_NE(pixel(5, 5), orange);
    EXPECT_FALSE(form->RysujB5->isChecked());
}

TEST_F(Pictures, VconstMenuItemComputesSilentlyAndLeavesTheGridsFresh) {
    single_charge_at_centre();
    const auto before = board_copy();
    form->Vconst1->trigger();
    EXPECT_TRUE(form->RysujB5->isChecked());
    EXPECT_EQ(tool_mode, 2);
    EXPECT_EQ(grids_stale, 0);
    EXPECT_TRUE(board_is(before)); // no colour map
    EXPECT_EQ(grid_V[210][200], 100.0);

    form->board().set_pixel(5, 5, rgb(1, 2, 3));
    click(form->RysujB2);
    EXPECT_EQ(pixel(5, 5), rgb(1, 2, 3)); // drawn over what is on the board
    EXPECT_GT(count_pixels(form->board(), orange), 0);
}

TEST_F(Pictures, VconstClickTooNearAChargeDrawsNothing) {
    single_charge_at_centre();
    form->Vconst1->trigger();
    scene_stage = 1;
    const auto before = board_copy();
    click_board(207, 193); // about 9.9 from the charge
    EXPECT_TRUE(board_is(before));
    EXPECT_EQ(scene_stage, 1);
    click_board(210, 200);
    EXPECT_EQ(scene_stage, 2);
    EXPECT_FALSE(board_is(before));
}

TEST_F(Pictures, FieldLineModeAtStartUpStaysDownAndClicksDoNothing) {
    click(form->RysujB4);
    EXPECT_TRUE(form->RysujB4->isChecked());
    EXPECT_EQ(tool_mode, 0);
    const auto before = board_copy();
    click_board(300, 100);
    EXPECT_TRUE(board_is(before));
}

TEST_F(Pictures, FieldLineClickDrawsBothWaysFromThePoint) {
    single_charge_at_centre();
    form->Fr1->trigger();
    EXPECT_TRUE(form->RysujB4->isChecked());
    EXPECT_FALSE(form->SpeedB1->isChecked());
    EXPECT_EQ(tool_mode, 3);
    EXPECT_EQ(scene_stage, 2);
    click_board(250, 200);            // the board point (50, 0)
    EXPECT_EQ(pixel(399, 200), teal); // out to the edge
    EXPECT_EQ(pixel(211, 200), teal); // in to 10 from the charge
    EXPECT_EQ(pixel(250, 201), white);
}

TEST_F(Pictures, FieldLineClickWithoutChargesDrawsNothingVisible) {
    click(form->SpeedB1);
    click(form->RysujB4);
    EXPECT_EQ(tool_mode, 3);
    const auto before = board_copy();
    click_board(120, 120);
    EXPECT_TRUE(board_is(before));
}

TEST_F(Pictures, AutomaticFieldLinesGoOverTheMapWithoutClearingIt) {
    single_charge_at_centre();
    click(form->RysujB1);
    const Rgb map_pixel = pixel(300, 300);
    click(form->RysujB3);
    EXPECT_EQ(pixel(300, 300), map_pixel);
    EXPECT_GT(count_pixels(form->board(), teal), 100);
    EXPECT_EQ(pixel(399, 1), teal); // the first line runs into the top-right corner
    EXPECT_EQ(grids_stale, 0);
}

TEST_F(Pictures, AutomaticFieldLinesAfterTheVconstButtonStartFromTheBareBoard) {
    single_charge_at_centre();
    click(form->RysujB5); // draws the map, leaves the grids stale
    click(form->RysujB3);
    EXPECT_EQ(pixel(300, 300), white);
    EXPECT_TRUE(any_pixel(form->board(), teal));
    EXPECT_EQ(grids_stale, 0);
}
