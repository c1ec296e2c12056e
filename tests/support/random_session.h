#pragma once

// What the two random-use tests share: their settings, the program's invariants, and the
// account of the last events that a failure prints.
#include "app/state.h"
#include "app/window_logic.h"
#include "model/charges.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

inline constexpr long session_events = 1000;

// A whole number from the environment, or the fallback when it is unset or not a number.
inline long env_number(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value >= 0 ? value : fallback;
}

// The charge table and the flags that an error box must leave as they were.
struct ProgramState {
    explicit ProgramState(const WindowLogic& form)
        : table(form.board_state().charges), stage(form.state().scene_stage),
          stale(form.state().grids_stale) {}
    ChargeSet table;
    SceneStage stage;
    bool stale;

    bool operator==(const ProgramState& o) const {
        return table == o.table && stage == o.stage && stale == o.stale;
    }
};

// The first invariant the program state breaks, or "" when it keeps them all.
inline std::string broken_invariant(const ChargeSet& charges, const InteractionState& s,
                                    const std::array<bool, 6>& six, bool f_r_down,
                                    bool v_const_down) {
    if (charges.count() < 0 || charges.count() > max_charges) return "charge count";
    for (int i = 1; i <= charges.count(); ++i) {
        const Charge c = charges.slot(i);
        if (c.sign != 1 && c.sign != -1) return "sign of slot " + std::to_string(i);
        if (c.x < -200 || c.x > 200 || c.y < -200 || c.y > 200)
            return "position of slot " + std::to_string(i);
    }
    const int mode = static_cast<int>(s.tool_mode);
    const int stage = static_cast<int>(s.scene_stage);
    if (mode < -1 || mode > 5) return "tool_mode";
    if (stage < 0 || stage > 2) return "scene_stage";
    if (!on_board(s.pointer_column, s.pointer_row)) return "pointer";
    if (std::count(six.begin(), six.end(), true) > 1) return "more than one of the six down";
    if (f_r_down && v_const_down) return "F(r) and V=const both down";
    return "";
}

// The last events of a session, for the message of a failure that replays it.
class EventLog {
  public:
    void start(unsigned seed) {
        seed_ = seed;
        sent_ = 0;
        recent_.clear();
    }
    void add(const std::string& what) {
        ++sent_;
        recent_.push_back(what);
        if (recent_.size() > 12) recent_.pop_front();
    }
    long sent() const { return sent_; }
    std::string context(const std::string& check) const {
        std::ostringstream out;
        out << check << " failed at event " << sent_ << " of seed " << seed_
            << " (ARDENIKA_RANDOM_SEED=" << seed_ << " ARDENIKA_RANDOM_EVENTS=" << session_events
            << " replays it); last events:";
        for (const std::string& e : recent_) out << "\n  " << e;
        return out.str();
    }

  private:
    unsigned seed_ = 0;
    long sent_ = 0;
    std::deque<std::string> recent_;
};

// Runs sessions from seed ARDENIKA_RANDOM_SEED (default 1) on, one seed each, until
// ARDENIKA_RANDOM_EVENTS (default given) events are sent or one fails; says which seeds ran.
template <class Session> std::string run_sessions(long default_events, Session&& session) {
    const long total = env_number("ARDENIKA_RANDOM_EVENTS", default_events);
    const auto first = static_cast<unsigned>(env_number("ARDENIKA_RANDOM_SEED", 1));
    unsigned seed = first;
    for (long left = total; left > 0 && !testing::Test::HasFatalFailure();
         left -= session_events, ++seed)
        session(seed, std::min(left, session_events));
    return std::to_string(first) + ".." + std::to_string(seed - 1);
}
