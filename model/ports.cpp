#include "model/ports.h"

namespace {

class SilentWindow final : public WindowPort {
  public:
    SilentWindow() : WindowPort(NotInstalled{}) {}
    void show_error(std::string_view) override {}
    void charge_table_full() override {}
    void progress_set_position(int) override {}
    void progress_set_max(int) override {}
    void progress_step() override {}
};

class BlankBoard final : public BoardPort {
  public:
    BlankBoard() : BoardPort(NotInstalled{}) {}
    void start() override {}
    void rysuj_lad(int) override {}
};

SilentWindow silent_window;
BlankBoard blank_board;
WindowPort* current_window = nullptr;
BoardPort* current_board = nullptr;

} // namespace

WindowPort::WindowPort() {
    current_window = this;
}
WindowPort::~WindowPort() {
    if (current_window == this) current_window = nullptr;
}
BoardPort::BoardPort() {
    current_board = this;
}
BoardPort::~BoardPort() {
    if (current_board == this) current_board = nullptr;
}

WindowPort& window_port() {
    return current_window ? *current_window : silent_window;
}
BoardPort& board_port() {
    return current_board ? *current_board : blank_board;
}
