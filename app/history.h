#pragma once

#include "app/setup.h"

#include <cstddef>
#include <optional>
#include <vector>

// The board's past and future as setups: the board last noted, and the stacks that undo and redo
// walk. A change is noted after each user's action that changed the setup.
class History {
  public:
    // How many changes it keeps for undo.
    static constexpr std::size_t depth = 100;

    // Starts afresh from this board, forgetting every change.
    void restart(Setup now);
    // The board after a user's action: a new step when it differs from the one last noted.
    void note(Setup now);
    // The board to rebuild one change back (or forward), the one last noted kept for the
    // other way; nullopt when there is none. Once rebuilt, arrived() notes it.
    std::optional<Setup> back() { return step(undo_, redo_); }
    std::optional<Setup> forward() { return step(redo_, undo_); }
    void arrived(Setup now);

    bool can_undo() const { return !undo_.empty(); }
    bool can_redo() const { return !redo_.empty(); }
    std::size_t undo_size() const { return undo_.size(); }
    std::size_t redo_size() const { return redo_.size(); }
    // Counts every change of the noted board: a screen shows the setup anew when it moves.
    int changes() const { return changes_; }

  private:
    std::optional<Setup> step(std::vector<Setup>& from, std::vector<Setup>& to);

    Setup noted_;
    std::vector<Setup> undo_;
    std::vector<Setup> redo_;
    int changes_ = 0;
};
