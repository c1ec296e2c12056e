// The picture commands and the help menu of the main window.
#include "app/tform1.h"
#include "model/charges.h"
#include "model/field.h"
#include "model/state.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

namespace {

constexpr const char* colour_map_phrase = "mapa potencjału";

// A phrase about the board point under the pointer: "<what> (x, y)". Appended piece by piece,
// which GCC 12 does not mistake for an overlapping copy.
std::string at_pointer(const char* what) {
    std::string phrase = what;
    phrase += " (";
    phrase += std::to_string(board_x(mouse_x));
    phrase += ", ";
    phrase += std::to_string(board_y(mouse_y));
    phrase += ")";
    return phrase;
}

} // namespace

void TForm1::colour_map_command() {
    if (guard_blocks()) return;
    raise_all_eight();
    tool_mode = 0;
    if (grids_stale == 1) obl_rozklad_pot();
    rysuj_rozklad_pot(board_);
    grids_stale = 0;
    screen_.board_changed();
    if (charge_count == 0) return;
    board_cleared();
    drew({colour_map_phrase});
}

void TForm1::RysujB1Click() {
    colour_map_command();
}
void TForm1::rozkladpotencjaluClick() {
    colour_map_command();
}

void TForm1::equipotential_family_command() {
    if (charge_count == 0) return;
    raise_all_eight();
    const bool fresh_map = grids_stale == 1;
    linie_ekwipotencjalne(board_);
    grids_stale = 0;
    screen_.board_changed();
    if (fresh_map) {
        board_cleared();
        drew({colour_map_phrase, "linie ekwipotencjalne"});
    } else {
        drew({"linie ekwipotencjalne"});
    }
}

void TForm1::RysujB2Click() {
    equipotential_family_command();
}
void TForm1::Linieekwipotencjalne1Click() {
    equipotential_family_command();
}

void TForm1::RysujB5Click() {
    raise(Toggle::RysujB4);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    if (!down(Toggle::RysujB5)) return;
    tool_mode = 2;
    if (grids_stale == 1) {
        obl_rozklad_pot();
        rysuj_rozklad_pot(board_);
        screen_.board_changed();
        if (charge_count > 0) {
            board_cleared();
            drew({colour_map_phrase});
        }
    }
    // The next picture that looks at the flag starts again from fresh grids.
    grids_stale = 1;
}

void TForm1::Vconst1Click() {
    raise(Toggle::RysujB4);
    press(Toggle::RysujB5);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    if (!down(Toggle::RysujB5)) return;
    tool_mode = 2;
    if (grids_stale == 1) obl_rozklad_pot();
    grids_stale = 0;
}

void TForm1::equipotential_command() {
    if (!down(Toggle::RysujB5)) return;
    if (!equipotential_at_pointer(board_)) return;
    scene_stage = 2;
    screen_.board_changed();
    drew({at_pointer("linia ekwipotencjalna przez")});
}

void TForm1::field_line_family_command() {
    if (charge_count == 0) return;
    raise_all_eight();
    if (grids_stale == 1) board_cleared();
    linie_sil(board_);
    grids_stale = 0;
    screen_.board_changed();
    drew({"linie sił pola"});
}

void TForm1::RysujB3Click() {
    field_line_family_command();
}
void TForm1::Liniesil1Click() {
    field_line_family_command();
}

void TForm1::RysujB4Click() {
    raise(Toggle::RysujB5);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    if (down(Toggle::RysujB4)) tool_mode = 3;
}

void TForm1::Fr1Click() {
    raise(Toggle::RysujB5);
    press(Toggle::RysujB4);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    tool_mode = 3;
}

void TForm1::field_line_command() {
    if (!down(Toggle::RysujB4)) return;
    rysuj_linie_sil(board_, board_x(mouse_x), board_y(mouse_y));
    screen_.board_changed();
    // Without charges there is no field, and the pass stays on its point.
    if (charge_count > 0) drew({at_pointer("linia sił przez")});
}

void TForm1::Opisprogramu1Click() {
    screen_.open_description();
}
void TForm1::Oprogramie1Click() {
    screen_.open_about();
}
