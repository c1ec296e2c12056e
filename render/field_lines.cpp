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

bool on_edge(BoardPoint p) {
    return p.x == -edge || p.x == edge || p.y == -edge || p.y == edge;
}
bool beyond_board(BoardPoint p) {
    return p.x < -edge || p.x > edge || p.y < -edge || p.y > edge;
}

// The field's sums of a family's first charges at every board pixel (none: `summed` is 0); they
// must be unit charges on the board, and so terms of their own.
struct KeptSums {
    const TermPair* cells = nullptr;
    int summed = 0;
};

// The charges whose terms a pass adds, in slot order: those of a sign other than 0, each with
// that sign as a factor (+1 or -1). When they are all on the board and so is the point, every
// offset is within the table's reach.
struct Terms {
    Source at[max_charges];
    double factor[max_charges];
    int count = 0;
    bool all_on_board = true;
    // The sums of the first kept.summed terms for a pass along the field (fill_unscaled_field),
    // which the table's sums start from; a pass against the field starts from their negations.
    KeptSums kept;
    bool against = false;
};

// What the table's sums at a board point start from: +0, or the kept sums. 0 - s is -s to the
// bit and leaves +0 as it is, so a pass against the field starts where its own sums would be.
Field sums_start(const Terms& terms, BoardPoint p) {
    if (terms.kept.summed == 0) return {};
    const TermPair& s = terms.kept.cells[static_cast<std::size_t>(column_of_x(p.x)) * board_size +
                                         static_cast<std::size_t>(row_of_y(p.y))];
    return terms.against ? Field{0.0 - s.ex, 0.0 - s.ey} : Field{s.ex, s.ey};
}

// The table's sums at points on the board, all of them at once: each sum is independent of the
// others, so the processor adds them all while it would wait on one. The table's row |dx| is read
// at dy itself: the x term is the same at -dy, and the y term there is the term with dy's sign,
// so the factor flips it as the sign of dy did.
template <int points>
void table_sums(const FieldTermTable& table, const Terms& terms, const BoardPoint* at, Field* f) {
    Field sums[points];
    for (int i = 0; i < points; ++i) sums[i] = sums_start(terms, at[i]);
    for (int k = terms.kept.summed; k < terms.count; ++k) {
        const Source& c = terms.at[k];
        const double s = terms.factor[k];
        for (int i = 0; i < points; ++i) {
            const int dx = at[i].x - c.x;
            const TermPair& t = table.terms[dx < 0 ? -dx : dx][400 - (at[i].y - c.y)];
            sums[i].ex = sums[i].ex + (dx < 0 ? -s : s) * t.ex;
            sums[i].ey = sums[i].ey + s * t.ey;
        }
    }
    for (int i = 0; i < points; ++i) f[i] = sums[i];
}

