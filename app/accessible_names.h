#pragma once

#include <string_view>

// What each control of the window does, in the words a screen reader says, by form name. The
// hints stay as they are; two controls that share one ("Dodaj ", "Auto") are told apart here. A
// name holds the control's visible text, so speech input finds it by what it shows.
struct AccessibleName {
    std::string_view control;
    std::string_view name;
};
inline constexpr AccessibleName accessible_names[] = {
    {"SpeedB1", "Dodaj ładunek dodatni"},
    {"SpeedB2", "Dodaj ładunek ujemny"},
    {"SpeedB4", "Umieść kwadrupol"},
    {"SpeedB5", "Umieść dipol"},
    {"SpeedB3", "Umieść kondensator płaski"},
    {"SpeedB6", "Usuń ładunek"},
    {"RysujB1", "Mapa potencjału V(r)"},
    {"RysujB2", "Linie ekwipotencjalne, Auto"},
    {"RysujB5", "Linia ekwipotencjalna przez punkt, V=const"},
    {"RysujB3", "Linie sił pola, Auto"},
    {"RysujB4", "Linia sił przez punkt, F(r)"},
    {"Button1", "Czyść planszę"},
    {"Image1", "Plansza"},
};
