// Moving a charge: the gesture's rules, the board following it, the keyboard's way, and undo.
#include "app/traced_lines.h"
#include "form_fixture.h"

#include <random>

class Drag : public Form {
  protected:
    PointerEvent at(double column, double row, double t = 0) {
        return {column + 0.5, row + 0.5, PointerButton::primary, PointerKind::mouse,
                clock_ms += 1000 + t};
    }
    // A press at one pixel, moves through the others, each followed by a frame, and a release.
    void drag(std::initializer_list<std::array<int, 2>> path) {
        const auto* p = path.begin();
        form->pointer_pressed(at((*p)[0], (*p)[1]));
        for (++p; p != path.end(); ++p) {
            form->pointer_moved(at((*p)[0], (*p)[1]));
            form->frame();
        }
        form->pointer_released(at(path.end()[-1][0], path.end()[-1][1]));
    }
};

TEST_F(Drag, GestureRulesTakeTheLastMarkerUnderThePointerAndKeepEveryToolAsItWas) {
    struct Case {
        const char* name;
        const char* tool; // pressed before the drag, or empty
        std::array<int, 2> from, to;
        const char* setup_after;
    };
    const Case cases[] = {
        {"the dipole's positive to the right", "", {280, 200}, {300, 150}, "v1;p100,50;n-80,0"},
        {"a press ten away still takes it", "", {290, 200}, {300, 150}, "v1;p100,50;n-80,0"},
        {"eleven away is no charge", "", {291, 200}, {300, 150}, "v1;p80,0;n-80,0"},
        {"a move within a double click's reach stays a click",
         "",
         {280, 200},
         {284, 196},
         "v1;p80,0;n-80,0"},
        {"beyond the board the charge keeps to its edge",
         "",
         {120, 200},
         {-50, 900},
         "v1;p80,0;n-200,-200"},
        {"with the add tool a press adds",
         "add_positive_tool",
         {280, 200},
         {300, 150},
         "v1;p80,0;n-80,0;p100,50"},
        {"with the remove tool the release removes",
         "remove_tool",
         {280, 200},
         {284, 204},
         "v1;n-80,0"},
    };
    for (const Case& c : cases) {
        fresh();
        click(Toggle::dipole_button);
        if (*c.tool)
            click(static_cast<Toggle>(std::string_view(c.tool) == "add_positive_tool" ? 0 : 5));
        const auto toggles = six_down();
        const ToolMode mode = tool_mode();
        drag({c.from, c.to});
        // With a tool the release is a click: the add and remove tools act where it lands.
        EXPECT_EQ(form->setup_text(), c.setup_after) << c.name;
        EXPECT_EQ(six_down(), toggles) << c.name;
        EXPECT_EQ(tool_mode(), mode) << c.name;
    }
    // Where markers overlap, the one drawn last is taken.
    fresh();
    ASSERT_TRUE(form->open_setup("v1;p0,0;n5,0"));
    drag({{203, 200}, {203, 100}});
    EXPECT_EQ(form->setup_text(), "v1;p0,0;n3,100");
}

TEST_F(Drag, TheBoardFollowsAtEachFrameAndEndsAsTheMovedSetupOpens) {
    std::mt19937 rng(3);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const char* boards[] = {"v1;p80,0;n-80,0;V;E;F", "v1;p0,0;n30,-40;F;e0,100;f-100,-100",
                            "v1;n80,75;n80,45;n80,15;p-80,75;p-80,45;E;e100,100"};
    for (const char* start : boards) {
        for (int trial = 0; trial < 3; ++trial) {
            fresh();
            ASSERT_TRUE(form->open_setup(start));
            const int slot = pick(1, charge_count());
            const Charge c = charge(slot);
            const std::array<int, 2> from{column_of_x(c.x), row_of_y(c.y)};
            const std::array<int, 2> mid{pick(0, 400), pick(0, 400)};
            const std::array<int, 2> to{pick(-50, 450), pick(-50, 450)};
            form->pointer_pressed(at(from[0], from[1]));
            form->pointer_moved(at(mid[0], mid[1]));
            ASSERT_TRUE(form->frame());
            const std::pair<std::string, std::vector<Rgb>> during{form->setup_text(), board_copy()};
            form->pointer_moved(at(to[0], to[1]));
            form->pointer_released(at(to[0], to[1]));
            const std::pair<std::string, std::vector<Rgb>> after{form->setup_text(), board_copy()};
            EXPECT_EQ(charge(slot).sign, c.sign);
            ASSERT_TRUE(form->undo()); // the whole drag is one change
            EXPECT_EQ(form->setup_text(), start);
            // Each board shown equals the moved setup opened in a freshly started program.
            for (const auto& [setup, pixels] : {during, after}) {
                fresh();
                ASSERT_TRUE(form->open_setup(setup));
                EXPECT_TRUE(board_is(pixels)) << start << " moved to " << setup;
            }
        }
    }
}

