// What a pointer or a key on the board means: the window logic decides it for both screens.
#include "form_fixture.h"

#include <cstdio>
#include <sstream>

namespace {

// A gesture as text: "p" press, "m" move, "r" release at "x,y" (board pixels), "@t" the time in
// ms; "e" a press elsewhere, "c" a cancel; "T" before a letter makes it a finger's, "S" a
// secondary button's.
struct GestureCase {
    const char* name;
    const char* steps;
    int charges_added;
};

// Each case starts with the positive tool chosen on an empty board; a charge is added by every
// board click, so the count says how many clicks the gesture made.
const GestureCase gesture_cases[] = {
    {"a press and its release", "p100,100 r100.7,100.2@80", 1},
    {"a press released off the board", "p100,100 m500,-20@50 r500,-20@90", 0},
    {"a press dragged off and back", "p100,100 m500,50@50 r120,50@90", 1},
    {"a release without a press", "r100,100", 0},
    {"a double click", "p100,100 r100,100@50 p103,104@250 r103,104@300", 1},
    {"a triple click", "p100,100 r100,100@50 p100,100@150 r100,100@200 p100,100@300 r100,100@350",
     2},
    {"two clicks a double click's time apart", "p100,100 r100,100@50 p100,100@450 r100,100@500", 2},
    {"two clicks farther apart than a mouse's double click",
     "p100,100 r100,100@50 p106,100@100 r106,100@150", 2},
    {"a double tap within a finger's reach", "Tp100,100 Tr100,100@50 Tp115,110@150 Tr115,110@200",
     1},
    {"a mouse click after a tap", "Tp100,100 Tr100,100@50 p100,100@150 r100,100@200", 2},
    {"a press elsewhere between two quick clicks",
     "p100,100 r100,100@50 e p100,100@150 r100,100@200", 2},
    {"a right press during a left click", "p100,100 Sp300,300@20 Sr300,300@40 r100,100@60", 1},
    {"a cancelled touch", "Tp100,100 c", 0},
};

void run(WindowLogic& form, const char* steps) {
    std::istringstream in(steps);
    for (std::string step; in >> step;) {
        PointerEvent e;
        std::size_t at = 0;
        for (; step[at] == 'T' || step[at] == 'S'; ++at) {
            if (step[at] == 'T') e.kind = PointerKind::touch;
            if (step[at] == 'S') e.button = PointerButton::secondary;
        }
        const char what = step[at];
        std::sscanf(step.c_str() + at + 1, "%lf,%lf@%lf", &e.x, &e.y, &e.time_ms);
        if (what == 'p') form.pointer_pressed(e);
        if (what == 'm') form.pointer_moved(e);
        if (what == 'r') form.pointer_released(e);
        if (what == 'e') form.pressed_elsewhere();
        if (what == 'c') form.pointer_cancelled();
    }
}

} // namespace

TEST_F(Form, PointerGesturesMakeOneBoardClickAtTheReleaseExceptADoubleClicksSecondPress) {
    for (const GestureCase& c : gesture_cases) {
        fresh();
        click(Toggle::add_positive_tool);
        run(*form, c.steps);
        EXPECT_EQ(charge_count(), c.charges_added) << c.name;
    }
}

TEST_F(Form, PointerReadsTheBoardPixelUnderItClampedWhileHeldAndIgnoresItOffTheBoardOtherwise) {
    form->pointer_moved({120.9, 80.2});
    EXPECT_EQ((std::array{pointer_column(), pointer_row()}), (std::array{120, 80}));
    form->pointer_moved({-3, 500}); // not held: the board keeps the last pixel
    EXPECT_EQ((std::array{pointer_column(), pointer_row()}), (std::array{120, 80}));
    form->pointer_pressed({10, 10});
    form->pointer_moved({-3, 500});
    EXPECT_EQ((std::array{pointer_column(), pointer_row()}), (std::array{0, 400}));
    form->pointer_moved({0.0 / 0.0, 1e9});
    EXPECT_EQ((std::array{pointer_column(), pointer_row()}), (std::array{0, 400}));
}

TEST_F(Form, ChoosingAnotherToolBetweenTwoQuickClicksPlacesBothCharges) {
    click(Toggle::add_positive_tool);
    form->pointer_pressed({250, 150, PointerButton::primary, PointerKind::mouse, 0});
    form->pointer_released({250, 150, PointerButton::primary, PointerKind::mouse, 40});
    ASSERT_TRUE(form->click("add_negative_tool"));
    form->pointer_pressed({250, 150, PointerButton::primary, PointerKind::mouse, 120});
    form->pointer_released({250, 150, PointerButton::primary, PointerKind::mouse, 160});
    ASSERT_EQ(charge_count(), 2);
    EXPECT_EQ(charge(2).sign, -1);
}

TEST_F(Form, AHeldEnterClicksOnce) {
    click(Toggle::add_positive_tool);
    form->board_key(BoardKey::activate, false);
    for (int i = 0; i < 5; ++i) form->board_key(BoardKey::activate, false, true);
    EXPECT_EQ(charge_count(), 1);
}
