#include "model/charges.h"

#include "model/ports.h"

#include <initializer_list>

void clear_charges() {
    charges.fill(Charge{});
    charge_count = 0;
}

bool add_charge(int column, int row, int sign) {
    if (!on_board(column, row)) return false;
    if (charge_count >= max_charges) {
        window_port().charge_table_full();
        return false;
    }
    ++charge_count;
    charges[static_cast<std::size_t>(charge_count)] = {x_of_column(column), y_of_row(row), sign};
    return true;
}

bool remove_charges_near(int column, int row) {
    if (!on_board(column, row)) return false;
    const long long px = x_of_column(column);
    const long long py = y_of_row(row);
    int kept = 0;
    // Slot kept never passes the slot being read, and c is a copy.
    for (const Charge c : stored_charges()) {
        const long long dx = c.x - px;
        const long long dy = c.y - py;
        if (dx * dx + dy * dy > 100) charges[static_cast<std::size_t>(++kept)] = c;
    }
    if (kept == charge_count) return false;
    charge_count = kept;
    return true;
}

namespace {

// Clears the set and the board, stores the charges in order, then draws them.
void place(std::initializer_list<Charge> set) {
    clear_charges();
    board_port().start();
    for (const Charge& c : set) charges[static_cast<std::size_t>(++charge_count)] = c;
    for (int i = 1; i <= charge_count; ++i) board_port().rysuj_lad(i);
}

} // namespace

void place_dipole() {
    place({{80, 0, 1}, {-80, 0, -1}});
}

void Kwadrupol(int second_pair_sign) {
    place({{80, 80, 1}, {-80, -80, 1}, {80, -80, second_pair_sign}, {-80, 80, second_pair_sign}});
}

void Kondensator() {
    place({{80, 75, -1},
           {80, 45, -1},
           {80, 15, -1},
           {80, -15, -1},
           {80, -45, -1},
           {80, -75, -1},
           {-80, 75, 1},
           {-80, 45, 1},
           {-80, 15, 1},
           {-80, -15, 1},
           {-80, -45, 1},
           {-80, -75, 1}});
}