// The page traces a frame's field lines on another thread while the window draws the rest; the
// lines are left only when they are the last picture, and drawn from passes traced apart they
// leave the board a frame drawn at once leaves. A list of passes that does not read as the
// family of the board's charges is traced again rather than drawn.
TEST_F(Drag, FramesWhoseLinesAreTracedApartShowTheBoardOfAFrameDrawnAtOnce) {
    const struct {
        const char* start;
        bool lines_left;
    } cases[] = {{"v1;p80,0;n-80,0;V;E;F", true},
                 {"v1;p0,0;n30,-40;n-60,20;E;F", true},
                 {"v1;p80,0;n-80,0;F;E", false},
                 {"v1;p0,0;n30,-40;F;e0,100", false},
                 {"v1;p80,0;n-80,0;V", false}};
    using Damage = void (*)(std::vector<int>&);
    const std::pair<const char*, Damage> lists[] = {
        {"as traced", [](std::vector<int>&) {}},
        {"cut short", [](std::vector<int>& l) { l.pop_back(); }},
        {"with a number more", [](std::vector<int>& l) { l.push_back(0); }},
        {"of one charge fewer", [](std::vector<int>& l) { l[0] -= 10; }},
        {"with a pass longer than the list", [](std::vector<int>& l) { l[1] = 1 << 30; }},
        {"with a pass of fewer than no points", [](std::vector<int>& l) { l[1] = -1; }},
        {"empty", [](std::vector<int>& l) { l.clear(); }},
    };
    for (const auto& c : cases) {
        fresh();
        ASSERT_TRUE(form->open_setup(c.start));
        const Charge moved = charge(1);
        auto move = [&] {
            fresh();
            ASSERT_TRUE(form->open_setup(c.start));
            form->pointer_pressed(at(column_of_x(moved.x), row_of_y(moved.y)));
            form->pointer_moved(at(150, 260));
        };
        move();
        ASSERT_TRUE(form->frame());
        const std::vector<Rgb> at_once = board_copy();
        for (const auto& [name, damage] : lists) {
            move();
            ASSERT_TRUE(form->frame(true));
            EXPECT_EQ(form->lines_due(), c.lines_left) << c.start;
            if (form->lines_due()) {
                const std::vector<int> charges = charge_numbers(form->board_state().charges);
                std::vector<int> list = LineTracer().traced_lines(charges_from_numbers(charges));
                damage(list);
                form->draw_due_lines(list);
            }
            EXPECT_FALSE(form->lines_due());
            EXPECT_TRUE(board_is(at_once)) << c.start << ", the list " << name;
            form->pointer_released(at(150, 260));
            EXPECT_EQ(form->setup_text().substr(0, 8), "v1;p-50,") << c.start;
        }
    }
}

TEST_F(Drag, MovesComeTogetherIntoOneRedrawPerFrameAndEscapePutsTheChargeBack) {
    ASSERT_TRUE(form->open_setup("v1;p80,0;n-80,0;V"));
    const auto before = board_copy();
    form->pointer_pressed(at(280, 200));
    for (int i = 1; i <= 20; ++i) form->pointer_moved(at(280 + i, 200 - i));
    EXPECT_TRUE(board_is(before)); // nothing redrawn until the frame
    EXPECT_EQ(form->pointer_shape(), PointerShape::closed_hand);
    EXPECT_TRUE(form->frame());
    EXPECT_FALSE(form->frame());
    EXPECT_EQ(form->setup_text(), "v1;p100,20;n-80,0;V");
    form->board_key(BoardKey::escape, false);
    EXPECT_TRUE(board_is(before));
    EXPECT_EQ(form->setup_text(), "v1;p80,0;n-80,0;V");
    form->pointer_released(at(300, 180));
    EXPECT_EQ(form->setup_text(), "v1;p80,0;n-80,0;V");
    form->pointer_moved(at(280, 200));
    EXPECT_EQ(form->pointer_shape(), PointerShape::open_hand);
    ASSERT_TRUE(form->undo()); // a drag put back is no change: the opened board is the last
    EXPECT_EQ(form->setup_text(), "v1");
}

