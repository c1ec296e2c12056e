// The plot along a line: its samples are the model's values, what is said of it is where the
// values turn, and it follows the points and the board.
#include "app/line_plot.h"
#include "form_fixture.h"
#include "model/field.h"

namespace {

const ChargeSet dipole{{80, 0, 1}, {-80, 0, -1}};

int count_of(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(LinePlot, DipolesAxisSamplesAreTheModelsValuesCutAroundEachCharge) {
    const LinePlot plot = sample_line(dipole, {150, 0}, {-150, 0}, 'A', 'B');
    ASSERT_EQ(plot.samples.size(), 301u);
    EXPECT_EQ(plot.length, 300.0);
    for (const LineSample& s : plot.samples) {
        EXPECT_EQ(s.s, 150.0 - s.x);
        EXPECT_EQ(s.cut, std::abs(std::abs(s.x) - 80) <= 10) << s.x;
        if (s.cut) continue;
        EXPECT_EQ(s.v, potential_at(dipole, s.x, 0));
        // From A towards B is -x.
        EXPECT_DOUBLE_EQ(s.along, -field_x_at(dipole, s.x, 0));
    }
    EXPECT_EQ(plot_summary(plot, polish_words),
              "Największe V = 85,061 przy s = 59,00, najmniejsze V = -85,061 przy s = 241,00. "
              "V = 0 przy s = 150,00. E∥ nigdzie nie jest równe 0. "
              "Przerwy przy ładunkach: s = 60,00–80,00, 220,00–240,00.");
    const std::string svg = plot_svg(plot, polish_words);
    EXPECT_EQ(count_of(svg, "<polyline"), 6) << "three uncut runs in each graph";
    EXPECT_EQ(count_of(svg, "class=\"cut\""), 2);
}

TEST(LinePlot, FieldZeroBetweenLikeChargesIsFoundWhereItChangesSign) {
    // Two positive charges: the field along their axis vanishes midway, V does not.
    const ChargeSet twins{{-50, 0, 1}, {50, 0, 1}};
    const LinePlot plot = sample_line(twins, {-30, 0}, {31, 0}, 'C', 'D');
    EXPECT_NE(plot_summary(plot, polish_words)
                  .find("V nigdzie nie jest równe 0. E∥ = 0 (zmienia znak) przy s = 30,00."),
              std::string::npos);
}

TEST(LinePlot, TicksAreRoundAndCoverTheValues) {
    struct Case {
        double lo, hi;
        std::vector<double> ticks;
    };
    for (const Case& c :
         {Case{0, 16.667, {0, 5, 10, 15, 20}}, Case{-33.3, 0, {-40, -30, -20, -10, 0}},
          Case{-0.013, 0.02, {-0.02, -0.01, 0, 0.01, 0.02}}, Case{0, 0, {-1, -0.5, 0, 0.5, 1}}})
        EXPECT_EQ(round_ticks(c.lo, c.hi, 4), c.ticks) << c.lo << ".." << c.hi;
}

class Plot : public Form {};

TEST_F(Plot, FollowsThePairIsReadByPointerAndKeysAndMarksTheSegmentOnTheBoard) {
    ASSERT_TRUE(form->open_setup("v1;p80,0;n-80,0;mA40,0;mB-40,0"));
    EXPECT_EQ(form->shown_board().pixel(200, 200), form->board().pixel(200, 200));
    form->click("plot_button");
    ASSERT_TRUE(form->plot_open());
    EXPECT_NE(form->panel_text("plot_summary").find("V = 0 przy s = 40,00."), std::string::npos);
    EXPECT_EQ(form->panel_text("plot_reading"), "");
    // The segment is drawn over the board, not into it.
    EXPECT_NE(form->shown_board().pixel(200, 200), form->board().pixel(200, 200));
    // The pointer at the plot's middle reads the midpoint; a key steps one sample on.
    form->read_plot_at((plot_left_edge + plot_right_edge) / 2);
    EXPECT_EQ(form->panel_text("plot_reading"), "s = 40,00, V = 0,000, E∥ = 3,1250");
    form->step_plot_reading(1);
    EXPECT_EQ(form->panel_text("plot_reading").rfind("s = 41,00, V = -", 0), 0u);
    EXPECT_NE(form->plot_picture().find("class=\"reading\""), std::string::npos);
    // The samples go to a spreadsheet as the table does; a moved point moves the plot.
    EXPECT_EQ(form->plot_samples_text().rfind("s\tx\ty\tV\tE∥\n0,00\t40\t0\t16,667\t6,9444\n", 0),
              0u);
    ASSERT_TRUE(form->open_setup("v1;p80,0;n-80,0;mA40,0;mB40,30"));
    EXPECT_EQ(form->line_plot().samples.back().y, 30);
}