// The pass's direction times the inverse-square field of the charges at p, in slot order. A
// signed term sign * (d / s) * (dx / r) is +-field_term(|dx|, |dy|) to the bit: d / s is
// +-1 / s, and multiplying by +-1 or flipping the sign of a quotient rounds nothing. Within the
// table's reach both terms are read from its row |dx|, next to each other: the x term at |dy| and
// the y term field_term(|dy|, |dx|) at |dy| too (FieldTermTable). A charge on the point is left
// out; on the board its terms are the table's zeros, and adding a zero of either sign leaves the
// sums as they are (they start at +0 and can never become -0).
Field field_at(const FieldTermTable& table, const Terms& terms, BoardPoint p) {
    Field f;
    if (terms.all_on_board && !beyond_board(p)) {
        table_sums<1>(table, terms, &p, &f);
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

bool near_a_charge(const Source* sources, int count, BoardPoint p) {
    for (int k = 0; k < count; ++k)
        if (within_ten({sources[k].x, sources[k].y, sources[k].sign}, p.x, p.y)) return true;
    return false;
}

// The field at several points at once, each sum in slot order as field_at adds it.
template <int points>
void field_at_each(const FieldTermTable& table, const Terms& terms, const BoardPoint* at,
                   Field* f) {
    bool all_on_board = terms.all_on_board;
    for (int i = 0; i < points; ++i) all_on_board = all_on_board && !beyond_board(at[i]);
    if (!all_on_board) {
        for (int i = 0; i < points; ++i) f[i] = field_at(table, terms, at[i]);
        return;
    }
    table_sums<points>(table, terms, at, f);
}

// Where one pass has got to.
struct PassState {
    BoardPoint current;
    BoardPoint previous;
    StepRemainders rem;
    int steps = 0;
};

// What the passes of one direction read: the charges as sources and as terms, the table, the
// pixels near a charge (or none: each step asks the charges), the cap and the sums kept.
class PassWalker {
  public:
    PassWalker(const ChargeSet& charges, int d, int step_cap, const unsigned char* near_pixels,
               KeptSums kept = {})
        : table_(field_term_table()), near_pixels_(near_pixels), step_cap_(step_cap) {
        for (const Charge& c : charges.stored()) {
            sources_[count_++] = {c.x, c.y, c.sign * d};
            // A zero sign adds nothing to the sums either way.
            if (c.sign == 0) continue;
            terms_.at[terms_.count] = sources_[count_ - 1];
            terms_.factor[terms_.count++] = c.sign * d < 0 ? -1.0 : 1.0;
            if (beyond_board({c.x, c.y})) terms_.all_on_board = false;
        }
        // With d = 0 every factor is +1, which no kept sums are of.
        if (kept.summed > 0 && d != 0) {
            terms_.kept = kept;
            terms_.against = d < 0;
        }
    }

    // Starts a pass at p, handing it to pen.move_to; false for a start so far off the board that
    // it cannot reach it, which draws nothing.
    template <class Pen> bool start(Pen& pen, PassState& s, BoardPoint p) const {
        if (p.x < -far_start || p.x > far_start || p.y < -far_start || p.y > far_start)
            return false;
        s = {p, p, {}, 0};
        pen.move_to(column_of_x(p.x), row_of_y(p.y));
        return true;
    }

    Field field(BoardPoint p) const { return field_at(table_, terms_, p); }
    // The field at the first `count` (1 to walked_together) of the points.
    void fields(const BoardPoint* at, int count, Field* f) const {
        switch (count) {
        case 4:
            field_at_each<4>(table_, terms_, at, f);
            break;
        case 3:
            field_at_each<3>(table_, terms_, at, f);
            break;
        case 2:
            field_at_each<2>(table_, terms_, at, f);
            break;
        default:
            f[0] = field(at[0]);
        }
    }

    // One step in the field f, handed to pen.line_to; true when the pass ends there.
    template <class Pen> bool step(Pen& pen, PassState& s, Field f) const {
        const BoardPoint next = field_step(s.current, f.ex, f.ey, s.rem);
        pen.line_to(column_of_x(next.x), row_of_y(next.y));
        ++s.steps;
        const bool near =
            near_pixels_ && !beyond_board(next)
                ? near_pixels_[static_cast<std::size_t>(column_of_x(next.x)) * board_size +
                               static_cast<std::size_t>(row_of_y(next.y))] != 0
                : near_a_charge(sources_, count_, next);
        // Beyond the board a line can only wander further off or come back to its edge, where
        // it would end without painting anything more; the cap stops a line caught in a loop.
        if (on_edge(next) || next == s.previous || near || beyond_board(next) ||
            s.steps >= step_cap_) {
            s.current = next;
            return true;
        }
        s.previous = s.current;
        s.current = next;
        return false;
    }

  private:
    Source sources_[max_charges];
    int count_ = 0;
    Terms terms_;
    FieldTermTable table_;
    const unsigned char* near_pixels_;
    int step_cap_;
};

// Walks one pass, handing its start to pen.move_to and every step's end to pen.line_to.
template <class Pen>
FieldPassEnd trace_pass(Pen& pen, const ChargeSet& charges, int x0, int y0, int d, int step_cap) {
    const PassWalker walker(charges, d, step_cap, nullptr);
    PassState s;
    if (!walker.start(pen, s, {x0, y0})) return {x0, y0, 0};
    while (!walker.step(pen, s, walker.field(s.current))) {
    }
    return {s.current.x, s.current.y, s.steps};
}

// Passes walked side by side: as many sums as the processor keeps going at once.
constexpr int walked_together = 4;

// Walks passes of one direction side by side, each step of each as trace_pass takes it, each
// handing its points to its own pen (pen_of(pass)); a walk whose pass ends takes the next pass
// waiting.
template <class PenOf>
void trace_passes(const PassWalker& walker, PenOf pen_of, std::span<const BoardPoint> starts) {
    struct Walk {
        PassState state;
        std::size_t pass = 0;
    };
    Walk walks[walked_together];
    int going = 0;
    std::size_t next = 0;
    const auto take_waiting = [&] {
        for (; going < walked_together && next < starts.size(); ++next) {
            walks[going].pass = next;
            auto pen = pen_of(next);
            if (walker.start(pen, walks[going].state, starts[next])) ++going;
        }
    };
    take_waiting();
    while (going > 0) {
        BoardPoint at[walked_together];
        Field f[walked_together];
        for (int i = 0; i < going; ++i) at[i] = walks[i].state.current;
        walker.fields(at, going, f);
        for (int i = 0; i < going;) {
            auto pen = pen_of(walks[i].pass);
            if (!walker.step(pen, walks[i].state, f[i])) {
                ++i;
                continue;
            }
            // The last walk, not yet stepped, takes the ended one's place with its field.
            --going;
            walks[i] = walks[going];
            f[i] = f[going];
        }
        take_waiting();
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

namespace {

// The kept sums a family's steps start from: those kept when the family starts with their
// charges, unless it shares more with the family before it; then the sums of those (at most all
// but one, as a drag moves one) are filled and kept.
KeptSums line_sums_for(const ChargeSet& charges, KeptLineSums& kept) {
    int shared = shared_slots(kept.last_family, charges);
    kept.last_family = charges;
    if (shared == charges.count()) shared = 0;
    const int known = kept.of.count();
    if (known > 0 && known >= shared && shared_slots(kept.of, charges) == known)
        return {kept.cells.data(), known};
    if (shared == 0) return {};
    const ChargeSet first = first_charges(charges, shared);
    kept.cells.resize(cells_of_board);
    if (!fill_unscaled_field(first, std::span<TermPair, cells_of_board>(kept.cells))) {
        kept.of.clear();
        return {};
    }
    kept.of = first;
    return {kept.cells.data(), shared};
}

} // namespace

void trace_field_line_family(const ChargeSet& charges, DrawingBuffers& buffers) {
    // The passes read only the charges, so they are traced in parallel, one charge's ten lines a
    // part, several side by side.
    const std::span<const Charge> stored = charges.stored();
    auto& passes = buffers.passes;
    auto& near = buffers.near;
    const KeptSums kept = line_sums_for(charges, buffers.line_sums);
    auto trace = [stored, &charges, &passes, &near, kept](int slot) {
        const Charge& c = stored[static_cast<std::size_t>(slot)];
        const PassWalker walker(charges, c.sign, field_pass_step_cap, near.data(), kept);
        const std::size_t first = static_cast<std::size_t>(slot) * 10;
        std::array<BoardPoint, 10> starts;
        for (int j = 1; j <= 10; ++j) {
            starts[static_cast<std::size_t>(j - 1)] = field_line_start(c.x, c.y, j);
            passes[first + static_cast<std::size_t>(j - 1)].clear();
        }
        const auto pen_of = [&passes, first](std::size_t pass) {
            return PassRecorder{passes[first + pass]};
        };
        trace_passes(walker, pen_of, std::span<const BoardPoint>(starts));
    };
    mark_near(near, stored, 1);
    run_parts(static_cast<int>(stored.size()), trace);
    mark_near(near, stored, 0);
}

void draw_traced_field_lines(Canvas& board, const ChargeSet& charges,
                             const DrawingBuffers& buffers) {
    board.set_brush_color(white);
    board.set_pen_color(field_line_colour);
    // All in one colour: drawn in slot and line order, they leave the pixels and the pen where
    // drawing each as it is traced does.
    for (std::size_t pass = 0; pass < charges.stored().size() * 10; ++pass) {
        const std::vector<BoardPoint>& points = buffers.passes[pass];
        if (points.empty()) continue; // a start far off the board draws nothing
        board.move_to(points.front().x, points.front().y);
        for (std::size_t k = 1; k < points.size(); ++k) board.line_to(points[k].x, points[k].y);
    }
}

void draw_field_line_family(Canvas& board, const ChargeSet& charges, DrawingBuffers& buffers) {
    trace_field_line_family(charges, buffers);
    draw_traced_field_lines(board, charges, buffers);
}
