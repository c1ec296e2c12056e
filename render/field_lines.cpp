#include "render/field_lines.h"

#include "model/field.h"
#include "render/board.h"
#include "render/drawing_buffers.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

constexpr int edge = board_centre; // the outermost column and row are at -200 and 200
// Starts this far off the board cannot reach it; the bound keeps the integer arithmetic exact.
constexpr int far_start = 1 << 20;

// One charge as the pass sees it: its sign already multiplied by the direction factor.
struct Source {
    int x = 0;
    int y = 0;
    int sign = 0;
};

struct Field {
    double ex = 0.0;
    double ey = 0.0;
};

// The charges whose terms a pass adds, in slot order: those of a sign other than 0, each with
// that sign as a factor (+1 or -1). When they are all on the board and so is the point, every
// offset is within the table's reach.
struct Terms {
    Source at[max_charges];
    double factor[max_charges];
    int count = 0;
    bool all_on_board = true;
};

// The pass's direction times the inverse-square field of the charges at p, in slot order. A
// signed term sign * (d / s) * (dx / r) is +-field_term(|dx|, |dy|) to the bit: d / s is
// +-1 / s, and multiplying by +-1 or flipping the sign of a quotient rounds nothing. Within the
// table's reach both terms are read from its row |dx|, next to each other: the x term at |dy| and
// the y term field_term(|dy|, |dx|) at |dy| too (FieldTermTable). A charge on the point is left
// out; on the board its terms are the table's zeros, and adding a zero of either sign leaves the
// sums as they are (they start at +0 and can never become -0).
Field field_at(const FieldTermTable& table, const Terms& terms, BoardPoint p) {
    Field f;
    const bool on_board_point =
        p.x >= -board_centre && p.x <= board_centre && p.y >= -board_centre && p.y <= board_centre;
    if (terms.all_on_board && on_board_point) {
        // The table's row |dx| read at dy itself: the x term is the same at -dy, and the y term
        // there is the term with dy's sign, so the factor flips it as the sign of dy did.
        for (int k = 0; k < terms.count; ++k) {
            const Source& c = terms.at[k];
            const int dx = p.x - c.x;
            const int adx = dx < 0 ? -dx : dx;
            const int at = 400 - (p.y - c.y);
            const double s = terms.factor[k];
            f.ex = f.ex + (dx < 0 ? -s : s) * table.ex[adx][at];
            f.ey = f.ey + s * table.ey[adx][at];
        }
        return f;
    }
    for (int k = 0; k < terms.count; ++k) {
        const Source& c = terms.at[k];
        if (c.x == p.x && c.y == p.y) continue;
        const int dx = p.x - c.x;
        const int dy = p.y - c.y;
        const double tx = field_term(std::abs(dx), std::abs(dy));
        const double ty = field_term(std::abs(dy), std::abs(dx));
        f.ex = f.ex + ((c.sign < 0) != (dx < 0) ? -tx : tx);
        f.ey = f.ey + ((c.sign < 0) != (dy < 0) ? -ty : ty);
    }
    return f;
}

} // namespace

BoardPoint field_step(BoardPoint p, double ex, double ey, StepRemainders& rem) {
    if (ex == 0.0) {
        if (ey > 0) ++p.y;
        if (ey < 0) --p.y;
    } else if (std::fabs(ey / ex) < 1) {
        p.x += static_cast<int>(ex / std::fabs(ex));
        const double t = rem.y + ey / std::fabs(ex);
        p.y += static_cast<int>(std::trunc(t));
        rem.y = t - std::trunc(t);
    } else {
        p.y += static_cast<int>(ey / std::fabs(ey));
        const double t = rem.x + ex / std::fabs(ey);
        p.x += static_cast<int>(std::trunc(t));
        rem.x = t - std::trunc(t);
    }
    return p;
}

