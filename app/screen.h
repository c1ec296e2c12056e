#pragma once

#include "app/words.h"
#include "model/ports.h"

// What the window logic asks of the screen that shows it, besides the error box and the progress
// bar of WindowPort. A shell implements it; constructing it installs it as the window port.
class Screen : public WindowPort {
  public:
    // The fifteenth charge: the error box says why nothing was added.
    void charge_table_full() final { show_error(words().too_many_charges); }
    // The board canvas holds a new picture: show it.
    virtual void board_changed() = 0;
    // "Opis programu" and "O programie": a modal dialog over the window.
    virtual void open_description() = 0;
    virtual void open_about() = 0;
    // "Koniec": end the program as far as this screen can.
    virtual void end_program() = 0;
    // A short phrase for screen readers, said once, politely: what a picture command drew.
    virtual void announce(std::string_view phrase) = 0;
    // A phrase that follows something moving: each replaces the last, and a screen may say them
    // at most every half second as long as it ends on the last one.
    virtual void announce_progress(std::string_view phrase) { announce(phrase); }
};
