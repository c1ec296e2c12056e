#pragma once

#include "app/screen.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// A screen that shows nothing and remembers what it was asked to show; its progress bar stops
// at its maximum like the real ones.
class RecordingScreen final : public Screen {
  public:
    void show_error(std::string_view text) override { errors.emplace_back(text); }
    void progress_set_position(int p) override { position = std::clamp(p, 0, maximum); }
    void progress_set_max(int m) override { maximum = std::max(m, 0); }
    void progress_step() override { position = std::min(position + 1, maximum); }
    void board_changed() override { ++board_changes; }
    void open_description() override { ++descriptions; }
    void open_about() override { ++abouts; }
    void end_program() override { ++ends; }
    void announce(std::string_view phrase) override { announcements.emplace_back(phrase); }

    std::vector<std::string> errors;
    std::vector<std::string> announcements;
    int position = 0;
    int maximum = 10000;
    int board_changes = 0;
    int descriptions = 0;
    int abouts = 0;
    int ends = 0;
};
