// Seeded random use of the window logic: tool and picture buttons, Clear, every menu item, board
// clicks, pointer moves and drags past the board's edges, with the program's invariants checked
// after every event.
//
//   ARDENIKA_RANDOM_EVENTS  events in all (default 200000), in sessions of 1000 on a fresh window
//   ARDENIKA_RANDOM_SEED    seed of the first session (default 1); session k uses seed + k
#include "form_fixture.h"
#include "support/random_session.h"

#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>
#include <string_view>

namespace {

// Far above any handler's real time even under the sanitizers; only a pass that never ends can
// take this long.
constexpr auto event_bound = std::chrono::seconds(2);

// The controls by form name: the cheap ones change only the state, the others draw a picture
// and may compute the grids first.
constexpr std::string_view cheap_events[] = {
    "add_positive_tool",   "add_negative_tool", "capacitor_button", "quadrupole_button",
    "dipole_button",       "remove_tool",       "field_line_tool",  "clear_button",
    "field_line_item",     "description_item",  "about_item",       "measuring_tool",
    "remove_point_button", "record_button"};
constexpr std::string_view picture_events[] = {
    "equipotential_tool", "colour_map_button",   "equipotentials_button", "field_lines_button",
    "colour_map_item",    "equipotentials_item", "equipotential_item",    "field_lines_item"};

} // namespace

class RandomUse : public Form {
  protected:
    struct Totals {
        long events = 0;
        std::size_t error_boxes = 0;
        std::chrono::steady_clock::duration slowest{};
    };

    // One session of random use from program start; stops at the first broken invariant. A
    // picture comes once in picture_odds events.
    void run_session(unsigned seed, long count, Totals& totals, int picture_odds = 70) {
        fresh();
        picture_odds_ = picture_odds;
        rng_.seed(seed);
        log_.start(seed);
        while (log_.sent() < count && !HasFatalFailure()) random_step();
        totals.events += log_.sent();
        totals.error_boxes += screen->errors.size();
        totals.slowest = std::max(totals.slowest, slowest_);
    }

  private:
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    // A pixel of the board, or one from far before to far past it.
    int on_board_coordinate() { return uniform(0, board_size - 1); }
    int any_coordinate() { return uniform(-300, 700); }

    // The pictures take milliseconds and everything else microseconds: they are one event in
    // seventy, enough to reach every state many times over.
    void random_step() {
        if (uniform(1, picture_odds_) == 1) {
            const std::string_view name = picture_events[uniform(0, std::size(picture_events) - 1)];
            event("click " + std::string(name), false, [&] { ASSERT_TRUE(form->click(name)); });
            return;
        }
        const int pick = uniform(0, 97);
        if (pick < 35) {
            const bool far = uniform(0, 3) == 0;
            move(far ? any_coordinate() : on_board_coordinate(),
                 far ? any_coordinate() : on_board_coordinate());
        } else if (pick < 65) {
            move(on_board_coordinate(), on_board_coordinate());
            board_click();
        } else if (pick < 73) {
            // A drag that leaves the board and ends beyond it (no click), or comes back to it.
            for (int k = uniform(1, 6); k > 0 && !HasFatalFailure(); --k)
                move(any_coordinate(), any_coordinate());
            if (uniform(0, 1) == 0) {
                move(on_board_coordinate(), on_board_coordinate());
                board_click();
            }
        } else {
            const std::string_view name = cheap_events[uniform(0, std::size(cheap_events) - 1)];
            event("click " + std::string(name), false, [&] { ASSERT_TRUE(form->click(name)); });
        }
    }

    void move(int column, int row) {
        std::ostringstream what;
        what << "move to (" << column << ", " << row << ")";
        event(what.str(), false, [&] { form->pointer_over_pixel(column, row); });
        if (HasFatalFailure()) return;
        // The readout and the hint follow the pointer, read at the nearest board pixel.
        ASSERT_EQ(form->board_tooltip(),
                  form->down(Toggle::field_line_tool) || form->down(Toggle::equipotential_tool))
            << log_.context("hint");
        ASSERT_EQ(label(1), "X = " + std::to_string(pointer_column() - 200)) << log_.context("X");
        ASSERT_EQ(label(2), "Y = " + std::to_string(200 - pointer_row())) << log_.context("Y");
    }
    void board_click() {
        const bool adding =
            form->down(Toggle::add_positive_tool) || form->down(Toggle::add_negative_tool);
        // The ninth measuring point is refused as the fifteenth charge is.
        const bool fifteenth =
            (adding && (tool_mode() == ToolMode::positive || tool_mode() == ToolMode::negative) &&
             charge_count() == 14) ||
            (tool_mode() == ToolMode::measure && form->measuring_points().count() == 8 &&
             !form->measuring_points().under(pointer_column() - 200, 200 - pointer_row()));
        const double t = clock_ms_ += 1000; // far apart: never a double click's second press
        const PointerEvent at{pointer_column() + 0.5, pointer_row() + 0.5, PointerButton::primary,
                              PointerKind::mouse, t};
        event("board click", fifteenth, [&] {
            form->pointer_pressed(at);
            form->pointer_released(at);
        });
    }

