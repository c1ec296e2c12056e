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
    return {name, group_box, "Form1",           left, top, width, height, caption, "", "",
            0,    {},        ControlFont::panel};
}
// A label's width is the least it takes; a longer text widens it.
constexpr FormControl text(std::string_view name, int top, std::string_view caption) {
    return {name, label, "GroupBox1", 8, top, 145, 13, caption, "", "", 0, {}, ControlFont::panel};
}
constexpr FormControl tool(std::string_view name, int left, int top, int width, int height,
                           std::string_view hint, std::string_view spoken, Glyph glyph) {
    return {name, tool_button, "GroupBox3",       left, top, width, height, "", hint, spoken,
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
    {"Form1", window, "", 0, 0, 632, 434, "Ardenika", "", "", 0, {}, ControlFont::window},
    group("GroupBox1", 8, 8, 161, 98, " Parametry "),
    text("Label1", 16, "X = 0"),
    text("Label2", 28, "Y = 0"),
    text("Label3", 45, "V[0,0]  = 0"),
    text("Label4", 64, "Ex[0,0] = 0"),
    text("Label5", 78, "Ey[0,0] = 0"),
    group("GroupBox2", 8, 120, 161, 40, " Zaawansowanie obliczeń "),
    // The bar has no caption of its own; a screen reader names it after its group.
    {"ProgressBar1",
     progress_bar,
     "GroupBox2",
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
    group("GroupBox3", 8, 168, 161, 113, "Ładunki - Dodaj/Usuń"),
    tool("SpeedB1", 8, 18, 27, 27, "Dodaj ", "Dodaj ładunek dodatni", Glyph::add_positive),
    tool("SpeedB2", 8, 48, 27, 27, "Dodaj ", "Dodaj ładunek ujemny", Glyph::add_negative),
    tool("SpeedB4", 41, 19, 52, 52, "Umieść kwadrupol", "Umieść kwadrupol", Glyph::quadrupole),
    tool("SpeedB5", 41, 78, 52, 27, "Umieść dipol", "Umieść dipol", Glyph::dipole),
    tool("SpeedB3", 100, 19, 52, 52, "Umieść", "Umieść kondensator płaski", Glyph::capacitor),
    tool("SpeedB6", 112, 80, 27, 27, "Usuń ładunek", "Usuń ładunek", Glyph::remove),
    group("GroupBox4", 8, 288, 161, 57, "Rozkład potencjału"),
    button("RysujB1", push_button, "GroupBox4", 8, 20, 46, 25, "V(r)", "Rozklad potencjalu",
           "Mapa potencjału V(r)"),
    button("RysujB2", push_button, "GroupBox4", 58, 20, 46, 25, "Auto", "L. ekwipotencjalne - AUTO",
           "Linie ekwipotencjalne, Auto"),
    button("RysujB5", toggle_button, "GroupBox4", 108, 20, 46, 25, "V=const",
           "Linie ekwipotencjalne", "Linia ekwipotencjalna przez punkt, V=const", v_const),
    group("GroupBox6", 8, 352, 105, 49, "Linie sił pola"),
    button("RysujB3", push_button, "GroupBox6", 10, 16, 37, 25, "Auto", "Linie sił - AUTO",
           "Linie sił pola, Auto"),
    button("RysujB4", toggle_button, "GroupBox6", 56, 16, 37, 25, "F(r)", "Linie sił",
           "Linia sił przez punkt, F(r)", f_r),
    button("Button1", push_button, "Form1", 127, 368, 50, 33, "Czyść", "", "Czyść planszę"),
    {"Image1", board, "Form1", 204, 0, 401, 401, "", "", "Plansza", 0, {}, ControlFont::window},
};

constexpr NarrowPlace narrow[] = {
    {"Form1", 0, 0, 401, 628}, {"Image1", 0, 0},        {"GroupBox1", 30, 409},
    {"GroupBox2", 30, 515},    {"GroupBox3", 210, 409}, {"GroupBox4", 30, 563},
    {"GroupBox6", 210, 563},   {"Button1", 329, 579},
};

constexpr MenuItem menu[] = {
    {"Pole1", "", "Potencjal", true},
    {"Rozklad", "Pole1", "Rozklad V(r)", false},
    {"Linieekwipotencjale1", "Pole1", "Auto", false},
    {"Vconst1", "Pole1", "V=const", false},
    {"Pole", "", "Pole", true},
    {"Liniesil1", "Pole", "Auto", false},
    {"Fr1", "Pole", "F(r)", false},
    {"Koniec1", "", "&Koniec", false},
    {"Pomoc1", "", "Pomoc", true},
    {"Opisprogramu1", "Pomoc1", "Opis programu", false},
    {"Oprogramie1", "Pomoc1", "O programie", false},
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

std::span<const NarrowPlace> narrow_layout() {
    return narrow;
}

std::span<const MenuItem> menu_items() {
    return menu;
}
