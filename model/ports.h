#pragma once

#include <string_view>

// What the computations need from the window: the error box and the progress bar. Constructing
// an implementation installs it; destroying it removes it again.
class WindowPort {
  public:
    WindowPort();
    virtual ~WindowPort();
    WindowPort(const WindowPort&) = delete;
    WindowPort& operator=(const WindowPort&) = delete;

    virtual void show_error(std::string_view text) = 0;
    // A fifteenth charge was asked for: the error box says that the table holds 14 at most.
    virtual void charge_table_full() = 0;
    virtual void progress_set_position(int position) = 0;
    virtual void progress_set_max(int max) = 0;
    // Advances by one and stops at the maximum.
    virtual void progress_step() = 0;

  protected:
    struct NotInstalled {};
    explicit WindowPort(NotInstalled) {}
};

// The two board drawings that the ready-made arrangements need; installed like WindowPort.
class BoardPort {
  public:
    BoardPort();
    virtual ~BoardPort();
    BoardPort(const BoardPort&) = delete;
    BoardPort& operator=(const BoardPort&) = delete;

    virtual void start() = 0;
    virtual void rysuj_lad(int slot) = 0;

  protected:
    struct NotInstalled {};
    explicit BoardPort(NotInstalled) {}
};

// The installed ports; with none installed, nothing is shown.
WindowPort& window_port();
BoardPort& board_port();
