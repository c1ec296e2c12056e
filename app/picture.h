#pragma once

#include "app/words.h"
#include "model/charges.h"

#include <span>
#include <string>
#include <string_view>

// The board saved as a picture: the file name offered, and the PNG text that says what it shows.
inline constexpr std::string_view picture_file_name = "ardenika.png";
inline constexpr std::string_view picture_text_key = "Description";

// Three lines of UTF-8: "Ardenika", the charges as "x, y, znak" triples in slot order, and the
// pictures in the order they were drawn, e.g.
//   Ardenika
//   Ładunki (x, y, znak): 80, 0, 1; -80, 0, -1
//   Narysowano: mapa potencjału, linie ekwipotencjalne
// An empty list reads "brak" for the charges and "nic poza ładunkami" for the pictures. Each
// language says it in its own words.
std::string picture_description(std::span<const Charge> placed,
                                std::span<const std::string> pictures, const Words& w = words());
