// Two windows in one program keep their boards apart: each ends as it would alone.
#include "app/window_logic.h"
#include "support/recording_screen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Command = std::function<void(WindowLogic&)>;

Command control(std::string_view name) {
    return [name](WindowLogic& f) { f.click(name); };
}
Command board_click(int column, int row) {
    return [column, row](WindowLogic& f) {
        static double clock_ms = 0;
        const PointerEvent at{column + 0.5, row + 0.5, PointerButton::primary, PointerKind::mouse,
                              clock_ms += 1000};
        f.pointer_moved(at);
        f.pointer_pressed(at);
        f.pointer_released(at);
    };
}

// What a user sees of a window.
struct Seen {
    std::vector<Rgb> pixels;
    std::string setup;
    std::array<std::string, 5> readout;
    std::vector<bool> down;
    std::vector<std::string> announcements;
    std::vector<std::string> errors;
    bool operator==(const Seen&) const = default;
};

Seen seen(const WindowLogic& f, const RecordingScreen& s) {
    Seen out{{f.board().data(), f.board().data() + board_size * board_size},
             f.setup_text(),
             f.labels(),
             {},
             s.announcements,
             s.errors};
    for (int i = 0; i < toggle_count; ++i) out.down.push_back(f.down(static_cast<Toggle>(i)));
    return out;
}

struct Window {
    RecordingScreen screen;
    std::unique_ptr<WindowLogic> form = std::make_unique<WindowLogic>(screen);
};

} // namespace

TEST(TwoWindows, EachEndsAsItWouldAloneWhateverTheOtherDoesBetweenItsSteps) {
    // A dipole with its map and equipotentials, a line through a point drawn over them, and a
    // fifteenth charge refused; against charges placed by hand with their field lines and one
    // removed again.
    const std::vector<Command> first = {control("dipole_button"),
                                        control("colour_map_button"),
                                        board_click(300, 120),
                                        control("equipotentials_button"),
                                        control("equipotential_tool"),
                                        board_click(260, 90),
                                        control("capacitor_button"),
                                        control("add_positive_tool"),
                                        board_click(200, 30),
                                        board_click(200, 370),
                                        board_click(30, 30)};
    const std::vector<Command> second = {
        control("add_positive_tool"), board_click(120, 240), board_click(330, 150),
        control("add_negative_tool"), board_click(200, 300), control("field_lines_button"),
        control("remove_tool"),       board_click(330, 150), control("colour_map_button"),
        board_click(50, 60)};

    Window alone_first;
    for (const Command& c : first) c(*alone_first.form);
    Window alone_second;
    for (const Command& c : second) c(*alone_second.form);

    Window a;
    Window b;
    for (std::size_t i = 0; i < std::max(first.size(), second.size()); ++i) {
        if (i < first.size()) first[i](*a.form);
        if (i < second.size()) second[i](*b.form);
    }
    EXPECT_TRUE(seen(*a.form, a.screen) == seen(*alone_first.form, alone_first.screen));
    EXPECT_TRUE(seen(*b.form, b.screen) == seen(*alone_second.form, alone_second.screen));
    // The two boards really differ, so that sharing one would show.
    EXPECT_FALSE(seen(*a.form, a.screen).pixels == seen(*b.form, b.screen).pixels);
    EXPECT_EQ(a.screen.errors.size(), 1u);
    EXPECT_TRUE(b.screen.errors.empty());
}
