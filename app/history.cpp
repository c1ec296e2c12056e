#include "app/history.h"

#include <utility>

void History::restart(Setup now) {
    noted_ = std::move(now);
    undo_.clear();
    redo_.clear();
}

void History::note(Setup now) {
    if (now == noted_) return;
    undo_.push_back(std::move(noted_));
    if (undo_.size() > depth) undo_.erase(undo_.begin());
    redo_.clear();
    noted_ = std::move(now);
    ++changes_;
}

std::optional<Setup> History::step(std::vector<Setup>& from, std::vector<Setup>& to) {
    if (from.empty()) return std::nullopt;
    to.push_back(std::move(noted_));
    Setup target = std::move(from.back());
    from.pop_back();
    return target;
}

void History::arrived(Setup now) {
    noted_ = std::move(now);
    ++changes_;
}
