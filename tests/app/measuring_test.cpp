// Measuring points: the values they read (checked by hand on a dipole), their place in the
// setup, placing and moving them by pointer and keyboard, undo, and the recorded table as a
// spreadsheet takes it.
#include "app/measurement_table.h"
#include "app/setup.h"
#include "form_fixture.h"

#include <cmath>

namespace {

const ChargeSet dipole{{80, 0, 1}, {-80, 0, -1}};

} // namespace

TEST(MeasuringValues, OnTheDipolesAxisMatchTheSumsWorkedByHand) {
    // Midway, both charges push the field towards -x: 2 * 10000 / 80^2.
    const PointValues middle = point_values(dipole, 0, 0);
    EXPECT_TRUE(middle.defined);
    EXPECT_EQ(middle.v, 0.0);
    EXPECT_DOUBLE_EQ(middle.ex, -3.125);
    EXPECT_EQ(middle.ey, 0.0);
    EXPECT_DOUBLE_EQ(middle.strength, 3.125);
    EXPECT_EQ(middle.direction, 180.0);
    // Above the middle the field still points from + to -; V stays 0 on the symmetry line.
    const PointValues above = point_values(dipole, 0, 60);
    EXPECT_NEAR(above.v, 0.0, 1e-12);
    EXPECT_LT(above.ex, 0.0);
    EXPECT_NEAR(above.ey, 0.0, 1e-12);
    // On a charge nothing is defined.
    EXPECT_FALSE(point_values(dipole, 80, 0).defined);

    // A at (40, 0), B at (-40, 0): V = 1000 (1/40 - 1/120) and its negative.
    const PairValues pair = pair_values(dipole, {40, 0}, {-40, 0});
    ASSERT_TRUE(pair.defined);
    EXPECT_DOUBLE_EQ(pair.difference, -2000.0 / 60.0);
    EXPECT_EQ(pair.distance, 80.0);
    // Along the field it is 10 * 33.333 / 80 in the readout's units, above the midpoint's
    // 3.125: the field is stronger nearer the charges.
    EXPECT_DOUBLE_EQ(pair.mean_field, 2000.0 / 60.0 / 8.0);
    // The field at the midpoint points from A towards B, along the segment.
    EXPECT_DOUBLE_EQ(pair.midpoint_component, 3.125);
    // Swapped, the difference and the component change sign; the distance does not.
    const PairValues back = pair_values(dipole, {-40, 0}, {40, 0});
    EXPECT_EQ(back.difference, -pair.difference);
    EXPECT_EQ(back.midpoint_component, -pair.midpoint_component);
    EXPECT_FALSE(pair_values(dipole, {40, 0}, {40, 0}).defined);
    EXPECT_FALSE(pair_values(dipole, {70, 0}, {90, 0}).defined) << "midpoint on a charge";
}

TEST(MeasuringValues, MeanFieldOfAShortSegmentIsTheFieldThere) {
    // Over two pixels the potential's slope is the readout's field to within the curvature.
    const ChargeSet one{{0, 0, 1}};
    const PairValues pair = pair_values(one, {99, 0}, {101, 0});
    EXPECT_NEAR(pair.mean_field, pair.midpoint_component, 1e-3 * pair.midpoint_component);
    EXPECT_NEAR(pair.midpoint_component, 1.0, 1e-12); // 10000 / 100^2
}

TEST(MeasuringValues, MidpointFieldIsTheGridsFieldWhereTheMidpointIsAPixel) {
    const ChargeSet set{{10, 20, 1}, {-37, 5, -1}, {100, -150, 1}};
    for (const auto& [x1, y1, x2, y2] :
         {std::array{-3, 7, 5, 9}, {0, 0, 0, 0}, {-200, 200, 200, -200}, {11, 19, 9, 23}}) {
        const auto mid = field_at_midpoint(set, x1, y1, x2, y2);
        ASSERT_TRUE(mid);
        EXPECT_EQ((*mid)[0], field_x_at(set, (x1 + x2) / 2, (y1 + y2) / 2));
        EXPECT_EQ((*mid)[1], field_y_at(set, (x1 + x2) / 2, (y1 + y2) / 2));
    }
}

TEST(MeasuringValues, NumbersRoundHalfAwayAndNeverShowMinusZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    for (const Case& c :
         {Case{12.3456, 3, "12,346"}, Case{-33.33333, 3, "-33,333"}, Case{-0.00004, 3, "0,000"},
          Case{0.0, 4, "0,0000"}, Case{1e6, 1, "1000000,0"}, Case{-3.125, 4, "-3,1250"}})
        EXPECT_EQ(format_decimal(c.value, c.decimals, ","), c.text) << c.value;
    PointValues almost_axis;
    almost_axis.defined = true;
    almost_axis.direction = 359.97;
    EXPECT_EQ(direction_text(almost_axis, polish_words), "0,0");
}

