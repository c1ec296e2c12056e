#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

// One unit point charge in board coordinates (origin at the centre pixel, y upwards).
struct Charge {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t sign = 0; // +1 or -1

    bool operator==(const Charge&) const = default;
};

inline constexpr int max_charges = 14;
inline constexpr int board_size = 401;
inline constexpr int board_centre = 200;

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

// Whether the board point (x, y) lies within 10 of the charge: a marker's reach, where a click
// removes or picks up the charge and a field line ends. A line through a point is refused only
// strictly inside, so it asks without the rim.
constexpr bool within_ten(const Charge& c, long long x, long long y, bool rim_included = true) {
    const long long dx = c.x - x;
    const long long dy = c.y - y;
    return rim_included ? dx * dx + dy * dy <= 100 : dx * dx + dy * dy < 100;
}

// What adding a charge came to.
enum class AddResult { added, off_board, table_full };

// Up to 14 charges in placement order; slot 1 is the first placed.
class ChargeSet {
  public:
    ChargeSet() = default;
    // The charges as given, up to 14.
    ChargeSet(std::initializer_list<Charge> set) {
        for (const Charge& c : set) append(c);
    }

    std::span<const Charge> stored() const {
        return {slots_.data(), static_cast<std::size_t>(count_)};
    }
    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    // Slot 1..count().
    const Charge& slot(int i) const { return slots_[static_cast<std::size_t>(i - 1)]; }

    void clear() { count_ = 0; }
    // Stores the charge as given, on the board or not; false when 14 are stored.
    bool append(const Charge& c) {
        if (count_ >= max_charges) return false;
        slots_[static_cast<std::size_t>(count_++)] = c;
        return true;
    }
    // Appends a charge at the board point of the pixel; a pixel off the board is refused first,
    // then a fifteenth charge.
    AddResult add(int column, int row, int sign);
    // Drops every charge within 10 of the pixel's board point, keeping the others in order.
    bool remove_near(int column, int row);

    bool operator==(const ChargeSet& other) const {
        const std::span<const Charge> a = stored();
        const std::span<const Charge> b = other.stored();
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

  private:
    std::array<Charge, max_charges> slots_{};
    int count_ = 0;
};

// How many slots, from the first, hold the same charges in both sets.
int shared_slots(const ChargeSet& a, const ChargeSet& b);
// The first `count` charges of a set.
ChargeSet first_charges(const ChargeSet& charges, int count);

// The ready-made arrangements, in the order they are placed.
ChargeSet dipole_charges();
// Slots 3 and 4 take the sign given.
ChargeSet quadrupole_charges(int second_pair_sign);
ChargeSet capacitor_charges();
