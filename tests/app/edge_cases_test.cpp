// The open edges of the whole path, from the window's handlers down to the board: samples that
// sit exactly on a level and lines that start on the board's edge.
#include "form_fixture.h"

#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <chrono>
#include <vector>

namespace {

constexpr Rgb blue = equipotential_negative;
constexpr Rgb teal = field_line_colour;
// A handler that has to be cut short by a step cap would still finish; this bound only catches
// one that does not finish at all.
constexpr auto handler_bound = std::chrono::seconds(2);

struct Pixel {
    int column;
    int row;
};

} // namespace

class EdgeCases : public Form {
  protected:
    std::vector<Pixel> changed_since(const std::vector<Rgb>& before) {
        std::vector<Pixel> out;
        for (int p = 0; p < board_size; ++p)
            for (int q = 0; q < board_size; ++q)
                if (pixel(p, q) != before[static_cast<std::size_t>(q) * board_size + p])
                    out.push_back({p, q});
        return out;
    }
    // A board click that has to come back within the bound.
    void timed_click_board(int column, int row) {
        const auto began = std::chrono::steady_clock::now();
        click_board(column, row);
        EXPECT_LT(std::chrono::steady_clock::now() - began, handler_bound) << column << "," << row;
    }
};

TEST_F(EdgeCases, VconstOnUntouchedGridsFillsTheBoardFromEveryPairOfZeroSamples) {
    click(
        Toggle::add_positive_tool); // an add tool lets the menu item past the guard with no charges
    form->choose_equipotential_tool();
    ASSERT_EQ(tool_mode(), ToolMode::equipotential);
    ASSERT_EQ(grids_stale(), 0); // nothing computed: every sample and the level are 0
    const auto before = board_copy();
    timed_click_board(150, 250);
    EXPECT_EQ(scene_stage(), 2);
    // Both samples of every pair equal the level: each pair plots its base pixel, in blue.
    for (int p = 0; p < board_size; ++p)
        for (int q = 0; q < board_size; ++q) {
            const Rgb old = before[static_cast<std::size_t>(q) * board_size + p];
            ASSERT_EQ(pixel(p, q), p < 399 && q < 399 ? blue : old) << p << "," << q;
        }
}

TEST_F(EdgeCases, VconstClickWhereTheDipoleCancelsExactlyDrawsTheZeroLevelInBlue) {
    click(Toggle::dipole_button); // +1 at (80, 0), -1 at (-80, 0)
    form->choose_equipotential_tool();
    ASSERT_EQ(grids().v()[200][100], 0.0); // mirror images: the two terms cancel to the bit
    click_board(300, 100);                 // a positive level leaves the pen orange
    const auto before = board_copy();
    timed_click_board(200, 100);
    EXPECT_EQ(scene_stage(), 2);
    for (int q = 0; q < 399; ++q) EXPECT_EQ(pixel(200, q), blue) << q;
    // Elsewhere the level is crossed only beside the charges, whose own pixels read the other
    // charge alone.
    for (const Pixel& c : changed_since(before)) {
        const bool axis = c.column == 200 && c.row < 399;
        const bool beside_charge =
            c.row >= 199 && c.row <= 201 &&
            ((c.column >= 119 && c.column <= 121) || (c.column >= 279 && c.column <= 281));
        EXPECT_TRUE(axis || beside_charge) << c.column << "," << c.row;
    }
}

TEST_F(EdgeCases, FieldLineClickOnTheOutermostRowOrColumnEndsOutwardAtOnce) {
    click(Toggle::add_positive_tool);
    click_board(200, 200); // one positive charge at the centre, in line with both clicks
    form->choose_field_line_tool();
    ASSERT_EQ(tool_mode(), ToolMode::field_line);

    // Straight above the charge: outward the field points off the board along column 200, and
    // inward the line runs down to 10 from the charge.
    auto before = board_copy();
    timed_click_board(200, 0);
    for (int q = 1; q < 190; ++q) EXPECT_EQ(pixel(200, q), teal) << q;
    for (const Pixel& c : changed_since(before))
        EXPECT_TRUE(c.column == 200 && c.row <= 190) << c.column << "," << c.row;

    // Level with the charge on the right edge: the same along row 200.
    before = board_copy();
    timed_click_board(400, 200);
    for (int p = 211; p < 400; ++p) EXPECT_EQ(pixel(p, 200), teal) << p;
    for (const Pixel& c : changed_since(before))
        EXPECT_TRUE(c.row == 200 && c.column >= 210) << c.column << "," << c.row;
}
