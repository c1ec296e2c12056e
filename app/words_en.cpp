#include "app/form.h"
#include "app/words.h"

// The terms follow docs/glossary.md.
const Words english_words{
    .language = Language::english,
    .code = "en",
    .charges = {"%1 charge", "%1 charges", "%1 charges"},

    .program_name = "Ardenika",
    .too_many_charges = "At most %1!",
    .board_hint = "Click",

    .readout_x = "X = %1",
    .readout_y = "Y = %1",
    .readout_v = "V[%1,%2]  = %3",
    .readout_ex = "Ex[%1,%2] = %3",
    .readout_ey = "Ey[%1,%2] = %3",
    .readout_start_value = "0",

    .drew = "Drawn: %1",
    .list_separator = ", ",
    .colour_map = "potential map",
    .equipotentials = "equipotential lines",
    .equipotential_at = "equipotential line through (%1, %2)",
    .field_lines = "electric field lines",
    .field_line_at = "field line through (%1, %2)",

    .charges_are = "Charges (x, y, sign): %1",
    .no_charges = "none",
    .nothing_drawn = "nothing but the charges",

    .copy_picture = "Copy picture",
    .save_picture = "Save picture…",
    .save_dialog_title = "Save picture",
    .png_scale_1 = "PNG 1x, 1 pixel per board pixel (*.png)",
    .png_scale_2 = "PNG 2x, 2 x 2 pixels per board pixel (*.png)",
    .png_scale_4 = "PNG 4x, 4 x 4 pixels per board pixel (*.png)",
    .save_failed = "Could not save the picture to the file\n%1\n\n%2",
    .save_failed_here = "Could not save the picture to the file\n%1",
    .picture_texts_failed = "Could not add the board's description to the picture.",

    .open_picture = "Open picture…",
    .open_dialog_title = "Open picture",
    .png_files = "PNG pictures (*.png)",
    .undo = "Undo",
    .redo = "Redo",
    .opened = "Board opened",
    .undone = "Change undone",
    .redone = "Change redone",
    .read_failed = "Could not read the file\n%1\n\n%2",
    .not_a_file = "This is not an ordinary file.",
    .paste_board = "Paste board",
    .setup_empty = "The board's description is empty.",
    .setup_not_a_setup = "This text does not describe an Ardenika board.",
    .setup_damaged = "The board's description is damaged (item %1: “%2”).",
    .setup_newer_version = "This board description comes from a newer version of Ardenika.",
    .setup_too_many_charges = "The board's description has more than %1.",
    .setup_point_off_board = "The point (%1, %2) lies off the board.",
    .setup_too_long = "The board's description is too long.",
    .picture_too_large = "The file is too large for a picture of a board (over 16 MB).",
    .picture_not_png = "This is not a PNG picture.",
    .picture_damaged = "The file is cut short or damaged.",
    .picture_no_setup = "This picture holds no Ardenika board description.",
    .picture_setup_too_long = "The board description saved in this picture is too long.",

    .moving_positive = "Moving a positive charge, (%1, %2)",
    .moving_negative = "Moving a negative charge, (%1, %2)",
    .put_positive = "Positive charge put down at (%1, %2)",
    .put_negative = "Negative charge put down at (%1, %2)",
    .put_back = "The charge went back to its place",

    .ok = "OK",
    .close = "Close",
    .menu_bar = "Menu",
    .program_ended = "Ardenika has ended.",
    .start_again = "Start again",

    .no_display = "Ardenika needs a graphical display, and none was found (DISPLAY and "
                  "WAYLAND_DISPLAY are not set).",
    .display_unreachable = "Ardenika cannot open the graphical display %1.",
    .run_virtually =
        "Run it in a graphical session, or without one on a virtual display:\nxvfb-run -a %1",
};

namespace {

// The hint says in full what a caption shortened to fit its control leaves out.
constexpr FormWords english_form[] = {
    {"main_window", "Ardenika"},
    {"readout_group", " Parameters "},
    {"x_readout", "X = 0"},
    {"y_readout", "Y = 0"},
    {"v_readout", "V[0,0]  = 0"},
    {"ex_readout", "Ex[0,0] = 0"},
    {"ey_readout", "Ey[0,0] = 0"},
    {"progress_group", " Computation progress "},
    {"computation_progress", "", "", "Computation progress"},
    {"charges_group", "Charges - Add/Remove"},
    {"add_positive_tool", "", "Add a positive charge", "Add a positive charge"},
    {"add_negative_tool", "", "Add a negative charge", "Add a negative charge"},
    {"quadrupole_button", "", "Place a quadrupole", "Place a quadrupole"},
    {"dipole_button", "", "Place a dipole", "Place a dipole"},
    {"capacitor_button", "", "Place a parallel-plate capacitor",
     "Place a parallel-plate capacitor"},
    {"remove_tool", "", "Remove a charge", "Remove a charge"},
    {"potential_group", "Potential distribution"},
    {"colour_map_button", "V(r)", "Potential distribution", "Potential map V(r)"},
    {"equipotentials_button", "Auto", "Equipotential lines - AUTO", "Equipotential lines, Auto"},
    {"equipotential_tool", "V=const", "Equipotential lines",
     "Equipotential line through a point, V=const"},
    {"field_lines_group", "Field lines"},
    {"field_lines_button", "Auto", "Field lines - AUTO", "Electric field lines, Auto"},
    {"field_line_tool", "F(r)", "Field lines", "Field line through a point, F(r)"},
    {"clear_button", "Clear", "", "Clear the board"},
    {"board", "", "", "Board"},

    {"potential_menu", "Potential"},
    {"colour_map_item", "Distribution V(r)"},
    {"equipotentials_item", "Auto"},
    {"equipotential_item", "V=const"},
    {"field_menu", "Field"},
    {"field_lines_item", "Auto"},
    {"field_line_item", "F(r)"},
    {"end_item", "E&xit"},
    {"language_menu", "Język / Мова / Language"},
    {"language_pl_item", "Polski"},
    {"language_uk_item", "Українська"},
    {"language_en_item", "English"},
    {"help_menu", "Help"},
    {"description_item", "Program description"},
    {"about_item", "About"},
};

} // namespace

std::span<const FormWords> english_form_words() {
    return english_form;
}
