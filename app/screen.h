#pragma once

#include "app/words.h"
#include "model/progress.h"

#include <string_view>

// What the window logic asks of the screen that shows it: the progress bar, the error box and the
// rest below. A shell implements it and hands it to the window it shows.
class Screen : public ProgressSink {
  public:
    // The error box, with the text given.
    virtual void show_error(std::string_view text) = 0;
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
    // The window now speaks another language: show every word anew.
    virtual void language_changed() {}
};
