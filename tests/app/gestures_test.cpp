// What a pointer or a key on the board means: the window logic decides it for both screens.
#include "form_fixture.h"

namespace {

struct Action {
    enum Kind { press, move, release, elsewhere, cancel } kind;
    double x = 0;
    double y = 0;
    double time_ms = 0;
    PointerKind pointer = PointerKind::mouse;
    PointerButton button = PointerButton::primary;
};

struct GestureCase {
    const char* name;
    std::vector<Action> steps;
    int charges_added;
};

// Each case starts with the positive tool chosen on an empty board; a charge is added by every
// board click, so the count says how many clicks the gesture made.
const GestureCase gesture_cases[] = {
    {"a press and its release",
     {{Action::press, 100, 100}, {Action::release, 100.7, 100.2, 80}},
     1},
    {"a press held off the board and released there",
     {{Action::press, 100, 100}, {Action::move, 500, -20, 50}, {Action::release, 500, -20, 90}},
     0},
    {"a press dragged off and back",
     {{Action::press, 100, 100}, {Action::move, 500, 50, 50}, {Action::release, 120, 50, 90}},
     1},
    {"a release without a press", {{Action::release, 100, 100}}, 0},
    {"a double click",
     {{Action::press, 100, 100},
      {Action::release, 100, 100, 50},
      {Action::press, 103, 104, 250},
      {Action::release, 103, 104, 300}},
     1},
    {"a triple click",
     {{Action::press, 100, 100},
      {Action::release, 100, 100, 50},
      {Action::press, 100, 100, 150},
      {Action::release, 100, 100, 200},
      {Action::press, 100, 100, 300},
      {Action::release, 100, 100, 350}},
     2},
    {"two clicks a double click's time apart",
     {{Action::press, 100, 100},
      {Action::release, 100, 100, 50},
      {Action::press, 100, 100, 450},
      {Action::release, 100, 100, 500}},
     2},
    {"two clicks farther apart than a mouse's double click",
     {{Action::press, 100, 100},
      {Action::release, 100, 100, 50},
      {Action::press, 106, 100, 100},
      {Action::release, 106, 100, 150}},
     2},
    {"a double tap within a finger's reach",
     {{Action::press, 100, 100, 0, PointerKind::touch},
      {Action::release, 100, 100, 50, PointerKind::touch},
      {Action::press, 115, 110, 150, PointerKind::touch},
      {Action::release, 115, 110, 200, PointerKind::touch}},
     1},
    {"a mouse click after a tap",
     {{Action::press, 100, 100, 0, PointerKind::touch},
      {Action::release, 100, 100, 50, PointerKind::touch},
      {Action::press, 100, 100, 150},
      {Action::release, 100, 100, 200}},
     2},
    {"a press elsewhere between two quick clicks",
     {{Action::press, 100, 100},
      {Action::release, 100, 100, 50},
      {Action::elsewhere},
      {Action::press, 100, 100, 150},
      {Action::release, 100, 100, 200}},
     2},
    {"a right press during a left click",
     {{Action::press, 100, 100},
      {Action::press, 300, 300, 20, PointerKind::mouse, PointerButton::secondary},
      {Action::release, 300, 300, 40, PointerKind::mouse, PointerButton::secondary},
      {Action::release, 100, 100, 60}},
     1},
    {"a cancelled touch", {{Action::press, 100, 100, 0, PointerKind::touch}, {Action::cancel}}, 0},
};

} // namespace

TEST_F(Form, PointerGesturesMakeOneBoardClickAtTheReleaseExceptADoubleClicksSecondPress) {
    for (const GestureCase& c : gesture_cases) {
        fresh();
        click(Toggle::SpeedB1);
        for (const Action& s : c.steps) {
            const PointerEvent e{s.x, s.y, s.button, s.pointer, s.time_ms};
            switch (s.kind) {
            case Action::press:
                form->pointer_pressed(e);
                break;
            case Action::move:
                form->pointer_moved(e);
                break;
            case Action::release:
                form->pointer_released(e);
                break;
            case Action::elsewhere:
                form->pressed_elsewhere();
                break;
            case Action::cancel:
                form->pointer_cancelled();
                break;
            }
        }
        EXPECT_EQ(charge_count, c.charges_added) << c.name;
    }
}

TEST_F(Form, PointerReadsTheBoardPixelUnderItClampedWhileHeldAndIgnoresItOffTheBoardOtherwise) {
    form->pointer_moved({120.9, 80.2});
    EXPECT_EQ((std::array{mouse_x(), mouse_y()}), (std::array{120, 80}));
    form->pointer_moved({-3, 500}); // not held: the board keeps the last pixel
    EXPECT_EQ((std::array{mouse_x(), mouse_y()}), (std::array{120, 80}));
    form->pointer_pressed({10, 10});
    form->pointer_moved({-3, 500});
    EXPECT_EQ((std::array{mouse_x(), mouse_y()}), (std::array{0, 400}));
    form->pointer_moved({0.0 / 0.0, 1e9});
    EXPECT_EQ((std::array{mouse_x(), mouse_y()}), (std::array{0, 400}));
}

TEST_F(Form, ChoosingAnotherToolBetweenTwoQuickClicksPlacesBothCharges) {
    click(Toggle::SpeedB1);
    form->pointer_pressed({250, 150, PointerButton::primary, PointerKind::mouse, 0});
    form->pointer_released({250, 150, PointerButton::primary, PointerKind::mouse, 40});
    ASSERT_TRUE(form->click("SpeedB2"));
    form->pointer_pressed({250, 150, PointerButton::primary, PointerKind::mouse, 120});
    form->pointer_released({250, 150, PointerButton::primary, PointerKind::mouse, 160});
    ASSERT_EQ(charge_count, 2);
    EXPECT_EQ(charges[2].znak, -1);
}

TEST_F(Form, AHeldEnterClicksOnce) {
    click(Toggle::SpeedB1);
    form->board_key(BoardKey::activate, false);
    for (int i = 0; i < 5; ++i) form->board_key(BoardKey::activate, false, true);
    EXPECT_EQ(charge_count, 1);
}