namespace {

bool on_edge(BoardPoint p) {
    return p.x == -edge || p.x == edge || p.y == -edge || p.y == edge;
}
bool beyond_board(BoardPoint p) {
    return p.x < -edge || p.x > edge || p.y < -edge || p.y > edge;
}

bool near_a_charge(const Source* sources, int count, BoardPoint p) {
    for (int k = 0; k < count; ++k)
        if (within_ten({sources[k].x, sources[k].y, sources[k].sign}, p.x, p.y)) return true;
    return false;
}

// Walks one pass, handing its start to pen.move_to and every step's end to pen.line_to.
template <class Pen>
FieldPassEnd trace_pass(Pen& pen, const ChargeSet& charges, int x0, int y0, int d, int step_cap,
                        const unsigned char* near_pixels = nullptr) {
    if (x0 < -far_start || x0 > far_start || y0 < -far_start || y0 > far_start) return {x0, y0, 0};
    Source sources[max_charges];
    int count = 0;
    Terms terms;
    for (const Charge& c : charges.stored()) {
        sources[count++] = {c.x, c.y, c.sign * d};
        // A zero sign adds nothing to the sums either way.
        if (c.sign == 0) continue;
        terms.at[terms.count] = sources[count - 1];
        terms.factor[terms.count++] = c.sign * d < 0 ? -1.0 : 1.0;
        if (c.x < -board_centre || c.x > board_centre || c.y < -board_centre || c.y > board_centre)
            terms.all_on_board = false;
    }

    const FieldTermTable table = field_term_table();
    BoardPoint current{x0, y0};
    BoardPoint previous = current;
    StepRemainders rem;
    pen.move_to(column_of_x(x0), row_of_y(y0));
    int steps = 0;
    for (;;) {
        const Field f = field_at(table, terms, current);
        const BoardPoint next = field_step(current, f.ex, f.ey, rem);
        pen.line_to(column_of_x(next.x), row_of_y(next.y));
        ++steps;
        const bool near =
            near_pixels && !beyond_board(next)
                ? near_pixels[static_cast<std::size_t>(column_of_x(next.x)) * board_size +
                              static_cast<std::size_t>(row_of_y(next.y))] != 0
                : near_a_charge(sources, count, next);
        // Beyond the board a line can only wander further off or come back to its edge, where
        // it would end without painting anything more; the cap stops a line caught in a loop.
        if (on_edge(next) || next == previous || near || beyond_board(next) || steps >= step_cap)
            return {next.x, next.y, steps};
        previous = current;
        current = next;
    }
}

// Sets (1) or clears (0) the board pixels within 10 of the charges, as within_ten finds them.
void mark_near(std::array<unsigned char, static_cast<std::size_t>(board_size) * board_size>& near,
               std::span<const Charge> charges, unsigned char value) {
    for (const Charge& c : charges) {
        // A charge further off the board has no pixel of the board within 10.
        if (c.x < -edge - 10 || c.x > edge + 10 || c.y < -edge - 10 || c.y > edge + 10) continue;
        for (int x = c.x - 10; x <= c.x + 10; ++x)
            for (int y = c.y - 10; y <= c.y + 10; ++y) {
                const BoardPoint p{x, y};
                if (beyond_board(p) || !within_ten(c, x, y)) continue;
                near[static_cast<std::size_t>(column_of_x(x)) * board_size +
                     static_cast<std::size_t>(row_of_y(y))] = value;
            }
    }
}

// A pass's pixel points as the board would be given them: the start first, then each step's end.
struct PassRecorder {
    std::vector<BoardPoint>& points;
    void move_to(int x, int y) { points.push_back({x, y}); }
    void line_to(int x, int y) { points.push_back({x, y}); }
};

} // namespace

FieldPassEnd trace_field_pass(Canvas& board, const ChargeSet& charges, int x0, int y0, int d,
                              int step_cap) {
    return trace_pass(board, charges, x0, y0, d, step_cap);
}

void draw_field_line_through(Canvas& board, const ChargeSet& charges, int x, int y) {
    board.set_pen_color(field_line_colour);
    trace_field_pass(board, charges, x, y, +1);
    trace_field_pass(board, charges, x, y, -1);
}

// Round(10 cos a) and Round(10 sin a) for a = j * 2 pi / 10 + 10 degrees, j = 1..10: a table
// rather than the formula, so every C library starts the lines on the same pixels.
constexpr BoardPoint field_line_start_offsets[10] = {
    {7, 7}, {1, 10}, {-5, 9}, {-9, 4}, {-10, -2}, {-7, -7}, {-1, -10}, {5, -9}, {9, -4}, {10, 2}};

BoardPoint field_line_start(int x, int y, int j) {
    const BoardPoint d = field_line_start_offsets[j - 1];
    return {x + d.x, y + d.y};
}

void draw_field_line_family(Canvas& board, const ChargeSet& charges, DrawingBuffers& buffers) {
    board.set_brush_color(white);
    board.set_pen_color(field_line_colour);
    // The passes read only the charges, so they are traced in parallel, one charge's ten lines a
    // part; all are in one colour, and drawing them afterwards in slot and line order leaves the
    // pixels and the pen where drawing them one by one does.
    const std::span<const Charge> stored = charges.stored();
    auto& passes = buffers.passes;
    auto& near = buffers.near;
    auto trace = [stored, &charges, &passes, &near](int slot) {
        const Charge& c = stored[static_cast<std::size_t>(slot)];
        for (int j = 1; j <= 10; ++j) {
            std::vector<BoardPoint>& points =
                passes[static_cast<std::size_t>(slot) * 10 + static_cast<std::size_t>(j - 1)];
            points.clear();
            PassRecorder pen{points};
            const BoardPoint s = field_line_start(c.x, c.y, j);
            trace_pass(pen, charges, s.x, s.y, c.sign, field_pass_step_cap, near.data());
        }
    };
    mark_near(near, stored, 1);
    if (part_threads() == 1) {
        // One thread (the page): the passes are drawn as they are traced, in the same order.
        for (const Charge& c : stored)
            for (int j = 1; j <= 10; ++j) {
                const BoardPoint s = field_line_start(c.x, c.y, j);
                trace_pass(board, charges, s.x, s.y, c.sign, field_pass_step_cap, near.data());
            }
        mark_near(near, stored, 0);
        return;
    }
    run_parts(static_cast<int>(stored.size()), trace);
    mark_near(near, stored, 0);
    for (std::size_t pass = 0; pass < stored.size() * 10; ++pass) {
        const std::vector<BoardPoint>& points = passes[pass];
        if (points.empty()) continue; // a start far off the board draws nothing
        board.move_to(points.front().x, points.front().y);
        for (std::size_t k = 1; k < points.size(); ++k) board.line_to(points[k].x, points[k].y);
    }
}
