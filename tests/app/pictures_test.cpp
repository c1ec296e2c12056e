#include "form_fixture.h"

#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

namespace {

constexpr Rgb orange = equipotential_positive;
constexpr Rgb teal = field_line_colour;

} // namespace

class Pictures : public Form {
  protected:
    // One positive charge at the centre, placed with the add tool.
    void single_charge_at_centre() {
        click(Toggle::add_positive_tool);
        click_board(200, 200);
    }
};

TEST_F(Pictures, ColourMapAtStartUpChangesNothing) {
    click(Toggle::field_line_tool);
    const auto before = board_copy();
    form->draw_colour_map();
    form->draw_colour_map();
    EXPECT_TRUE(form->down(Toggle::field_line_tool));
    EXPECT_TRUE(board_is(before));
    EXPECT_EQ(scene_stage(), 0);
    EXPECT_EQ(tool_mode(), ToolMode::none);
}

TEST_F(Pictures, ColourMapComputesTheGridsShowsThemAndRaisesEveryButton) {
    single_charge_at_centre();
    form->draw_colour_map();
    EXPECT_EQ(grids_stale(), 0);
    EXPECT_EQ(scene_stage(), 2);
    EXPECT_EQ(tool_mode(), ToolMode::none);
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
    EXPECT_EQ(screen->position, 0);
    EXPECT_EQ(screen->maximum, 400);
    EXPECT_EQ(pixel(200, 30), black);            // the axis over the map
    EXPECT_EQ(pixel(221, 200), black);           // the axis beyond the marker
    EXPECT_NE(pixel(300, 300), white);           // the map itself
    EXPECT_EQ(pixel(192, 200), positive_colour); // the marker on top

    move_to(210, 200);
    EXPECT_EQ(label(3), "V[10,0]  = 100.00");
    EXPECT_EQ(label(4), "Ex[10,0] = 100.00");
    EXPECT_EQ(label(5), "Ey[10,0] = 0.00");
    move_to(200, 190);
    EXPECT_EQ(label(5), "Ey[0,10] = 100.00");
}

TEST_F(Pictures, ColourMapTwiceComputesTheGridsOnce) {
    single_charge_at_centre();
    form->draw_colour_map();
    grids().v()[300][300] = 12345.0; // a recomputation would overwrite this
    form->draw_colour_map();
    EXPECT_EQ(grids().v()[300][300], 12345.0);
    click(Toggle::add_positive_tool);
    click_board(100, 100);
    form->draw_colour_map();
    EXPECT_NE(grids().v()[300][300], 12345.0);
}

TEST_F(Pictures, ClearTakesTheMapAwayBeforeTheCharges) {
    single_charge_at_centre();
    form->draw_colour_map();
    form->clear_pictures_or_charges();
    EXPECT_EQ(pixel(300, 300), white);
    EXPECT_EQ(pixel(192, 200), positive_colour);
    form->clear_pictures_or_charges();
    EXPECT_EQ(pixel(192, 203), white);
    EXPECT_EQ(charge_count(), 0);
}

TEST_F(Pictures, AutomaticEquipotentialsDrawBothColoursOverAFreshMap) {
    click(Toggle::dipole_button);
    click(Toggle::remove_tool);
    form->draw_equipotential_family();
    EXPECT_EQ(six_down(), (std::array<bool, 6>{}));
    EXPECT_EQ(grids_stale(), 0);
    EXPECT_EQ(scene_stage(), 2);
    EXPECT_GT(count_pixels(orange), 0);
    EXPECT_GT(count_pixels(negative_colour), 314); // more than the marker
    EXPECT_EQ(pixel(272, 200), positive_colour);   // markers drawn again on top
    EXPECT_EQ(screen->position, 0);
}

TEST_F(Pictures, VconstAtStartUpStaysDownAndBoardClicksDoNothing) {
    click(Toggle::equipotential_tool);
    EXPECT_TRUE(form->down(Toggle::equipotential_tool));
    EXPECT_EQ(tool_mode(), ToolMode::none);
    const auto before = board_copy();
    click_board(100, 100);
    EXPECT_TRUE(board_is(before));
    move_to(100, 100);
    EXPECT_TRUE(form->board_tooltip());
    click(Toggle::equipotential_tool);
    move_to(101, 100);
    EXPECT_FALSE(form->board_tooltip());
}

