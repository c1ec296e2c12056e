#include "form_fixture.h"
#include "support/random_session.h"

#include <random>

namespace {

// Taken before any test runs, while every piece of program state is as the program starts.
const std::uint64_t started_digest = [] {
    RecordingScreen screen;
    WindowLogic started(screen);
    return started.program_digest();
}();

} // namespace

TEST_F(Form, StartUpPutsEveryPieceOfStateBackAfterAnySession) {
    std::mt19937 rng(7);
    const std::string_view controls[] = {
        "add_positive_tool",  "add_negative_tool", "capacitor_button",   "quadrupole_button",
        "dipole_button",      "remove_tool",       "colour_map_button",  "equipotentials_button",
        "field_lines_button", "field_line_tool",   "equipotential_tool", "equipotential_item",
        "field_line_item",    "clear_button"};
    for (int session = 0; session < 5; ++session) {
        for (int i = 0; i < 60; ++i) {
            const int x = std::uniform_int_distribution<int>(0, 400)(rng);
            const int y = std::uniform_int_distribution<int>(0, 400)(rng);
            const double t = 100.0 * i;
            form->pointer_pressed(
                {double(x), double(y), PointerButton::primary, PointerKind::mouse, t});
            if (i % 3 != 0)
                form->pointer_released(
                    {double(x), double(y), PointerButton::primary, PointerKind::mouse, t + 10});
            form->click(controls[std::uniform_int_distribution<std::size_t>(0, 13)(rng)]);
        }
        ASSERT_NE(form->program_digest(), started_digest);
        form->reset_to_start();
        EXPECT_EQ(form->program_digest(), started_digest) << "session " << session;
    }
}