TEST(MeasuringSetup, PointsTravelAsTokensAfterTheStepsAndDamagedOnesAreRefused) {
    const SetupResult read = read_setup("v1;mB-40,0;p80,0;n-80,0;V;mA40,0");
    ASSERT_TRUE(read);
    EXPECT_EQ(write_setup(read.setup), "v1;p80,0;n-80,0;V;mA40,0;mB-40,0");
    EXPECT_EQ(read.setup.points.count(), 2);
    struct Refusal {
        const char* text;
        SetupError error;
    };
    for (const Refusal& r : {Refusal{"v1;mI1,1", SetupError::damaged},
                             {"v1;ma1,1", SetupError::damaged},
                             {"v1;mA", SetupError::damaged},
                             {"v1;m", SetupError::damaged},
                             {"v1;mA1,1;mA2,2", SetupError::damaged},
                             {"v1;mA1;", SetupError::damaged},
                             {"v1;mH201,0", SetupError::point_off_board}})
        EXPECT_EQ(read_setup(r.text).error, r.error) << r.text;
}

class Measuring : public Form {
  protected:
    void press_key(BoardKey key, bool shift = false) { form->board_key(key, shift); }
    std::vector<std::vector<std::string>> points_rows() const {
        return form->panel_table("points_table").rows;
    }
};

TEST_F(Measuring, PointsArePlacedInLetterOrderDrawnOverTheBoardAndTheNinthIsRefused) {
    click(Toggle::dipole_button);
    form->click("colour_map_button");
    const std::vector<Rgb> pictures = board_copy();
    form->click("measuring_tool");
    EXPECT_TRUE(form->panel_down("measuring_tool"));
    for (int i = 0; i < 9; ++i) click_board(20 + 40 * i, 100);
    EXPECT_EQ(screen->errors, std::vector<std::string>{std::string(polish_words.too_many_points)});
    EXPECT_EQ(write_setup(form->setup()),
              "v1;p80,0;n-80,0;V;mA-180,100;mB-140,100;mC-100,100;mD-60,100;mE-20,100;mF20,100;"
              "mG60,100;mH100,100");
    // The pictures stay as they were; only the board shown carries the marks.
    EXPECT_TRUE(board_is(pictures));
    EXPECT_NE(form->shown_board().pixel(20, 100), form->board().pixel(20, 100));
    // A click on a point chooses it and places nothing; undo takes the last point back.
    form->click("remove_point_button");
    EXPECT_EQ(form->measuring_points().count(), 7);
    click_board(60, 100);
    form->click("remove_point_button");
    EXPECT_FALSE(form->measuring_points().at(1));
    EXPECT_TRUE(form->undo());
    EXPECT_TRUE(form->measuring_points().at(1));
    // Undo raised every tool, as opening a board does; a click now fills the first free letter.
    EXPECT_FALSE(form->panel_down("measuring_tool"));
    form->click("measuring_tool");
    click_board(300, 300);
    EXPECT_EQ(points_rows().back()[0], "H");
}

TEST_F(Measuring, TheTableFollowsADraggedChargeAndADraggedPointWithUndoAndEscape) {
    ASSERT_TRUE(form->open_setup("v1;p80,0;n-80,0;mA40,0;mB-40,0"));
    EXPECT_EQ(points_rows()[0], (std::vector<std::string>{"A", "40", "0", "16,667", "-6,9444",
                                                          "0,0000", "6,9444", "180,0"}));
    EXPECT_EQ(form->panel_text("pair_difference"), "ΔV = V(B) − V(A) = -33,333");
    EXPECT_EQ(form->panel_text("pair_mean_field"),
              "Średnie pole wzdłuż odcinka −ΔV/d = 4,1667 (d w dziesiątkach pikseli)");
    EXPECT_EQ(form->panel_text("pair_midpoint_field"),
              "Składowa pola wzdłuż AB w środku odcinka = 3,1250");

    // A point dragged off the board keeps to its edge; undo takes it back to where it was.
    const auto at = [this](double column, double row) {
        return PointerEvent{column + 0.5, row + 0.5, PointerButton::primary, PointerKind::mouse,
                            clock_ms += 1000};
    };
    form->pointer_pressed(at(240, 200));
    form->pointer_moved(at(260, 120));
    form->pointer_moved(at(900, -30));
    form->pointer_released(at(900, -30));
    EXPECT_EQ(write_setup(form->setup()), "v1;p80,0;n-80,0;mA200,200;mB-40,0");
    EXPECT_TRUE(form->undo());
    EXPECT_EQ(points_rows()[0][1], "40");
    // Escape puts a point being moved back.
    form->pointer_pressed(at(240, 200));
    form->pointer_moved(at(260, 120));
    press_key(BoardKey::escape);
    form->pointer_released(at(260, 120));
    EXPECT_EQ(write_setup(form->setup()), "v1;p80,0;n-80,0;mA40,0;mB-40,0");

    // A dragged charge carries the values with it: the positive charge onto A reads "on a
    // charge", in words.
    form->pointer_pressed(at(280, 200));
    form->pointer_moved(at(250, 200));
    form->pointer_moved(at(240, 200));
    form->frame();
    EXPECT_EQ(points_rows()[0][3], "na ładunku");
    EXPECT_EQ(form->panel_text("pair_difference"), std::string(polish_words.pair_on_a_charge));
    form->pointer_released(at(240, 200));
    EXPECT_EQ(write_setup(form->setup()), "v1;p40,0;n-80,0;mA40,0;mB-40,0");
}

