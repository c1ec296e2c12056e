#include "app/form.h"

#include <algorithm>
#include <array>

namespace {

using enum FormControlKind;
constexpr int six = 1;
constexpr int f_r = 2;
constexpr int v_const = 3;

// Rows by kind, so each says only what its kind has.
constexpr FormControl group(std::string_view name, int left, int top, int width, int height,
                            std::string_view caption) {
    return {name, group_box, "main_window",     left, top, width, height, caption, "", "",
            0,    {},        ControlFont::panel};
}
// A label's width is the least it takes; a longer text widens it.
constexpr FormControl text(std::string_view name, int top, std::string_view caption) {
    return {name, label, "readout_group",   8, top, 145, 13, caption, "", "",
            0,    {},    ControlFont::panel};
}
constexpr FormControl tool(std::string_view name, int left, int top, int width, int height,
                           std::string_view hint, std::string_view spoken, Glyph glyph) {
    return {name, tool_button, "charges_group",   left, top, width, height, "", hint, spoken,
            six,  glyph,       ControlFont::panel};
}
constexpr FormControl button(std::string_view name, FormControlKind kind, std::string_view parent,
                             int left, int top, int width, int height, std::string_view caption,
                             std::string_view hint, std::string_view spoken, int group_of = 0) {
    return {name,
            kind,
            parent,
            left,
            top,
            width,
            height,
            caption,
            hint,
            spoken,
            group_of,
            {},
            ControlFont::panel};
}

constexpr FormControl controls[] = {
    {"main_window", window, "", 0, 0, 632, 434, "Ardenika", "", "", 0, {}, ControlFont::window},
    group("readout_group", 8, 8, 161, 98, " Parametry "),
    text("x_readout", 16, "X = 0"),
    text("y_readout", 28, "Y = 0"),
    text("v_readout", 45, "V[0,0]  = 0"),
    text("ex_readout", 64, "Ex[0,0] = 0"),
    text("ey_readout", 78, "Ey[0,0] = 0"),
    group("progress_group", 8, 120, 161, 40, " Zaawansowanie obliczeń "),
    // The bar has no caption of its own; a screen reader names it after its group.
    {"computation_progress",
     progress_bar,
     "progress_group",
     8,
     16,
     145,
     18,
     "",
     "",
     "Zaawansowanie obliczeń",
     0,
     {},
     ControlFont::panel},
    group("charges_group", 8, 168, 161, 113, "Ładunki - Dodaj/Usuń"),
    tool("add_positive_tool", 8, 18, 27, 27, "Dodaj ", "Dodaj ładunek dodatni",
         Glyph::add_positive),
    tool("add_negative_tool", 8, 48, 27, 27, "Dodaj ", "Dodaj ładunek ujemny", Glyph::add_negative),
    tool("quadrupole_button", 41, 19, 52, 52, "Umieść kwadrupol", "Umieść kwadrupol",
         Glyph::quadrupole),
    tool("dipole_button", 41, 78, 52, 27, "Umieść dipol", "Umieść dipol", Glyph::dipole),
    tool("capacitor_button", 100, 19, 52, 52, "Umieść", "Umieść kondensator płaski",
         Glyph::capacitor),
    tool("remove_tool", 112, 80, 27, 27, "Usuń ładunek", "Usuń ładunek", Glyph::remove),
    group("potential_group", 8, 288, 161, 57, "Rozkład potencjału"),
    button("colour_map_button", push_button, "potential_group", 8, 20, 46, 25, "V(r)",
           "Rozklad potencjalu", "Mapa potencjału V(r)"),
    button("equipotentials_button", push_button, "potential_group", 58, 20, 46, 25, "Auto",
           "L. ekwipotencjalne - AUTO", "Linie ekwipotencjalne, Auto"),
    button("equipotential_tool", toggle_button, "potential_group", 108, 20, 46, 25, "V=const",
           "Linie ekwipotencjalne", "Linia ekwipotencjalna przez punkt, V=const", v_const),
    group("field_lines_group", 8, 352, 105, 49, "Linie sił pola"),
    button("field_lines_button", push_button, "field_lines_group", 10, 16, 37, 25, "Auto",
           "Linie sił - AUTO", "Linie sił pola, Auto"),
    button("field_line_tool", toggle_button, "field_lines_group", 56, 16, 37, 25, "F(r)",
           "Linie sił", "Linia sił przez punkt, F(r)", f_r),
    button("clear_button", push_button, "main_window", 127, 368, 50, 33, "Czyść", "",
           "Czyść planszę"),
    {"board",
     board,
     "main_window",
     204,
     0,
     401,
     401,
     "",
     "",
     "Plansza",
     0,
     {},
     ControlFont::window},
};

constexpr NarrowPlace narrow[] = {
    {"main_window", 0, 0, 401, 628}, {"board", 0, 0},
    {"readout_group", 30, 409},      {"progress_group", 30, 515},
    {"charges_group", 210, 409},     {"potential_group", 30, 563},
    {"field_lines_group", 210, 563}, {"clear_button", 329, 579},
};

constexpr MenuItem menu[] = {
    {"potential_menu", "", "Potencjal", true},
    {"colour_map_item", "potential_menu", "Rozklad V(r)", false},
    {"equipotentials_item", "potential_menu", "Auto", false},
    {"equipotential_item", "potential_menu", "V=const", false},
    {"field_menu", "", "Pole", true},
    {"field_lines_item", "field_menu", "Auto", false},
    {"field_line_item", "field_menu", "F(r)", false},
    {"measurements_item", "", "Po&miary", false, "Ctrl+M"},
    {"end_item", "", "&Koniec", false},
    // Named in every language at once, each language in itself, so anyone finds their own.
    {"language_menu", "", "Język / Мова / Language", true},
    {"language_pl_item", "language_menu", "Polski", false},
    {"language_uk_item", "language_menu", "Українська", false},
    {"language_en_item", "language_menu", "English", false},
    {"help_menu", "", "Pomoc", true},
    {"description_item", "help_menu", "Opis programu", false},
    {"about_item", "help_menu", "O programie", false},
};

// The panel: tools for the points, the points' values, a pair compared, and the recorded table.
constexpr std::string_view panel = "measurement_panel";
// A control of the panel or of the plot's window, by the window it sits in: a label in the
// panels' face, the rest in the window's.
constexpr FormControl part(std::string_view parent, std::string_view name, FormControlKind kind,
                           int left, int top, int width, int height, std::string_view caption,
                           std::string_view hint = "", std::string_view spoken = "") {
    FormControl c = button(name, kind, parent, left, top, width, height, caption, hint, spoken);
    c.font = kind == label ? ControlFont::panel : ControlFont::window;
    return c;
}

constexpr FormControl panel_table[] = {
    {panel, window, "", 0, 0, 480, 560, "Pomiary", "", "", 0, {}, ControlFont::window},
    part(panel, "measuring_tool", toggle_button, 8, 8, 150, 25, "&Umieść punkty",
         "Kliknięcie planszy umieszcza kolejny punkt pomiarowy (A–H); Enter na planszy też"),
    part(panel, "remove_point_button", push_button, 166, 8, 150, 25, "Usuń &punkt",
         "Usuwa punkt wybrany do zapisu"),
    part(panel, "remove_all_points_button", push_button, 324, 8, 148, 25, "Usuń &wszystkie",
         "Usuwa wszystkie punkty pomiarowe"),
    part(panel, "points_table", table, 8, 40, 464, 170, "", "", "Punkty pomiarowe"),
    part(panel, "pair_caption", label, 8, 220, 60, 13, "Para:"),
    part(panel, "pair_first_choice", choice, 70, 216, 60, 22, "", "", "Pierwszy punkt pary"),
    part(panel, "pair_second_choice", choice, 136, 216, 60, 22, "", "", "Drugi punkt pary"),
    part(panel, "plot_button", toggle_button, 322, 214, 150, 25, "W&ykres",
         "Pokazuje V i składową pola wzdłuż odcinka między punktami pary"),
    part(panel, "pair_difference", label, 8, 244, 464, 13, ""),
    part(panel, "pair_distance", label, 8, 260, 464, 13, ""),
    part(panel, "pair_mean_field", label, 8, 276, 464, 13, ""),
    part(panel, "pair_midpoint_field", label, 8, 292, 464, 13, ""),
    part(panel, "chosen_caption", label, 8, 320, 60, 13, "Punkt:"),
    part(panel, "chosen_point_choice", choice, 70, 316, 60, 22, "", "", "Punkt do zapisu"),
    part(panel, "reference_caption", label, 140, 320, 90, 13, "Odległość od:"),
    part(panel, "reference_choice", choice, 232, 316, 240, 22, "", "", "Odległość od"),
    part(panel, "record_button", push_button, 8, 346, 150, 25, "&Zapisz pomiar",
         "Dopisuje do tabeli wartości w wybranym punkcie (Ctrl+Enter)"),
    part(panel, "recorded_table", table, 8, 378, 464, 140, "", "", "Zapisane pomiary"),
    part(panel, "delete_row_button", push_button, 8, 526, 110, 25, "Usuń w&iersz",
         "Usuwa zaznaczony wiersz tabeli"),
    part(panel, "clear_table_button", push_button, 124, 526, 110, 25, "Wyczyść &tabelę",
         "Usuwa wszystkie wiersze tabeli"),
    part(panel, "copy_table_button", push_button, 240, 526, 110, 25, "K&opiuj tabelę",
         "Kopiuje tabelę do schowka, gotową do wklejenia do arkusza (Ctrl+C w tabeli)"),
    part(panel, "save_table_button", push_button, 356, 526, 116, 25, "Zapisz &CSV…",
         "Zapisuje tabelę jako plik CSV dla arkusza kalkulacyjnego"),
};

constexpr std::string_view plot_parent = "plot_window";
constexpr FormControl plot_table[] = {
    {plot_parent,
     window,
     "",
     0,
     0,
     480,
     430,
     "Wykres wzdłuż odcinka",
     "",
     "",
     0,
     {},
     ControlFont::window},
    part(plot_parent, "line_plot", plot, 8, 8, 464, 300, "",
         "Strzałki w lewo i w prawo przesuwają odczyt wzdłuż odcinka",
         "Wykres V i składowej pola wzdłuż odcinka"),
    part(plot_parent, "plot_reading", label, 8, 314, 464, 13, ""),
    part(plot_parent, "plot_summary", label, 8, 332, 464, 54, ""),
    part(plot_parent, "copy_plot_button", push_button, 8, 396, 110, 25, "&Kopiuj wykres",
         "Kopiuje wykres jako obraz"),
    part(plot_parent, "save_plot_button", push_button, 124, 396, 110, 25, "&Zapisz wykres…",
         "Zapisuje wykres jako SVG albo PNG (1x, 2x do druku)"),
    part(plot_parent, "copy_samples_button", push_button, 240, 396, 110, 25, "Kopiuj &próbki",
         "Kopiuje próbki wykresu do schowka, gotowe do wklejenia do arkusza"),
    part(plot_parent, "save_samples_button", push_button, 356, 396, 116, 25, "Zapisz próbki &CSV…",
         "Zapisuje próbki wykresu jako plik CSV dla arkusza kalkulacyjnego"),
};

// The control of this name in one of the tables, or nullptr.
const FormControl* named(std::span<const FormControl> table, std::string_view name) {
    const auto at = std::find_if(table.begin(), table.end(),
                                 [name](const FormControl& c) { return c.name == name; });
    return at == table.end() ? nullptr : &*at;
}

} // namespace

