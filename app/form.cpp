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

} // namespace

std::span<const FormControl> form_controls() {
    return controls;
}

const FormControl* form_control(std::string_view name) {
    const auto at = std::find_if(std::begin(controls), std::end(controls),
                                 [name](const FormControl& c) { return c.name == name; });
    return at == std::end(controls) ? nullptr : at;
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
