// Writes a recorded table, as the panel makes it on the dipole of the README's worked example,
// in the three forms a spreadsheet meets: the clipboard's text, the CSV file and the cells the
// panel shows (one per line, row by row), into the folder given.
#include "app/window_logic.h"
#include "support/recording_screen.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: recorded_sample <folder>\n";
        return 2;
    }
    RecordingScreen screen;
    WindowLogic window(screen);
    // A dipole, A and B on its axis, C beside a charge and D on one, where nothing is defined.
    if (!window.open_setup("v1;p80,0;n-80,0;mA40,0;mB-40,0;mC79,1;mD-80,0")) return 1;
    for (const auto& [point, reference] : {std::pair{0, 0}, {1, 0}, {2, 1}, {3, 2}}) {
        window.choose("chosen_point_choice", point);
        window.choose("reference_choice", reference);
        window.click("record_button");
    }
    const std::string folder = argv[1];
    std::ofstream(folder + "/pasted.tsv", std::ios::binary) << window.recorded_table_text();
    std::ofstream(folder + "/pomiary.csv", std::ios::binary) << window.recorded_table_csv();
    std::ofstream cells(folder + "/shown.txt", std::ios::binary);
    const TableView shown = window.panel_table("recorded_table");
    for (const auto& row : shown.rows)
        for (const std::string& cell : row) cells << cell << '\n';
    return cells ? 0 : 1;
}
