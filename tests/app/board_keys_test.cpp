// The board by keyboard: the cursor keys are pointer moves, Enter and Space are board clicks.
#include "form_fixture.h"

#include <functional>

TEST_F(Form, CursorStartsCentredStepsAndStopsAtTheEdges) {
    EXPECT_EQ(form->cursor(), (std::array<int, 2>{200, 200}));
    // Each step is a pointer move: position, readout and tooltip rule alike.
    grids().v()[199][210] = 2.5;
    form->board_key(BoardKey::left, false);
    form->board_key(BoardKey::down, true);
    EXPECT_EQ(form->cursor(), (std::array<int, 2>{199, 210}));
    EXPECT_EQ(pointer_column(), 199);
    EXPECT_EQ(pointer_row(), 210);
    EXPECT_EQ(label(3), "V[-1,-10]  = 2.50");

    // Ten-pixel steps stop on the edge pixel, not short of it and not beyond it.
    for (int i = 0; i < 25; ++i) form->board_key(BoardKey::right, true);
    for (int i = 0; i < 25; ++i) form->board_key(BoardKey::up, true);
    EXPECT_EQ(form->cursor(), (std::array<int, 2>{400, 0}));
    EXPECT_EQ(label(1), "X = 200");
    form->board_key(BoardKey::right, false);
    form->board_key(BoardKey::up, false);
    EXPECT_EQ(form->cursor(), (std::array<int, 2>{400, 0}));
    for (int i = 0; i < 41; ++i) form->board_key(BoardKey::left, true);
    form->board_key(BoardKey::down, false);
    EXPECT_EQ(form->cursor(), (std::array<int, 2>{0, 1}));

    // The cursor goes on from wherever the mouse was last, and Home brings it back.
    move_to(37, 380);
    form->board_key(BoardKey::right, false);
    EXPECT_EQ(form->cursor(), (std::array<int, 2>{38, 380}));
    click(Toggle::field_line_tool);
    form->board_key(BoardKey::home, false);
    EXPECT_EQ(form->cursor(), (std::array<int, 2>{200, 200}));
    EXPECT_EQ(label(2), "Y = 0");
    EXPECT_TRUE(form->board_tooltip());
}

TEST_F(Form, ActivateIsAClickAtTheCursorInEveryToolMode) {
    // Each case: the scene, the tool, then a click at (250, 150); by mouse and by keys the board,
    // the charges and the pictures come out the same, and the click did something.
    const std::vector<std::function<void(WindowLogic&)>> tools = {
        [](WindowLogic& f) { f.click(Toggle::add_positive_tool); },
        [](WindowLogic& f) { f.click(Toggle::add_negative_tool); },
        [](WindowLogic& f) {
            f.click(Toggle::add_positive_tool);
            f.pointer_over_pixel(251, 149);
            f.board_click();
            f.click(Toggle::remove_tool);
        },
        [](WindowLogic& f) {
            f.click(Toggle::dipole_button);
            f.click(Toggle::equipotential_tool);
        },
        [](WindowLogic& f) {
            f.click(Toggle::quadrupole_button);
            f.click(Toggle::field_line_tool);
        },
    };
    for (std::size_t t = 0; t < tools.size(); ++t) {
        tools[t](*form);
        const std::vector<Rgb> before = board_copy();
        click_board(250, 150);
        const std::vector<Rgb> by_mouse = board_copy();
        const int charges_by_mouse = charge_count();
        const auto pictures_by_mouse = form->pictures();
        EXPECT_FALSE(board_is(before)) << "tool " << t;

        fresh();
        tools[t](*form);
        form->board_key(BoardKey::home, false);
        for (int i = 0; i < 5; ++i) form->board_key(BoardKey::right, true);
        for (int i = 0; i < 5; ++i) form->board_key(BoardKey::up, true);
        form->board_key(BoardKey::activate, false);
        EXPECT_TRUE(board_is(by_mouse)) << "tool " << t;
        EXPECT_EQ(charge_count(), charges_by_mouse) << "tool " << t;
        EXPECT_EQ(form->pictures(), pictures_by_mouse) << "tool " << t;
        fresh();
    }
}
