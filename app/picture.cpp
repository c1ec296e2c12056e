#include "app/picture.h"

#include "app/words.h"

std::string picture_description(std::span<const Charge> placed,
                                std::span<const std::string> pictures, const Words& w) {
    std::string charges_text;
    if (placed.empty()) charges_text = w.no_charges;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (i > 0) charges_text += "; ";
        charges_text += std::to_string(placed[i].x);
        charges_text += ", ";
        charges_text += std::to_string(placed[i].y);
        charges_text += ", ";
        charges_text += std::to_string(placed[i].sign);
    }
    std::string drawn;
    if (pictures.empty()) drawn = w.nothing_drawn;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (i > 0) drawn += w.list_separator;
        drawn += pictures[i];
    }
    std::string text(w.program_name);
    text += '\n';
    text += fill(w.charges_are, {charges_text});
    text += '\n';
    text += fill(w.drew, {drawn});
    return text;
}