TEST_F(Pictures, VconstButtonShowsTheMapAndLeavesTheGridsStale) {
    single_charge_at_centre();
    click(Toggle::equipotential_tool);
    EXPECT_EQ(tool_mode(), ToolMode::equipotential);
    EXPECT_EQ(scene_stage(), 2);
    EXPECT_EQ(grids_stale(), 1);
    EXPECT_FALSE(form->down(Toggle::add_positive_tool));
    EXPECT_NE(pixel(300, 300), white); // the colour map

    click_board(200, 190); // exactly 10 above the charge: accepted
    EXPECT_GT(count_pixels(orange), 0);
    plant(5, 5, orange);

    // The next automatic family recomputes and starts from a fresh map.
    form->draw_equipotential_family();
    EXPECT_NE(pixel(5, 5), orange);
    EXPECT_FALSE(form->down(Toggle::equipotential_tool));
}

TEST_F(Pictures, VconstMenuItemComputesSilentlyAndLeavesTheGridsFresh) {
    single_charge_at_centre();
    const auto before = board_copy();
    form->choose_equipotential_tool();
    EXPECT_TRUE(form->down(Toggle::equipotential_tool));
    EXPECT_EQ(tool_mode(), ToolMode::equipotential);
    EXPECT_EQ(grids_stale(), 0);
    EXPECT_TRUE(board_is(before)); // no colour map
    EXPECT_EQ(grids().v()[210][200], 100.0);

    plant(5, 5, rgb(1, 2, 3));
    form->draw_equipotential_family();
    EXPECT_EQ(pixel(5, 5), rgb(1, 2, 3)); // drawn over what is on the board
    EXPECT_GT(count_pixels(orange), 0);
}

TEST_F(Pictures, VconstClickTooNearAChargeDrawsNothing) {
    single_charge_at_centre();
    form->choose_equipotential_tool();
    set_scene_stage(1);
    const auto before = board_copy();
    click_board(207, 193); // about 9.9 from the charge
    EXPECT_TRUE(board_is(before));
    EXPECT_EQ(scene_stage(), 1);
    click_board(210, 200);
    EXPECT_EQ(scene_stage(), 2);
    EXPECT_FALSE(board_is(before));
}

TEST_F(Pictures, FieldLineClickDrawsBothWaysFromThePoint) {
    single_charge_at_centre();
    form->choose_field_line_tool();
    EXPECT_TRUE(form->down(Toggle::field_line_tool));
    EXPECT_FALSE(form->down(Toggle::add_positive_tool));
    EXPECT_EQ(tool_mode(), ToolMode::field_line);
    EXPECT_EQ(scene_stage(), 2);
    click_board(250, 200);            // the board point (50, 0)
    EXPECT_EQ(pixel(399, 200), teal); // out to the edge
    EXPECT_EQ(pixel(211, 200), teal); // in to 10 from the charge
    EXPECT_EQ(pixel(250, 201), white);
}

TEST_F(Pictures, FieldLineClickWithoutChargesDrawsNothingVisible) {
    click(Toggle::add_positive_tool);
    click(Toggle::field_line_tool);
    EXPECT_EQ(tool_mode(), ToolMode::field_line);
    const auto before = board_copy();
    click_board(120, 120);
    EXPECT_TRUE(board_is(before));
}

TEST_F(Pictures, AutomaticFieldLinesGoOverTheMapWithoutClearingIt) {
    single_charge_at_centre();
    form->draw_colour_map();
    const Rgb map_pixel = pixel(300, 300);
    form->draw_field_line_family();
    EXPECT_EQ(pixel(300, 300), map_pixel);
    EXPECT_GT(count_pixels(teal), 100);
    EXPECT_EQ(pixel(399, 1), teal); // the first line runs into the top-right corner
    EXPECT_EQ(grids_stale(), 0);
}