std::span<const FormControl> plot_controls() {
    return plot_table;
}

const FormControl* plot_control(std::string_view name) {
    return named(plot_table, name);
}

std::span<const FormControl> panel_controls() {
    return panel_table;
}

const FormControl* panel_control(std::string_view name) {
    return named(panel_table, name);
}

std::span<const FormControl> form_controls() {
    return controls;
}

const FormControl* form_control(std::string_view name) {
    return named(controls, name);
}

std::span<const std::string_view> readout_label_names() {
    static const auto names = [] {
        std::array<std::string_view, 5> found{};
        std::size_t n = 0;
        for (const FormControl& c : controls)
            if (c.kind == label && n < found.size()) found[n++] = c.name;
        return found;
    }();
    return names;
}

std::span<const NarrowPlace> narrow_layout() {
    return narrow;
}

std::span<const MenuItem> menu_items() {
    return menu;
}

std::span<const FormWords> form_words(Language language) {
    switch (language) {
    case Language::polish:
        break;
    case Language::ukrainian:
        return ukrainian_form_words();
    case Language::english:
        return english_form_words();
    }
    return {};
}

namespace {

const FormWords* translated(std::string_view name, Language language) {
    const std::span<const FormWords> table = form_words(language);
    const auto at = std::find_if(table.begin(), table.end(),
                                 [name](const FormWords& w) { return w.name == name; });
    return at == table.end() ? nullptr : &*at;
}

} // namespace

FormWords form_texts(const FormControl& control, Language language) {
    if (const FormWords* w = translated(control.name, language)) return *w;
    return {control.name, control.caption, control.hint, control.accessible_name};
}

FormWords form_texts(const MenuItem& item, Language language) {
    if (const FormWords* w = translated(item.name, language)) return *w;
    return {item.name, item.caption};
}
