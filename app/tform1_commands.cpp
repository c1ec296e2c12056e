// The picture commands and the help menu of the main window.
#include "app/tform1.h"
#include "model/charges.h"
#include "model/field.h"
#include "model/state.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

void TForm1::colour_map_command() {
    if (guard_blocks()) return;
    raise_all_eight();
    tool_mode = 0;
    if (grids_stale == 1) obl_rozklad_pot();
    rysuj_rozklad_pot(board_);
    grids_stale = 0;
    screen_.board_changed();
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
    linie_ekwipotencjalne(board_);
    grids_stale = 0;
    screen_.board_changed();
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
}

void TForm1::field_line_family_command() {
    if (charge_count == 0) return;
    raise_all_eight();
    linie_sil(board_);
    grids_stale = 0;
    screen_.board_changed();
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
}

void TForm1::Opisprogramu1Click() {
    screen_.open_description();
}
void TForm1::Oprogramie1Click() {
    screen_.open_about();
}
