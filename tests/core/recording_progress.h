#pragma once

#include "model/progress.h"

#include <algorithm>
#include <cstddef>
#include <vector>

// A progress bar stand-in that records every call in order and models the bar: a maximum, a
// position, and a step that stops at the maximum.
class RecordingProgress final : public ProgressSink {
  public:
    enum class Call { set_position, set_max, step };
    struct Event {
        Call call;
        int value; // the position or maximum set; 0 for a step
        bool operator==(const Event&) const = default;
    };

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
    int maximum = 100; // a new bar's range is 0..100
    int position = 0;
    int highest_position = 0;
};
