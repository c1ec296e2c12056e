#include "reference.h"

#include "model/field.h"
#include "model/ports.h"
#include "render/board.h"
#include "render/colour_map.h"

#include <cmath>
#include <cstddef>

namespace reference {

double potencjal(int q, int w) {
    double sum = 0;
    for (int i = 1; i <= charge_count; ++i) {
        const Charge c = charges[static_cast<std::size_t>(i)];
        if (c.x == q && c.y == w) continue;
        const int d2 = (c.x - q) * (c.x - q) + (c.y - w) * (c.y - w);
        const double r = std::sqrt(static_cast<double>(d2));
        sum = sum + c.znak / r;
    }
    return sum * 1000;
}

double skladowaEx(int q, int w) {
    double sum = 0;
    for (int i = 1; i <= charge_count; ++i) {
        const Charge c = charges[static_cast<std::size_t>(i)];
        if (c.x == q && c.y == w) continue;
        const int d2 = (q - c.x) * (q - c.x) + (w - c.y) * (w - c.y);
        const double r = std::sqrt(static_cast<double>(d2));
        const double dc = (q - c.x) / r;
        const double u = 1.0 / d2;
        sum = sum + c.znak * u * dc;
    }
    return sum * 10000;
}

double skladowaEy(int q, int w) {
    double sum = 0;
    for (int i = 1; i <= charge_count; ++i) {
        const Charge c = charges[static_cast<std::size_t>(i)];
        if (c.x == q && c.y == w) continue;
        const int d2 = (q - c.x) * (q - c.x) + (w - c.y) * (w - c.y);
        const double r = std::sqrt(static_cast<double>(d2));
        const double dc = (w - c.y) / r;
        const double u = 1.0 / d2;
        sum = sum + c.znak * u * dc;
    }
    return sum * 10000;
}

void compute_grids(Grids& out) {
    for (int column = 0; column <= 400; ++column) {
        for (int row = 0; row <= 400; ++row) {
            const int q = x_of_column(column);
            const int w = y_of_row(row);
            out.V[column][row] = potencjal(q, w);
            out.Ex[column][row] = skladowaEx(q, w);
            out.Ey[column][row] = skladowaEy(q, w);
        }
    }
}

namespace {

int Round(double q) {
    return static_cast<int>(std::nearbyint(q));
}

} // namespace

void rysuj_rozklad_pot(Canvas& board) {
    if (charge_count == 0) return;
    window_port().progress_set_position(0);
    window_port().progress_set_max(400);
    const double ePos = maxV / 2 / 255;
    const double eNeg = minV / 2 / 255;
    scratch_bitmap.emplace(401, 401);
    for (int i = 0; i <= 400; ++i) {
        window_port().progress_step();
        for (int j = 0; j <= 400; ++j) {
            const double V = grid_V[i][j];
            if (V < minV || V > maxV) continue;
            if (V > 0) {
                if (maxV / 2 < V)
                    pen_rgb = {255, 255 - Round((V - maxV / 2) / ePos), 0};
                else
                    pen_rgb = {255, 255, 255 - Round(V / ePos)};
            } else if (V < 0) {
                if (minV / 2 <= V)
                    pen_rgb = {255 - Round(V / eNeg), 255, 255};
                else
                    pen_rgb = {0, 255 - Round((V - minV / 2) / eNeg), 255};
            } else {
                pen_rgb = {255, 255, 255};
            }
            scratch_bitmap->set_pixel(i, j, to_rgb(pen_rgb));
        }
    }
    scratch_bitmap->set_pen_color(black);
    scratch_bitmap->move_to(200, 0);
    scratch_bitmap->line_to(200, 401);
    scratch_bitmap->move_to(0, 200);
    scratch_bitmap->line_to(401, 200);
    board.draw(*scratch_bitmap);
    scratch_bitmap.reset();
    for (int i = 1; i <= charge_count; ++i) rysuj_lad(board, i);
    window_port().progress_set_position(0);
}

} // namespace reference
