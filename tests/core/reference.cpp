#include "reference.h"

#include "model/field.h"
#include "render/board.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace reference {

double potential_at(const ChargeSet& charges, int q, int w) {
    double sum = 0;
    for (const Charge c : charges.stored()) {
        if (c.x == q && c.y == w) continue;
        const int d2 = (c.x - q) * (c.x - q) + (c.y - w) * (c.y - w);
        const double r = std::sqrt(static_cast<double>(d2));
        sum = sum + c.sign / r;
    }
    return sum * 1000;
}

double field_x_at(const ChargeSet& charges, int q, int w) {
    double sum = 0;
    for (const Charge c : charges.stored()) {
        if (c.x == q && c.y == w) continue;
        const int d2 = (q - c.x) * (q - c.x) + (w - c.y) * (w - c.y);
        const double r = std::sqrt(static_cast<double>(d2));
        const double dc = (q - c.x) / r;
        const double u = 1.0 / d2;
        sum = sum + c.sign * u * dc;
    }
    return sum * 10000;
}

double field_y_at(const ChargeSet& charges, int q, int w) {
    double sum = 0;
    for (const Charge c : charges.stored()) {
        if (c.x == q && c.y == w) continue;
        const int d2 = (q - c.x) * (q - c.x) + (w - c.y) * (w - c.y);
        const double r = std::sqrt(static_cast<double>(d2));
        const double dc = (w - c.y) / r;
        const double u = 1.0 / d2;
        sum = sum + c.sign * u * dc;
    }
    return sum * 10000;
}

void compute_grids(const ChargeSet& charges, Grids& out) {
    for (int column = 0; column <= 400; ++column) {
        for (int row = 0; row <= 400; ++row) {
            const int q = x_of_column(column);
            const int w = y_of_row(row);
            out.V[column][row] = reference::potential_at(charges, q, w);
            out.Ex[column][row] = reference::field_x_at(charges, q, w);
            out.Ey[column][row] = reference::field_y_at(charges, q, w);
        }
    }
}

namespace {

int Round(double q) {
    return static_cast<int>(std::nearbyint(q));
}

} // namespace

void paint_colour_map(Canvas& board, const FieldGrids& grids, const ChargeSet& charges,
                      PenRgb& pen) {
    if (charges.count() == 0) return;
    const double minV = grids.range.min;
    const double maxV = grids.range.max;
    const double ePos = maxV / 2 / 255;
    const double eNeg = minV / 2 / 255;
    Canvas map(401, 401);
    for (int i = 0; i <= 400; ++i) {
        for (int j = 0; j <= 400; ++j) {
            const double V = grids.v()[i][j];
            if (V < minV || V > maxV) continue;
            if (V > 0) {
                if (maxV / 2 < V)
                    pen = {255, 255 - Round((V - maxV / 2) / ePos), 0};
                else
                    pen = {255, 255, 255 - Round(V / ePos)};
            } else if (V < 0) {
                if (minV / 2 <= V)
                    pen = {255 - Round(V / eNeg), 255, 255};
                else
                    pen = {0, 255 - Round((V - minV / 2) / eNeg), 255};
            } else {
                pen = {255, 255, 255};
            }
            map.set_pixel(i, j, to_rgb(pen));
        }
    }
    map.set_pen_color(black);
    map.move_to(200, 0);
    map.line_to(200, 401);
    map.move_to(0, 200);
    map.line_to(401, 200);
    board.draw(map);
    for (const Charge& c : charges.stored()) draw_charge_marker(board, c);
}

ColourRange colour_range(const FieldGrids& grids, const ChargeSet& charges) {
    double lo = grids.v()[0][0];
    double hi = lo;
    for (const Charge& c : charges.stored()) {
        const int column = c.x + 200;
        const int row = 200 - c.y;
        const int samples[4][2] = {
            {column, row - 9}, {column - 9, row}, {column, row + 9}, {column + 9, row}};
        for (const auto& [sc, sr] : samples) {
            if (sc < 0 || sc > 400 || sr < 0 || sr > 400) continue;
            lo = std::min(lo, grids.v()[sc][sr]);
            hi = std::max(hi, grids.v()[sc][sr]);
        }
    }
    return {std::min(lo, 0.0), std::max(hi, 0.0)};
}

} // namespace reference
