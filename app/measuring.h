#pragma once

#include "model/charges.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Measuring points: up to eight probes, lettered A to H, that stay where they are put on the
// board and read the field there. They belong to the board (its setup carries them), but never
// to its pictures: they are drawn over the board as the keyboard cursor is.

inline constexpr int max_measuring_points = 8;

// A point's letter, 'A'..'H', from its index 0..7 and back.
constexpr char point_letter(int index) {
    return static_cast<char>('A' + index);
}
constexpr int point_index(char letter) {
    return letter - 'A';
}

// A placed point in board coordinates (origin at the centre, y up).
struct MeasuringPoint {
    int x = 0;
    int y = 0;
    bool operator==(const MeasuringPoint&) const = default;
};

// The eight places, each empty or holding its point; a new point takes the first free letter.
class MeasuringPoints {
  public:
    const std::optional<MeasuringPoint>& at(int index) const { return points_[index]; }
    std::optional<MeasuringPoint>& at(int index) { return points_[index]; }
    int count() const;
    bool empty() const { return count() == 0; }
    // The index of the letter a new point takes, or none when all eight are placed.
    std::optional<int> first_free() const;
    // The point whose mark lies under the board point (the last letter of any that overlap).
    std::optional<int> under(int x, int y) const;
    void clear() { points_ = {}; }
    bool operator==(const MeasuringPoints&) const = default;

  private:
    std::array<std::optional<MeasuringPoint>, max_measuring_points> points_{};
};

// How far from its point a press still takes the point's mark: the mark's half width.
inline constexpr int point_mark_reach = 5;

// What the field is at a point, with the model's own functions: the potential and the components
// as the grids and the readout have them, the strength and the direction of the field.
struct PointValues {
    int x = 0;
    int y = 0;
    // False on a charge, where neither the potential nor the field is defined.
    bool defined = false;
    double v = 0.0;
    double ex = 0.0;
    double ey = 0.0;
    double strength = 0.0;
    // Degrees anticlockwise from the x axis, in [0, 360); none where the field is zero.
    std::optional<double> direction;
};
PointValues point_values(const ChargeSet& charges, int x, int y);

// Two points compared: the difference V(second) - V(first), their distance in pixels, the mean
// field along the segment (-dV over the distance in tens of pixels, the readout's field unit) and
// the field's component along the segment at its midpoint, from the first point towards the
// second.
struct PairValues {
    bool defined = false; // both points placed, apart, and off every charge; midpoint too
    double difference = 0.0;
    double distance = 0.0;
    double mean_field = 0.0;
    double midpoint_component = 0.0;
};
PairValues pair_values(const ChargeSet& charges, const MeasuringPoint& first,
                       const MeasuringPoint& second);

// One recorded measurement: the point's letter and values, and its distance from the reference
// (the origin, or a charge by its number 1..14) as it was when recorded.
struct RecordedMeasurement {
    char letter = 'A';
    PointValues values;
    double distance = 0.0;
    int reference = 0; // 0 for the origin, n for the nth charge
};

// How many decimals each kind of value is shown and copied with: a lab sheet wants differences
// of nearby potentials and of weak fields, so finer than the readout's two decimals.
inline constexpr int potential_decimals = 3;
inline constexpr int field_decimals = 4;
inline constexpr int distance_decimals = 2;
inline constexpr int angle_decimals = 1;

// A value rounded half away from zero to so many decimals, with the decimal mark given and "-"
// before a negative value; never "-0".
std::string format_decimal(double value, int decimals, std::string_view mark);
