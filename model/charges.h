#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// One unit point charge in board coordinates (origin at the centre pixel, y upwards).
struct Charge {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t znak = 0; // +1, -1, or 0 in a cleared slot
};

inline constexpr int max_charges = 14;
inline constexpr int board_size = 401;
inline constexpr int board_centre = 200;

// Slots 1..max_charges; element 0 is never used so slot numbers index the table directly.
inline std::array<Charge, max_charges + 1> charges{};
// Slots 1..charge_count hold the charges in placement order.
inline int charge_count = 0;

// The stored charges: slots 1..charge_count in slot order.
inline std::span<const Charge> stored_charges() {
    return {charges.data() + 1, static_cast<std::size_t>(std::clamp(charge_count, 0, max_charges))};
}

// Pixel columns and rows (0..400 from the top-left) against board coordinates (-200..200, origin
// at the centre pixel, y upwards).
constexpr int x_of_column(int column) {
    return column - board_centre;
}
constexpr int y_of_row(int row) {
    return board_centre - row;
}
constexpr int column_of_x(int x) {
    return x + board_centre;
}
constexpr int row_of_y(int y) {
    return board_centre - y;
}
constexpr bool on_board(int column, int row) {
    return column >= 0 && column < board_size && row >= 0 && row < board_size;
}

void clear_charges();
// Appends a charge at the board point of the pixel; refuses, asking the window port to say that
// the table is full, when 14 are stored. A pixel off the board is refused silently, as by every
// operation here.
bool add_charge(int column, int row, int sign);
// Drops every charge within 10 units of the pixel's board point, keeping the others in order.
bool remove_charges_near(int column, int row);
void place_dipole();
// Slots 3 and 4 take the sign given: the window passes its tool mode.
void Kwadrupol(int second_pair_sign);
void Kondensator();