TEST_F(Drag, TheKeyboardPicksAChargeUpMovesItAndPutsItDown) {
    ASSERT_TRUE(form->open_setup("v1;p80,0;n-80,0;F"));
    for (int i = 0; i < 8; ++i) form->board_key(BoardKey::right, true); // cursor to (280, 200)
    form->board_key(BoardKey::activate, false);
    EXPECT_EQ(screen->announcements.back(), "Przesuwanie ładunku dodatniego, (80, 0)");
    form->board_key(BoardKey::up, true);
    form->board_key(BoardKey::left, false);
    EXPECT_EQ(screen->announcements.back(), "Przesuwanie ładunku dodatniego, (79, 10)");
    EXPECT_EQ(form->setup_text(), "v1;p79,10;n-80,0;F");
    form->board_key(BoardKey::activate, false);
    EXPECT_EQ(screen->announcements.back(), "Ładunek dodatni odłożony w (79, 10)");
    EXPECT_EQ(charge_count(), 2);
    form->board_key(BoardKey::activate, false); // picked up again, then put back
    form->board_key(BoardKey::down, true);
    form->board_key(BoardKey::escape, false);
    EXPECT_EQ(form->setup_text(), "v1;p79,10;n-80,0;F");
    ASSERT_TRUE(form->undo());
    EXPECT_EQ(form->setup_text(), "v1;p80,0;n-80,0;F");
}

TEST_F(Drag, EscapeLeavesTheWindowAsIfNoDragHadHappenedForWhateverComesNext) {
    // Starts whose buttons and stage the board's steps alone do not say.
    struct Start {
        const char* name;
        const char* setup;
        std::vector<Toggle> clicks;
        std::array<int, 2> board_click{-1, -1};
    };
    const Start starts[] = {
        {"a point tool chosen and raised again",
         "v1;p80,0;n-80,0",
         {Toggle::field_line_tool, Toggle::field_line_tool}},
        {"an arrangement placed", "v1", {Toggle::dipole_button}},
        {"a charge added after a picture",
         "v1;p80,0;n-80,0;V",
         {Toggle::add_positive_tool},
         {300, 100}},
    };
    const char* nexts[] = {"clear_button", "equipotentials_button", "field_lines_button"};
    for (const Start& s : starts)
        for (const char* next : nexts) {
            std::string seen[2];
            std::vector<Rgb> pixels[2];
            for (const bool with_drag : {false, true}) {
                fresh();
                ASSERT_TRUE(form->open_setup(s.setup));
                for (Toggle t : s.clicks) click(t);
                if (s.board_click[0] >= 0) {
                    click_board(s.board_click[0], s.board_click[1]);
                    click(Toggle::add_positive_tool); // raised again: no tool chosen
                }
                if (with_drag) {
                    const InteractionState before = form->state();
                    const auto toggles = six_down();
                    form->pointer_pressed(at(280, 200));
                    form->pointer_moved(at(320, 150));
                    ASSERT_TRUE(form->frame()) << s.name;
                    form->board_key(BoardKey::escape, false);
                    form->pointer_released(at(320, 150));
                    EXPECT_EQ(six_down(), toggles) << s.name;
                    EXPECT_EQ(form->state().tool_mode, before.tool_mode) << s.name;
                    EXPECT_EQ(form->state().scene_stage, before.scene_stage) << s.name;
                    EXPECT_EQ(form->state().grids_stale, before.grids_stale) << s.name;
                }
                form->click(next);
                const auto toggles = six_down();
                seen[with_drag] = form->setup_text() + " " + std::to_string(toggles[0]) +
                                  std::to_string(form->down(Toggle::field_line_tool)) +
                                  std::to_string(form->down(Toggle::equipotential_tool));
                pixels[with_drag] = board_copy();
            }
            EXPECT_EQ(seen[1], seen[0]) << s.name << ", then " << next;
            EXPECT_TRUE(pixels[1] == pixels[0]) << s.name << ", then " << next;
        }
}