    // Runs one event, timed, and checks every invariant after it.
    void event(const std::string& what, bool fifteenth, const std::function<void()>& action) {
        log_.add(what);
        const ProgramState before(*form);
        const std::size_t boxes_before = screen->errors.size();

        const auto began = std::chrono::steady_clock::now();
        action();
        const auto took = std::chrono::steady_clock::now() - began;
        slowest_ = std::max(slowest_, took);
        ASSERT_LT(took, event_bound) << log_.context("too slow");

        const std::string broken = broken_invariant(form->board_state().charges, form->state(),
                                                    six_down(), form->down(Toggle::field_line_tool),
                                                    form->down(Toggle::equipotential_tool));
        ASSERT_EQ(broken, "") << log_.context(broken);
        const bool shown = screen->errors.size() != boxes_before;
        ASSERT_EQ(shown, fifteenth) << log_.context("error box");
        if (shown) {
            ASSERT_EQ(screen->errors.size(), boxes_before + 1) << log_.context("one box");
            ASSERT_TRUE(screen->errors.back() == "Maksymalnie 14 ładunków!" ||
                        screen->errors.back() == polish_words.too_many_points);
            ASSERT_TRUE(ProgramState(*form) == before) << log_.context("state after the box");
        }
    }

    std::mt19937 rng_;
    int picture_odds_ = 70;
    double clock_ms_ = 0;
    EventLog log_;
    std::chrono::steady_clock::duration slowest_{};
};

// A board made by random use, said as a setup and opened in a freshly started program, is the
// same board: pixels, charges in their order, description and setup.
TEST_F(RandomUse, EverySessionsSetupRebuildsItsBoardInAFreshProgram) {
    Totals totals;
    const long sessions = env_number("ARDENIKA_ROUND_TRIPS", 1000);
    for (long seed = 1; seed <= sessions && !HasFatalFailure(); ++seed) {
        run_session(static_cast<unsigned>(seed), 40, totals, 6);
        const std::vector<Rgb> pixels = board_copy();
        const std::vector<Charge> placed(form->board_state().charges.stored().begin(),
                                         form->board_state().charges.stored().end());
        const std::string description = form->picture_description();
        const std::string text = form->setup_text();
        ASSERT_FALSE(text.empty()) << "seed " << seed;
        fresh();
        ASSERT_TRUE(form->open_setup(text)) << text;
        ASSERT_TRUE(board_is(pixels)) << "seed " << seed << ": " << text;
        ASSERT_EQ(form->board_state().charges.stored().size(), placed.size()) << text;
        for (std::size_t i = 0; i < placed.size(); ++i)
            ASSERT_TRUE(form->board_state().charges.stored()[i].x == placed[i].x &&
                        form->board_state().charges.stored()[i].y == placed[i].y &&
                        form->board_state().charges.stored()[i].sign == placed[i].sign)
                << text;
        ASSERT_EQ(form->picture_description(), description) << text;
        ASSERT_EQ(form->setup_text(), text);
        ASSERT_EQ(six_down(), (std::array<bool, 6>{})) << text;
        ASSERT_EQ(tool_mode(), ToolMode::none) << text;
    }
}

TEST_F(RandomUse, EveryEventKeepsTheStateSoundAndEndsInTime) {
    Totals totals;
    const std::string seeds =
        run_sessions(200000, [&](unsigned seed, long count) { run_session(seed, count, totals); });
    std::cout << "random use: " << totals.events << " events, seeds " << seeds << ", "
              << totals.error_boxes << " error boxes, slowest event "
              << std::chrono::duration_cast<std::chrono::milliseconds>(totals.slowest).count()
              << " ms\n";
    // A run of the default length must reach the full table, or the box check proved nothing.
    if (totals.events >= 20000) {
        EXPECT_GT(totals.error_boxes, 0u);
    }
}
