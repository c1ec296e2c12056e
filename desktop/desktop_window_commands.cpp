// The picture commands and the help menu of the main window.
#include "desktop/board_view.h"
#include "desktop/desktop_window.h"
#include "desktop/help_dialogs.h"
#include "model/charges.h"
#include "model/field.h"
#include "model/state.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <QPushButton>

void TForm1::colour_map_command() {
    if (guard_blocks()) return;
    raise_all_eight();
    tool_mode = 0;
    if (grids_stale == 1) obl_rozklad_pot();
    rysuj_rozklad_pot(board_);
    grids_stale = 0;
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
}

void TForm1::RysujB2Click() {
    equipotential_family_command();
}
void TForm1::Linieekwipotencjalne1Click() {
    equipotential_family_command();
}

void TForm1::RysujB5Click() {
    raise(RysujB4);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    if (!down(RysujB5)) return;
    tool_mode = 2;
    if (grids_stale == 1) {
        obl_rozklad_pot();
        rysuj_rozklad_pot(board_);
    }
    // The next picture that looks at the flag starts again from fresh grids.
    grids_stale = 1;
}

void TForm1::Vconst1Click() {
    raise(RysujB4);
    press(RysujB5);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    if (!down(RysujB5)) return;
    tool_mode = 2;
    if (grids_stale == 1) obl_rozklad_pot();
    grids_stale = 0;
}

void TForm1::equipotential_command() {
    if (!down(RysujB5)) return;
    if (equipotential_at_pointer(board_)) scene_stage = 2;
}

void TForm1::field_line_family_command() {
    if (charge_count == 0) return;
    raise_all_eight();
    linie_sil(board_);
    grids_stale = 0;
}

void TForm1::RysujB3Click() {
    field_line_family_command();
}
void TForm1::Liniesil1Click() {
    field_line_family_command();
}

void TForm1::RysujB4Click() {
    raise(RysujB5);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    if (down(RysujB4)) tool_mode = 3;
}

void TForm1::Fr1Click() {
    raise(RysujB5);
    press(RysujB4);
    if (guard_blocks()) return;
    raise_six();
    scene_stage = 2;
    tool_mode = 3;
}

void TForm1::field_line_command() {
    if (!down(RysujB4)) return;
    rysuj_linie_sil(board_, mouse_x - 200, 200 - mouse_y);
}

void TForm1::Opisprogramu1Click() {
    show_description(this);
}
void TForm1::Oprogramie1Click() {
    show_about(this);
}
