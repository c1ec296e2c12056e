#include "lines_reference.h"

#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"

#include <cmath>
#include <random>
#include <set>
#include <utility>

namespace lines_reference {

ChargeSet charge_set(const std::vector<Charge>& set) {
    ChargeSet charges;
    for (const Charge& c : set) charges.append(c);
    return charges;
}

std::vector<Charge> random_charges(unsigned seed, int n) {
    std::mt19937 gen(seed);
    std::uniform_int_distribution<int> coord(-200, 200);
    std::set<std::pair<int, int>> taken;
    std::vector<Charge> out;
    while (static_cast<int>(out.size()) < n) {
        const int x = coord(gen);
        const int y = coord(gen);
        if (!taken.insert({x, y}).second) continue;
        out.push_back({x, y, (gen() & 1u) != 0 ? 1 : -1});
    }
    return out;
}

void equipotential_family(Canvas& board, const FieldGrids& grids, int step, bool orange,
                          bool blue) {
    if (orange) {
        double level = 0;
        for (int k = 0; k < 12; ++k) {
            draw_equipotential_level(board, grids, level, equipotential_positive);
            level = level + step;
        }
    }
    if (blue) {
        double level = 0;
        for (int k = 0; k < 12; ++k) {
            draw_equipotential_level(board, grids, level, equipotential_negative);
            level = level - step;
        }
    }
}

FieldPassEnd field_pass(Canvas& board, const ChargeSet& charges, int x0, int y0, int d, int cap) {
    int cx = x0;
    int cy = y0;
    int px = x0;
    int py = y0;
    StepRemainders rem;
    board.move_to(column_of_x(x0), row_of_y(y0));
    for (int steps = 1;; ++steps) {
        double ex = 0;
        double ey = 0;
        for (const Charge& c : charges.stored()) {
            if (c.x == cx && c.y == cy) continue;
            const int dx = cx - c.x;
            const int dy = cy - c.y;
            const int s = dx * dx + dy * dy;
            const double r = std::sqrt(static_cast<double>(s));
            const double w = static_cast<double>(d) / s;
            ex = ex + c.sign * w * (dx / r);
            ey = ey + c.sign * w * (dy / r);
        }
        const BoardPoint n = field_step({cx, cy}, ex, ey, rem);
        board.line_to(column_of_x(n.x), row_of_y(n.y));
        bool near = false;
        for (const Charge& c : charges.stored()) {
            if ((c.x - n.x) * (c.x - n.x) + (c.y - n.y) * (c.y - n.y) <= 100) near = true;
        }
        const bool on_border = n.x == -200 || n.x == 200 || n.y == -200 || n.y == 200;
        const bool beyond = n.x < -200 || n.x > 200 || n.y < -200 || n.y > 200;
        if (on_border || (n.x == px && n.y == py) || near || beyond || steps >= cap)
            return {n.x, n.y, steps};
        px = cx;
        py = cy;
        cx = n.x;
        cy = n.y;
    }
}

void field_lines(Canvas& board, const ChargeSet& charges) {
    board.set_pen_color(field_line_colour);
    for (const Charge& c : charges.stored()) {
        for (int j = 1; j <= 10; ++j) {
            const BoardPoint s = field_line_start(c.x, c.y, j);
            field_pass(board, charges, s.x, s.y, c.sign);
        }
    }
}

int differing_pixels(const Canvas& a, const Canvas& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}

} // namespace lines_reference
