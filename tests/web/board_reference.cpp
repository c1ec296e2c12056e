// Runs the page tests' scenarios on the window logic as the desktop builds it and writes, per
// scenario, the board as shown (<name>.rgb: 401 x 401 pixels of three bytes R, G, B, row by
// row), <name>.txt: the five readout texts, the pressed toggles and the grids' digest, and the
// plot's picture (<name>.svg) where the plot is open; and per language words-<code>.txt: every
// control's caption, hint and spoken name and every menu item's caption, tab-separated, one a
// line, as the desktop shows them.
// Usage: board_reference <scenarios.txt> <output folder>
#include "app/form.h"
#include "app/window_logic.h"
#include "model/charges.h"
#include "model/field.h"
#include "support/recording_screen.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One step of a scenario on the form; false for a step it cannot read.
// A board step: @ a click, ~ a move, ^ a press, _ a release, at a pixel; the pointer events come
// a second apart, so no two clicks make a double click.
bool run_step(WindowLogic& form, const std::string& step) {
    static double time_ms = 0;
    if (std::string_view("@~^_").find(step[0]) != std::string_view::npos) {
        int column = 0;
        int row = 0;
        char comma = 0;
        std::istringstream in(step.substr(1));
        if (!(in >> column >> comma >> row) || comma != ',') return false;
        const PointerEvent at{column + 0.5, row + 0.5, PointerButton::primary, PointerKind::mouse,
                              time_ms += 1000};
        if (step[0] == '@' || step[0] == '^') form.pointer_pressed(at);
        if (step[0] == '~') form.pointer_moved(at);
        if (step[0] == '@' || step[0] == '_') form.pointer_released(at);
        form.frame();
        return true;
    }
    return form.click(std::string_view(step));
}

bool write_scenario(const std::filesystem::path& folder, const std::string& name,
                    const WindowLogic& form) {
    const Canvas& board = form.shown_board();
    std::string bytes;
    for (int row = 0; row < board.height(); ++row)
        for (int column = 0; column < board.width(); ++column) {
            const Rgb c = board.pixel(column, row);
            bytes += static_cast<char>((c >> 16) & 0xff);
            bytes += static_cast<char>((c >> 8) & 0xff);
            bytes += static_cast<char>(c & 0xff);
        }
    std::ofstream(folder / (name + ".rgb"), std::ios::binary) << bytes;
    std::ofstream text(folder / (name + ".txt"));
    for (const std::string& label : form.labels()) text << label << '\n';
    for (int i = 0; i < toggle_count; ++i)
        if (form.down(static_cast<Toggle>(i))) text << toggle_names[i] << ' ';
    for (const char* panel_toggle : {"measuring_tool", "plot_button"})
        if (form.panel_down(panel_toggle)) text << panel_toggle << ' ';
    if (form.plot_open())
        std::ofstream(folder / (name + ".svg"), std::ios::binary) << form.plot_picture();
    char digest[9];
    std::snprintf(digest, sizeof digest, "%08x", form.grids_digest());
    text << '\n' << digest << '\n' << form.setup_text() << '\n';
    return static_cast<bool>(text);
}

bool write_words(const std::filesystem::path& folder, Language language) {
    std::ofstream text(folder / ("words-" + std::string(words_for(language).code) + ".txt"));
    for (const FormControl& c : form_controls()) {
        const FormWords w = form_texts(c, language);
        text << c.name << '\t' << w.caption << '\t' << w.hint << '\t' << w.accessible_name << '\n';
    }
    for (const MenuItem& m : menu_items())
        text << m.name << '\t' << form_texts(m, language).caption << '\n';
    return static_cast<bool>(text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: board_reference <scenarios.txt> <output folder>\n";
        return 2;
    }
    std::ifstream scenarios(argv[1]);
    if (!scenarios) {
        std::cerr << "cannot read " << argv[1] << '\n';
        return 1;
    }
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);
    RecordingScreen screen;
    std::string line;
    int written = 0;
    while (std::getline(scenarios, line)) {
        std::istringstream words(line);
        std::string name;
        if (!(words >> name) || name[0] == '#') continue;
        WindowLogic form(screen);
        for (std::string step; words >> step;)
            if (!run_step(form, step)) {
                std::cerr << name << ": cannot run step " << step << '\n';
                return 1;
            }
        if (!write_scenario(folder, name, form)) {
            std::cerr << name << ": cannot write into " << folder << '\n';
            return 1;
        }
        ++written;
    }
    for (const Language language : languages)
        if (!write_words(folder, language)) {
            std::cerr << "cannot write the words into " << folder << '\n';
            return 1;
        }
    std::cout << written << " scenarios written into " << folder.string() << '\n';
    return 0;
}
