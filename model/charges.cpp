#include "model/charges.h"

AddResult ChargeSet::add(int column, int row, int sign) {
    if (!on_board(column, row)) return AddResult::off_board;
    if (!append({x_of_column(column), y_of_row(row), sign})) return AddResult::table_full;
    return AddResult::added;
}

bool ChargeSet::remove_near(int column, int row) {
    if (!on_board(column, row)) return false;
    const int x = x_of_column(column);
    const int y = y_of_row(row);
    int kept = 0;
    // Slot kept never passes the slot being read.
    for (int i = 0; i < count_; ++i) {
        const Charge c = slots_[static_cast<std::size_t>(i)];
        if (!within_ten(c, x, y)) slots_[static_cast<std::size_t>(kept++)] = c;
    }
    if (kept == count_) return false;
    count_ = kept;
    return true;
}

int shared_slots(const ChargeSet& a, const ChargeSet& b) {
    const auto [end_a, end_b] =
        std::mismatch(a.stored().begin(), a.stored().end(), b.stored().begin(), b.stored().end());
    return static_cast<int>(end_a - a.stored().begin());
}

ChargeSet first_charges(const ChargeSet& charges, int count) {
    ChargeSet first;
    for (const Charge& c : charges.stored().first(static_cast<std::size_t>(count))) first.append(c);
    return first;
}

ChargeSet dipole_charges() {
    return {{80, 0, 1}, {-80, 0, -1}};
}

ChargeSet quadrupole_charges(int second_pair_sign) {
    return {{80, 80, 1}, {-80, -80, 1}, {80, -80, second_pair_sign}, {-80, 80, second_pair_sign}};
}

ChargeSet capacitor_charges() {
    return {{80, 75, -1}, {80, 45, -1}, {80, 15, -1}, {80, -15, -1}, {80, -45, -1}, {80, -75, -1},
            {-80, 75, 1}, {-80, 45, 1}, {-80, 15, 1}, {-80, -15, 1}, {-80, -45, 1}, {-80, -75, 1}};
}
