#include "app/tform1.h"

#include "app/readout.h"
#include "model/charges.h"
#include "model/field.h"
#include "model/state.h"
#include "render/board.h"

#include <algorithm>

TForm1::TForm1(Screen& screen) : screen_(screen), board_(board_size, board_size) {
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    charge_count = 0;
    tool_mode = 0;
    scene_stage = 0;
    start();
    labels_ = {"X = 0", "Y = 0", "V[0,0]  = 0", "Ex[0,0] = 0", "Ey[0,0] = 0"};
}

void TForm1::click(Toggle button) {
    if (down(button))
        raise(button);
    else
        press(button);
    switch (button) {
    case Toggle::SpeedB1:
        return SpeedB1Click();
    case Toggle::SpeedB2:
        return SpeedB2Click();
    case Toggle::SpeedB3:
        return SpeedB3Click();
    case Toggle::SpeedB4:
        return SpeedB4Click();
    case Toggle::SpeedB5:
        return SpeedB5Click();
    case Toggle::SpeedB6:
        return SpeedB6Click();
    case Toggle::RysujB4:
        return RysujB4Click();
    case Toggle::RysujB5:
        return RysujB5Click();
    }
}

bool TForm1::click(std::string_view control) {
    struct Command {
        std::string_view name;
        void (TForm1::*handler)();
    };
    static constexpr Command commands[] = {
        {"RysujB1", &TForm1::RysujB1Click},
        {"RysujB2", &TForm1::RysujB2Click},
        {"RysujB3", &TForm1::RysujB3Click},
        {"Button1", &TForm1::Button1Click},
        {"Rozklad", &TForm1::rozkladpotencjaluClick},
        {"Linieekwipotencjale1", &TForm1::Linieekwipotencjalne1Click},
        {"Vconst1", &TForm1::Vconst1Click},
        {"Liniesil1", &TForm1::Liniesil1Click},
        {"Fr1", &TForm1::Fr1Click},
        {"Koniec1", &TForm1::Koniec1Click},
        {"Opisprogramu1", &TForm1::Opisprogramu1Click},
        {"Oprogramie1", &TForm1::Oprogramie1Click},
    };
    for (int i = 0; i < toggle_count; ++i)
        if (toggle_names[i] == control) {
            click(static_cast<Toggle>(i));
            return true;
        }
    for (const Command& c : commands)
        if (c.name == control) {
            (this->*c.handler)();
            return true;
        }
    return false;
}

void TForm1::raise(Toggle button) {
    down_[index(button)] = false;
}

void TForm1::press(Toggle button) {
    if (index(button) <= index(Toggle::SpeedB6))
        std::fill(down_.begin(), down_.begin() + index(Toggle::SpeedB6) + 1, false);
    down_[index(button)] = true;
}

void TForm1::raise_six() {
    for (Toggle b : {Toggle::SpeedB1, Toggle::SpeedB2, Toggle::SpeedB3, Toggle::SpeedB4,
                     Toggle::SpeedB5, Toggle::SpeedB6})
        raise(b);
}

void TForm1::raise_all_eight() {
    raise_six();
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
}

void TForm1::start() {
    ::start(board_);
    board_cleared();
    screen_.board_changed();
}

void TForm1::rysuj_lad(int slot) {
    ::rysuj_lad(board_, slot);
    screen_.board_changed();
}

void TForm1::redraw_charges() {
    ::start(board_);
    board_cleared();
    draw_charge_markers(board_);
    screen_.board_changed();
}

void TForm1::drew(std::initializer_list<std::string> phrases) {
    std::string said;
    for (const std::string& phrase : phrases) {
        said += said.empty() ? "Narysowano: " : ", ";
        said += phrase;
        pictures_.push_back(phrase);
    }
    screen_.announce(said);
}