TEST_F(Pictures, AutomaticFieldLinesAfterTheVconstButtonStartFromTheBareBoard) {
    single_charge_at_centre();
    click(Toggle::equipotential_tool); // draws the map, leaves the grids stale
    form->draw_field_line_family();
    EXPECT_EQ(pixel(300, 300), white);
    EXPECT_TRUE(count_pixels(teal) > 0);
    EXPECT_EQ(grids_stale(), 0);
}

TEST_F(Pictures, EachPictureIsRecordedAndSaidAndARepaintedBoardForgetsThem) {
    using Phrases = std::vector<std::string>;
    click(Toggle::dipole_button);
    form->draw_equipotential_family(); // stale grids: a fresh map under the lines
    EXPECT_EQ(form->pictures(), (Phrases{"mapa potencjału", "linie ekwipotencjalne"}));
    EXPECT_EQ(screen->announcements, Phrases{"Narysowano: mapa potencjału, linie ekwipotencjalne"});
    form->choose_field_line_tool();
    click_board(250, 100);
    EXPECT_EQ(screen->announcements.back(), "Narysowano: linia sił przez (50, 100)");
    form->choose_equipotential_tool();
    click_board(200, 50);
    EXPECT_EQ(screen->announcements.back(), "Narysowano: linia ekwipotencjalna przez (0, 150)");
    form->draw_field_line_family();
    EXPECT_EQ(form->pictures(),
              (Phrases{"mapa potencjału", "linie ekwipotencjalne", "linia sił przez (50, 100)",
                       "linia ekwipotencjalna przez (0, 150)", "linie sił pola"}));
    EXPECT_EQ(screen->announcements.back(), "Narysowano: linie sił pola");
    form->clear_pictures_or_charges();
    EXPECT_EQ(form->pictures(), Phrases{});
    form->draw_colour_map();
    EXPECT_EQ(form->pictures(), Phrases{"mapa potencjału"});
    click(Toggle::add_positive_tool);
    click_board(10, 10); // a new charge leaves the picture as it is
    EXPECT_EQ(form->pictures(), Phrases{"mapa potencjału"});
    form->draw_field_line_family(); // stale grids: the lines start from the bare board
    EXPECT_EQ(form->pictures(), Phrases{"linie sił pola"});
    click(Toggle::add_positive_tool);
    click_board(390, 10);
    form->draw_equipotential_family(); // stale again: the fresh map covers the field lines
    EXPECT_EQ(form->pictures(), (Phrases{"mapa potencjału", "linie ekwipotencjalne"}));
    click(Toggle::quadrupole_button);
    EXPECT_EQ(form->pictures(), Phrases{});
    EXPECT_EQ(screen->announcements.size(), 7u);
}

TEST_F(Pictures, TheSavedPictureDescribesTheChargesInSlotOrderAndWhatWasDrawn) {
    EXPECT_EQ(form->picture_description(),
              "Ardenika\nŁadunki (x, y, znak): brak\nNarysowano: nic poza ładunkami");
    click(Toggle::dipole_button);
    form->draw_equipotential_family();
    EXPECT_EQ(form->picture_description(), "Ardenika\n"
                                           "Ładunki (x, y, znak): 80, 0, 1; -80, 0, -1\n"
                                           "Narysowano: mapa potencjału, linie ekwipotencjalne");
    form->clear_pictures_or_charges();
    form->clear_pictures_or_charges();
    click(Toggle::add_negative_tool);
    click_board(10, 10);
    click(Toggle::add_positive_tool);
    click_board(250, 300);
    click_board(0, 400);
    click(Toggle::remove_tool);
    click_board(10, 10); // the later charges move up a slot
    form->choose_field_line_tool();
    click_board(200, 200);
    EXPECT_EQ(form->picture_description(), "Ardenika\n"
                                           "Ładunki (x, y, znak): 50, -100, 1; -200, -200, 1\n"
                                           "Narysowano: linia sił przez (0, 0)");
}
