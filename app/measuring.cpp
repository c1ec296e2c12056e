#include "app/measuring.h"

#include "app/readout.h"
#include "model/field.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>

int MeasuringPoints::count() const {
    int n = 0;
    for (const auto& point : points_) n += point ? 1 : 0;
    return n;
}

std::optional<int> MeasuringPoints::first_free() const {
    for (int i = 0; i < max_measuring_points; ++i)
        if (!points_[i]) return i;
    return std::nullopt;
}

std::optional<int> MeasuringPoints::under(int x, int y) const {
    for (int i = max_measuring_points - 1; i >= 0; --i) {
        const auto& point = points_[i];
        if (point && std::abs(point->x - x) <= point_mark_reach &&
            std::abs(point->y - y) <= point_mark_reach)
            return i;
    }
    return std::nullopt;
}

namespace {

bool on_a_charge(const ChargeSet& charges, int x, int y) {
    for (const Charge& c : charges.stored())
        if (c.x == x && c.y == y) return true;
    return false;
}

} // namespace

PointValues point_values(const ChargeSet& charges, int x, int y) {
    PointValues values;
    values.x = x;
    values.y = y;
    if (on_a_charge(charges, x, y)) return values;
    values.defined = true;
    values.v = potential_at(charges, x, y);
    values.ex = field_x_at(charges, x, y);
    values.ey = field_y_at(charges, x, y);
    values.strength = std::sqrt(values.ex * values.ex + values.ey * values.ey);
    if (values.strength > 0) {
        double degrees = std::atan2(values.ey, values.ex) * (180.0 / 3.14159265358979323846);
        if (degrees < 0) degrees += 360.0;
        // A direction a hair below the axis rounds up to 360, which is the same as 0.
        values.direction = degrees >= 360.0 ? 0.0 : degrees;
    }
    return values;
}

PairValues pair_values(const ChargeSet& charges, const MeasuringPoint& first,
                       const MeasuringPoint& second) {
    PairValues pair;
    const PointValues a = point_values(charges, first.x, first.y);
    const PointValues b = point_values(charges, second.x, second.y);
    const double dx = static_cast<double>(second.x) - first.x;
    const double dy = static_cast<double>(second.y) - first.y;
    const auto midpoint = field_at_midpoint(charges, first.x, first.y, second.x, second.y);
    if (!a.defined || !b.defined || !midpoint || (dx == 0 && dy == 0)) return pair;
    pair.defined = true;
    pair.difference = b.v - a.v;
    pair.distance = std::sqrt(dx * dx + dy * dy);
    // The readout's field is 10000 / r^2 against a potential of 1000 / r: ten times the slope of
    // the potential per pixel, so the mean field in the readout's units takes the distance in
    // tens of pixels, and a uniform field gives the same number both ways.
    pair.mean_field = -pair.difference / (pair.distance / 10.0);
    pair.midpoint_component = ((*midpoint)[0] * dx + (*midpoint)[1] * dy) / pair.distance;
    return pair;
}

std::string format_decimal(double value, int decimals, std::string_view mark) {
    const std::string text = fixed_digits(std::fabs(value), decimals, mark);
    bool zero = true;
    for (const char c : text) zero = zero && (c == '0' || mark.find(c) != std::string_view::npos);
    if (value >= 0 || zero) return text;
    // Appended piece by piece, which GCC 12 does not mistake for an overlapping copy.
    std::string negative = "-";
    negative += text;
    return negative;
}
