#include "model/ports.h"

namespace {

class SilentWindow final : public WindowPort {
  public:
    void show_error(std::string_view) override {}
    void progress_set_position(int) override {}
    void progress_set_max(int) override {}
    void progress_step() override {}
};

class BlankBoard final : public BoardPort {
  public:
    void start() override {}
    void rysuj_lad(int) override {}
};

SilentWindow silent_window;
BlankBoard blank_board;
WindowPort* current_window = &silent_window;
BoardPort* current_board = &blank_board;

} // namespace

void set_window_port(WindowPort* port) {
    current_window = port ? port : &silent_window;
}
WindowPort& window_port() {
    return *current_window;
}
void set_board_port(BoardPort* port) {
    current_board = port ? port : &blank_board;
}
BoardPort& board_port() {
    return *current_board;
}