void TForm1::Image1MouseMove(int X, int Y) {
    // Positions beyond the board (a drag past its edge) read the nearest edge pixel.
    X = std::clamp(X, 0, board_size - 1);
    Y = std::clamp(Y, 0, board_size - 1);
    board_tooltip_ = down(Toggle::RysujB4) || down(Toggle::RysujB5);
    const std::string x = std::to_string(board_x(X));
    const std::string y = std::to_string(board_y(Y));
    const std::string at = "[" + x + "," + y + "]";
    labels_[0] = "X = " + x;
    labels_[1] = "Y = " + y;
    labels_[2] = "V" + at + "  = " + readout_value(grid_V[X][Y]);
    labels_[3] = "Ex" + at + " = " + readout_value(grid_Ex[X][Y]);
    labels_[4] = "Ey" + at + " = " + readout_value(grid_Ey[X][Y]);
    mouse_x = X;
    mouse_y = Y;
    cursor_ = {X, Y};
}

void TForm1::board_key(BoardKey key, bool shift) {
    const int step = shift ? 10 : 1;
    auto [x, y] = cursor_;
    switch (key) {
    case BoardKey::left:
        x -= step;
        break;
    case BoardKey::right:
        x += step;
        break;
    case BoardKey::up:
        y -= step;
        break;
    case BoardKey::down:
        y += step;
        break;
    case BoardKey::home:
        x = y = board_size / 2;
        break;
    case BoardKey::activate:
        Image1MouseMove(x, y);
        Image1Click();
        return;
    }
    Image1MouseMove(x, y);
}

void TForm1::Image1Click() {
    switch (tool_mode) {
    case 0:
        if (charge_count <= 0 || !down(Toggle::SpeedB6)) return;
        raise(Toggle::RysujB4);
        raise(Toggle::RysujB5);
        if (!remove_charges_near(mouse_x, mouse_y)) return;
        redraw_charges();
        scene_stage = 1;
        grids_stale = 1;
        return;
    case 1:
    case -1:
        if (!down(Toggle::SpeedB1) && !down(Toggle::SpeedB2)) return;
        if (!add_charge(mouse_x, mouse_y, tool_mode)) return;
        rysuj_lad(charge_count);
        scene_stage = 1;
        grids_stale = 1;
        return;
    case 2:
        equipotential_command();
        return;
    case 3:
        field_line_command();
        return;
    default:
        return;
    }
}

void TForm1::SpeedB1Click() {
    tool_mode = 1;
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
}

void TForm1::SpeedB2Click() {
    tool_mode = -1;
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
}

void TForm1::SpeedB6Click() {
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
    if (down(Toggle::SpeedB6)) tool_mode = 0;
}

void TForm1::SpeedB5Click() {
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
    press(Toggle::SpeedB5);
    tool_mode = 1;
    place_dipole();
    press(Toggle::SpeedB5);
    scene_stage = 1;
    grids_stale = 1;
    tool_mode = 0;
}

void TForm1::SpeedB4Click() {
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
    scene_stage = 1;
    tool_mode = -1;
    Kwadrupol();
    grids_stale = 1;
    tool_mode = 0;
}

void TForm1::SpeedB3Click() {
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
    scene_stage = 1;
    tool_mode = 1;
    Kondensator();
    grids_stale = 1;
    tool_mode = 0;
}

void TForm1::Button1Click() {
    if (scene_stage == 0) return;
    if (scene_stage == 1) {
        clear_charges();
        tool_mode = 0;
        scene_stage = 0;
        grids_stale = 0;
        if (down(Toggle::SpeedB1) || down(Toggle::SpeedB2) || down(Toggle::SpeedB3) ||
            down(Toggle::SpeedB4) || down(Toggle::SpeedB5))
            for (Toggle b : {Toggle::SpeedB1, Toggle::SpeedB2, Toggle::SpeedB3, Toggle::SpeedB4,
                             Toggle::SpeedB5})
                raise(b);
        raise(Toggle::RysujB4);
        raise(Toggle::RysujB5);
        start();
        return;
    }
    scene_stage = scene_stage - 1;
    raise(Toggle::RysujB4);
    raise(Toggle::RysujB5);
    if (down(Toggle::SpeedB3) || down(Toggle::SpeedB4)) {
        raise(Toggle::SpeedB3);
        raise(Toggle::SpeedB4);
        tool_mode = 0;
    }
    if (down(Toggle::SpeedB1)) tool_mode = 1;
    if (down(Toggle::SpeedB2)) tool_mode = -1;
    redraw_charges();
}

void TForm1::Koniec1Click() {
    screen_.end_program();
}
