#pragma once

#include "app/png_text.h"
#include "app/setup.h"

#include <array>
#include <string>
#include <string_view>

// What the user reads when a setup or a picture cannot be opened: one table, for the catalogue
// of words to take in. In a text, {n} stands for the token's number, {token} for the token, and
// {x} and {y} for the point.
struct SetupMessage {
    std::string_view key;
    std::string_view text;
};

inline constexpr std::array<SetupMessage, 12> setup_messages{{
    {"setup.empty", "Opis planszy jest pusty."},
    {"setup.not_a_setup", "Ten tekst nie opisuje planszy programu Ardenika."},
    {"setup.damaged", "Opis planszy jest uszkodzony (element {n}: „{token}”)."},
    {"setup.newer_version", "Ten opis planszy pochodzi z nowszej wersji programu Ardenika."},
    {"setup.too_many_charges", "Opis planszy ma więcej niż 14 ładunków."},
    {"setup.point_off_board", "Punkt ({x}, {y}) leży poza planszą."},
    {"setup.too_long", "Opis planszy jest za długi."},
    {"picture.too_large", "Plik jest za duży jak na obraz planszy (ma ponad 16 MB)."},
    {"picture.not_png", "To nie jest obraz PNG."},
    {"picture.damaged", "Plik jest ucięty albo uszkodzony."},
    {"picture.no_text", "Ten obraz nie zawiera opisu planszy programu Ardenika."},
    {"picture.text_too_long", "Opis planszy zapisany w tym obrazie jest za długi."},
}};

// The message for a setup that was not read, its placeholders filled in; empty for none.
std::string setup_error_text(const SetupResult& result);
// The message for a picture whose setup was not read; empty for none.
std::string picture_error_text(PngTextError error);
