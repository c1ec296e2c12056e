#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The languages the window speaks; Polish whatever the system's language, until one is chosen.
enum class Language { polish, ukrainian, english };
inline constexpr Language default_language = Language::polish;
inline constexpr std::array<Language, 3> languages{Language::polish, Language::ukrainian,
                                                   Language::english};

// A noun with a count, in the forms a language's grammar picks by the number ("%1 ładunek",
// "%1 ładunki", "%1 ładunków"); English uses one and many.
struct CountedWord {
    std::string_view one;
    std::string_view few;
    std::string_view many;
};

// Every text the program shows, says or writes, besides the form's own captions, hints and
// names and the help dialogs: keyed by meaning, one table per language. A pattern's %1, %2, ...
// are filled by fill().
struct Words {
    Language language;
    // The language's code, as a page's lang and its ?lang= say it: "pl", "uk", "en".
    std::string_view code;
    // A number of charges, as the error box of the fifteenth and the refusal of a setup with
    // too many say the most.
    CountedWord charges;

    std::string_view program_name;
    // The error box of the fifteenth charge: the most charges, counted.
    std::string_view too_many_charges;
    // The board's tooltip while a through-a-point mode is chosen.
    std::string_view board_hint;

    // The readout panel: its labels at start, and as the pointer moves (x, y, value).
    std::string_view readout_x;
    std::string_view readout_y;
    std::string_view readout_v;
    std::string_view readout_ex;
    std::string_view readout_ey;
    std::string_view readout_start_value;

    // What a picture command drew, said to screen readers and written into a saved picture.
    std::string_view drew;
    std::string_view list_separator;
    std::string_view colour_map;
    std::string_view equipotentials;
    std::string_view equipotential_at; // x, y
    std::string_view field_lines;
    std::string_view field_line_at; // x, y

    // The three lines of a saved picture's description.
    std::string_view charges_are;
    std::string_view no_charges;
    std::string_view nothing_drawn;

    // Copying and saving the board.
    std::string_view copy_picture;
    std::string_view save_picture;
    std::string_view save_dialog_title;
    std::string_view png_scale_1;
    std::string_view png_scale_2;
    std::string_view png_scale_4;
    std::string_view save_failed;      // path, the system's reason
    std::string_view save_failed_here; // path, when the reason is not known
    std::string_view picture_texts_failed;

    // A board opened from a setup, a link or a saved picture, and undone or redone.
    std::string_view open_picture;
    std::string_view open_dialog_title;
    std::string_view png_files;
    std::string_view undo;
    std::string_view redo;
    std::string_view opened;
    std::string_view undone;
    std::string_view redone;
    std::string_view read_failed; // path, the system's reason
    std::string_view not_a_file;
    std::string_view paste_board;
    // Why a setup or a picture could not be opened.
    std::string_view setup_empty;
    std::string_view setup_not_a_setup;
    std::string_view setup_damaged; // the token's number, the token
    std::string_view setup_newer_version;
    std::string_view setup_too_many_charges;
    std::string_view setup_point_off_board; // x, y
    std::string_view setup_too_long;
    std::string_view picture_too_large;
    std::string_view picture_not_png;
    std::string_view picture_damaged;
    std::string_view picture_no_setup;
    std::string_view picture_setup_too_long;

    // A charge moved by keyboard: picked up, and put down at its new place.
    std::string_view moving_positive; // x, y
    std::string_view moving_negative; // x, y
    std::string_view put_positive;    // x, y
    std::string_view put_negative;    // x, y
    std::string_view put_back;

    // The page's own boxes and its end.
    std::string_view ok;
    std::string_view close;
    std::string_view menu_bar;
    std::string_view program_ended;
    std::string_view start_again;

    // The measurement panel: the ninth point, words for values that are not defined, the
    // tables' headers, the distance's reference, the pair compared, and what is said.
    std::string_view too_many_points;
    std::string_view on_a_charge;
    std::string_view no_direction;
    std::string_view header_point;
    std::string_view header_x;
    std::string_view header_y;
    std::string_view header_v;
    std::string_view header_ex;
    std::string_view header_ey;
    std::string_view header_strength;
    std::string_view header_direction;
    std::string_view header_distance;
    std::string_view header_reference;
    std::string_view reference_origin;
    std::string_view reference_charge;     // the charge's number, x, y
    std::string_view reference_charge_row; // the charge's number
    std::string_view pair_difference;      // first letter, second letter, value
    std::string_view pair_distance;        // first letter, second letter, value
    std::string_view pair_mean_field;      // value
    std::string_view pair_midpoint_field;  // first letter, second letter, value
    std::string_view pair_not_placed;
    std::string_view pair_same_place;
    std::string_view pair_on_a_charge;
    std::string_view point_values;    // letter, x, y, V, |E|, direction
    std::string_view point_on_charge; // letter, x, y
    std::string_view point_placed;    // letter, x, y
    std::string_view point_removed;   // letter
    std::string_view points_removed;
    std::string_view point_moving;      // letter, x, y
    std::string_view no_point;          // the letter
    std::string_view save_table_failed; // path, the system's reason
    std::string_view row_recorded;      // the row's number, letter, V
    std::string_view row_deleted;       // the row's number
    std::string_view table_cleared;
    std::string_view table_copied;
    std::string_view table_empty;
    std::string_view save_table;
    std::string_view csv_files;
    std::string_view csv_file_name;
    std::string_view decimal_mark;

    // The plot along the pair's segment: titles, what is said of it, its reading and samples.
    std::string_view plot_v_title;
    std::string_view plot_e_title;
    std::string_view plot_s_title;
    std::string_view plot_extremes; // highest V, its s, lowest V, its s
    std::string_view plot_v_zero;   // the list of s
    std::string_view plot_no_v_zero;
    std::string_view plot_e_zero; // the list of s
    std::string_view plot_no_e_zero;
    std::string_view plot_cuts;        // the list of s ranges
    std::string_view plot_reading;     // s, V, E∥
    std::string_view plot_reading_cut; // s
    std::string_view header_s;
    std::string_view header_along;
    std::string_view near_a_charge;
    std::string_view plot_copied;
    std::string_view samples_copied;
    std::string_view save_plot;
    std::string_view svg_files;
    std::string_view png_files_1x;
    std::string_view png_files_2x;
    std::string_view plot_file_name;
    std::string_view samples_file_name;

    // The desktop program started without a screen.
    std::string_view no_display;
    std::string_view display_unreachable; // the display's name
    std::string_view run_virtually;       // the command as started
};

extern const Words polish_words;
extern const Words ukrainian_words;
extern const Words english_words;

// The catalogue of a language.
const Words& words_for(Language language);
// The language of a code ("pl", "uk", "en"), if it is one of the window's.
std::optional<Language> language_of(std::string_view code);
// The default language's words, for what is said before a window has chosen one; a window
// speaks its own (WindowLogic::words()).
const Words& words();

// Which of a counted word's forms a number takes in the language.
enum class CountForm { one, few, many };
CountForm count_form(Language language, long long n);
// The number with the noun in its form: "5 ładunków".
std::string counted(const Words& w, const CountedWord& noun, long long n);

// The pattern with %1, %2, ... replaced by the values in order; a %n without a value stays.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> values);
