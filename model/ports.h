#pragma once

#include <string_view>

// What the computations need from the window: the error box and the progress bar.
class WindowPort {
  public:
    virtual ~WindowPort() = default;
    virtual void show_error(std::string_view text) = 0;
    virtual void progress_set_position(int position) = 0;
    virtual void progress_set_max(int max) = 0;
    // Advances by one and stops at the maximum.
    virtual void progress_step() = 0;
};

// The two board drawings that the ready-made arrangements need.
class BoardPort {
  public:
    virtual ~BoardPort() = default;
    virtual void start() = 0;
    virtual void rysuj_lad(int slot) = 0;
};

// Either may be null (nothing is shown); the window installs both at start-up.
void set_window_port(WindowPort* port);
WindowPort& window_port();
void set_board_port(BoardPort* port);
BoardPort& board_port();
