#include "app/picture.h"

std::string picture_description(std::span<const Charge> placed,
                                std::span<const std::string> pictures) {
    std::string text = "Ardenika\nŁadunki (x, y, znak): ";
    if (placed.empty()) text += "brak";
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (i > 0) text += "; ";
        text += std::to_string(placed[i].x);
        text += ", ";
        text += std::to_string(placed[i].y);
        text += ", ";
        text += std::to_string(placed[i].znak);
    }
    text += "\nNarysowano: ";
    if (pictures.empty()) text += "nic poza ładunkami";
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (i > 0) text += ", ";
        text += pictures[i];
    }
    return text;
}
