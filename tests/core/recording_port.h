#pragma once

#include "model/ports.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A window stand-in that installs itself for its lifetime, records every call in order and
// models the progress bar: a maximum, a position, and a step that stops at the maximum.
class RecordingWindowPort final : public WindowPort {
  public:
    enum class Call { show_error, table_full, set_position, set_max, step };
    struct Event {
        Call call;
        int value; // the position or maximum set; 0 for the others
        bool operator==(const Event&) const = default;
    };

    void show_error(std::string_view text) override {
        events.push_back({Call::show_error, 0});
        errors.emplace_back(text);
    }
    void charge_table_full() override {
        events.push_back({Call::table_full, 0});
        errors.emplace_back("table full");
    }
    void progress_set_position(int p) override {
        events.push_back({Call::set_position, p});
        position = std::clamp(p, 0, maximum);
        highest_position = std::max(highest_position, position);
    }
    void progress_set_max(int m) override {
        events.push_back({Call::set_max, m});
        maximum = std::max(m, 0);
        position = std::min(position, maximum);
    }
    void progress_step() override {
        events.push_back({Call::step, 0});
        if (position < maximum) ++position;
        highest_position = std::max(highest_position, position);
    }

    std::size_t count(Call call) const {
        return static_cast<std::size_t>(std::count_if(
            events.begin(), events.end(), [call](const Event& e) { return e.call == call; }));
    }

    std::vector<Event> events;
    std::vector<std::string> errors;
    int maximum = 100; // a new bar's range is 0..100
    int position = 0;
    int highest_position = 0;
};