TEST_F(Measuring, KeyboardPlacesMovesAndRecordsAsTheMouseDoes) {
    // The lab sheet by mouse: A and B placed, A moved, three rows recorded.
    const auto run = [this](bool keyboard) {
        fresh();
        click(Toggle::dipole_button);
        form->click("measuring_tool");
        if (keyboard) {
            press_key(BoardKey::home);
            for (int i = 0; i < 4; ++i) press_key(BoardKey::right, true);
            press_key(BoardKey::activate); // A at (40, 0)
            for (int i = 0; i < 8; ++i) press_key(BoardKey::left, true);
            press_key(BoardKey::activate); // B at (-40, 0)
            for (int i = 0; i < 8; ++i) press_key(BoardKey::right, true);
            press_key(BoardKey::activate); // A picked up
            press_key(BoardKey::up, true);
            press_key(BoardKey::up);
            press_key(BoardKey::activate); // A put down at (40, 11)
        } else {
            click_board(240, 200);
            click_board(160, 200);
            const PointerEvent from{240.5, 200.5, PointerButton::primary, PointerKind::mouse,
                                    clock_ms += 1000};
            const PointerEvent to{240.5, 189.5, PointerButton::primary, PointerKind::mouse,
                                  clock_ms += 100};
            form->pointer_pressed(from);
            form->pointer_moved(to);
            form->pointer_released(to);
        }
        form->choose("chosen_point_choice", 0);
        form->click("record_button");
        form->choose("reference_choice", 1);
        form->click("record_button");
        form->choose("chosen_point_choice", 1);
        form->click("record_button");
        return form->recorded_table_text();
    };
    const std::string by_mouse = run(false);
    EXPECT_EQ(run(true), by_mouse);
    EXPECT_EQ(by_mouse.rfind("Punkt\tx\ty\tOdległość\tOd\tV\tEx\tEy\t|E|\tKierunek [°]\n", 0), 0u);
    EXPECT_NE(by_mouse.find("\nA\t40\t11\t41,48\tpoczątek układu\t"), std::string::npos);
    EXPECT_NE(by_mouse.find("\nA\t40\t11\t41,48\tładunek 1\t"), std::string::npos);
    EXPECT_NE(by_mouse.find("\nB\t-40\t0\t120,00\tładunek 1\t"), std::string::npos);
    // Each row is announced; undo and opening a board leave the table alone.
    EXPECT_EQ(screen->announcements.back().rfind("Zapisano pomiar 3: punkt B, V = ", 0), 0u);
    form->undo();
    ASSERT_TRUE(form->open_setup("v1;p1,1"));
    EXPECT_EQ(form->recorded().size(), 3u);
    EXPECT_EQ(form->setup_text().find('m'), std::string::npos);
}

TEST(MeasurementTable, SpreadsheetTextsQuoteWhatTheyMustAndNothingElse) {
    const TableView table{{"Punkt", "V"},
                          {{"A", "1,5"}, {"x;y", "say \"hi\""}, {"tab\there", "-2"}}};
    EXPECT_EQ(tab_separated(table), "Punkt\tV\nA\t1,5\nx;y\tsay \"hi\"\ntab here\t-2\n");
    EXPECT_EQ(spreadsheet_csv(table, polish_words),
              "\xEF\xBB\xBFPunkt;V\r\nA;1,5\r\n\"x;y\";\"say \"\"hi\"\"\"\r\ntab\there;-2\r\n");
}
