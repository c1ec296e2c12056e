#include "render/equipotentials.h"

#include "model/charges.h"
#include "model/rounding.h"
#include "render/board.h"
#include "render/drawing_buffers.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// The last column and row whose samples start a pair: pairs reach column and row 399 at most,
// so the last column and row of the board are neither read nor drawn.
constexpr int last_base = board_size - 3;

constexpr PenRgb orange_pen = to_pen(equipotential_positive);
constexpr PenRgb blue_pen = to_pen(equipotential_negative);

bool lies_between(double x, double y, double v) {
    return (x <= v && v <= y) || (y <= v && v <= x);
}

// 0 for the base pixel, 1 for its neighbour: the fraction of the way from the base sample to the
// level, rounded with halves to even. When both samples equal the level the base one is on it.
int level_offset(double base, double other, double v) {
    const double span = std::fabs(other - base);
    if (span == 0.0) return 0;
    return round_half_even(std::fabs(v - base) / span);
}

// Levels of the automatic family are j * step with j in -11..11; pixels of negative levels are
// drawn after those of positive ones and win where both fall.
enum Mark : unsigned char { unmarked = 0, marked_orange = 1, marked_blue = 2 };

struct Family {
    int step = 0;
    bool orange = false; // the pass over 0, step, ..., 11 step
    bool blue = false;   // the pass over 0, -step, ..., -11 step
};

// The family's pairs are marked in runs of base columns, one run per part. A horizontal pair at
// the run's last column may mark the next run's first column, so those marks go to the run's
// own edge and are merged by max, which does not depend on the order, after all runs are done.
constexpr int mark_runs = DrawingBuffers::mark_runs;

struct MarkTarget {
    unsigned char* marks;
    int edge_column; // the first column after the run
    unsigned char* edge;
};

void mark(const MarkTarget& target, int column, int row, unsigned char m) {
    unsigned char& cell = column == target.edge_column
                              ? target.edge[row]
                              : target.marks[static_cast<std::size_t>(column) * board_size + row];
    cell = std::max(cell, m);
}

// Marks the family's pixels for one pair of samples, visiting exactly the levels that the
// level-by-level scan would plot from it.
void mark_pair(const Family& f, const MarkTarget& target, double inv_step, double base,
               double other, int column, int row, int dc, int dr) {
    const double lo = std::min(base, other);
    const double hi = std::max(base, other);
    double j_first = f.blue ? -11.0 : 0.0;
    double j_last = f.orange ? 11.0 : 0.0;
    if (f.step != 0) {
        // The products stray from lo / step and hi / step by far less than one, so floor and
        // ceil still bracket every level inside; the exact test below decides membership.
        j_first = std::max(j_first, std::floor(lo * inv_step));
        j_last = std::min(j_last, std::ceil(hi * inv_step));
    } else {
        j_first = j_last = 0.0;
    }
    for (int j = static_cast<int>(j_first); j <= static_cast<int>(j_last); ++j) {
        const double v = static_cast<double>(j) * f.step;
        if (!lies_between(base, other, v)) continue;
        const int k = level_offset(base, other, v);
        const Mark m = (j < 0 || (j == 0 && f.blue)) ? marked_blue : marked_orange;
        mark(target, column + k * dc, row + k * dr, static_cast<unsigned char>(m));
    }
}

// A sample's place among the levels j * step (step > 0), as a key that two samples share, even,
// only when no level lies between them: then their pair marks nothing and is skipped, and any other
// pair is marked as before. With w = v / step + 32 in units of 2^-20, as the product below gives it
// (scaled_inv_step is 2^20 / step, the scaling exact), the key is twice the whole part a of w plus
// 1 (odd: ask) unless the fraction is 2 to 2^20 - 2 units; the product strays from the true w by
// less than 1e-12 * 2^20 units within the range looked at, so an even key leaves v strictly
// between the levels a - 32 and a - 31. Beyond 12 levels either way (the family's reach is 11)
// the samples of each side share one even key; a sample that is not a number gets the odd key 1.
// Whole numbers and no branches, so that a column's keys are taken several at once.
constexpr int key_bits = 20;
constexpr double key_unit = 1 << key_bits;

int level_key(double v, double scaled_inv_step) {
    const double w = v * scaled_inv_step + 32.0 * key_unit;
    double held = w < 20.0 * key_unit ? 19.5 * key_unit : w;
    held = held >= 44.0 * key_unit ? 44.5 * key_unit : held;
    held = w == w ? held : 0.0;
    const int fixed = static_cast<int>(held); // positive, so truncated is the floor
    const int fraction = fixed & ((1 << key_bits) - 1);
    return 2 * (fixed >> key_bits) + (fraction >= 2 && fraction <= (1 << key_bits) - 2 ? 0 : 1);
}

void level_keys(const double* samples, double scaled_inv_step, int* keys) {
    for (int row = 0; row <= last_base + 1; ++row)
        keys[row] = level_key(samples[row], scaled_inv_step);
}

// A pair whose samples have even keys, different ones: the levels between them are those from the
// first above the lower sample to the last below the higher one, none on either sample, and the
// pair marks those of the family as mark_pair would, without looking for them.
void mark_crossing(const Family& f, const MarkTarget& target, double base, double other,
                   int base_key, int other_key, int column, int row, int dc, int dr) {
    const int low = std::min(base_key, other_key) / 2;
    const int high = std::max(base_key, other_key) / 2;
    const int j_first = std::max(low - 31, f.blue ? -11 : 0);
    const int j_last = std::min(high - 32, f.orange ? 11 : 0);
    for (int j = j_first; j <= j_last; ++j) {
        const double v = static_cast<double>(j) * f.step;
        const int k = level_offset(base, other, v);
        const Mark m = (j < 0 || (j == 0 && f.blue)) ? marked_blue : marked_orange;
        mark(target, column + k * dc, row + k * dr, static_cast<unsigned char>(m));
    }
}

// Rows whose pairs are looked at together for a level between them.
constexpr int quiet_rows = 8;

// Clears and marks the base columns of one run; the last run also clears the two columns that
// no pair starts from.
void mark_run(const FieldGrids& grids, DrawingBuffers& buffers, const Family& f, double inv_step,
              int run) {
    auto& marks = buffers.marks;
    auto& run_edges = buffers.run_edges;
    const int first = run * (last_base + 1) / mark_runs;
    const int end = (run + 1) * (last_base + 1) / mark_runs;
    const int cleared_end = run == mark_runs - 1 ? board_size : end;
    std::fill(marks.begin() + static_cast<std::ptrdiff_t>(first) * board_size,
              marks.begin() + static_cast<std::ptrdiff_t>(cleared_end) * board_size, unmarked);
    run_edges[static_cast<std::size_t>(run)].fill(unmarked);
    const MarkTarget target{marks.data(), end, run_edges[static_cast<std::size_t>(run)].data()};
    if (f.step == 0) {
        for (int column = first; column < end; ++column) {
            const double* here = grids.v()[column];
            const double* right = grids.v()[column + 1];
            for (int row = 0; row <= last_base; ++row) {
                const double b = here[row];
                mark_pair(f, target, inv_step, b, right[row], column, row, 1, 0);
                mark_pair(f, target, inv_step, b, here[row + 1], column, row, 0, 1);
            }
        }
        return;
    }
    int key_columns[2][last_base + 2];
    int* here_keys = key_columns[0];
    int* right_keys = key_columns[1];
    const double scaled_inv_step = inv_step * key_unit;
    level_keys(grids.v()[first], scaled_inv_step, here_keys);
    for (int column = first; column < end; ++column) {
        const double* here = grids.v()[column];
        const double* right = grids.v()[column + 1];
        level_keys(right, scaled_inv_step, right_keys);
        for (int block = 0; block <= last_base; block += quiet_rows) {
            const int block_end = std::min(block + quiet_rows, last_base + 1);
            // A run of rows whose samples and their right and lower neighbours all share one
            // even key marks nothing; most of the board is such runs, and they are found
            // several keys at once.
            int stirred = 0;
            for (int row = block; row < block_end; ++row) {
                const int k = here_keys[row];
                stirred |= (k ^ right_keys[row]) | (k ^ here_keys[row + 1]) | (k & 1);
            }
            if (stirred == 0) continue;
            for (int row = block; row < block_end; ++row) {
                const int k = here_keys[row];
                const int right_key = right_keys[row];
                const int down_key = here_keys[row + 1];
                if (((k | right_key) & 1) != 0)
                    mark_pair(f, target, inv_step, here[row], right[row], column, row, 1, 0);
                else if (k != right_key)
                    mark_crossing(f, target, here[row], right[row], k, right_key, column, row, 1,
                                  0);
                if (((k | down_key) & 1) != 0)
                    mark_pair(f, target, inv_step, here[row], here[row + 1], column, row, 0, 1);
                else if (k != down_key)
                    mark_crossing(f, target, here[row], here[row + 1], k, down_key, column, row, 0,
                                  1);
            }
        }
        std::swap(here_keys, right_keys);
    }
}

void draw_family(Canvas& board, const FieldGrids& grids, DrawingBuffers& buffers, const Family& f) {
    if (!f.orange && !f.blue) return;
    const double inv_step = f.step != 0 ? 1.0 / f.step : 0.0;
    auto run = [&grids, &buffers, &f, inv_step](int r) {
        mark_run(grids, buffers, f, inv_step, r);
    };
    run_parts(mark_runs, run);
    auto& marks = buffers.marks;
    for (int r = 0; r < mark_runs; ++r) {
        const int column = (r + 1) * (last_base + 1) / mark_runs;
        unsigned char* cells = marks.data() + static_cast<std::size_t>(column) * board_size;
        for (int row = 0; row < board_size; ++row)
            cells[row] = std::max(cells[row], buffers.run_edges[static_cast<std::size_t>(r)][row]);
    }
    const Rgb orange = to_rgb(orange_pen);
    const Rgb blue = to_rgb(blue_pen);
    // Most cells are unmarked: eight are read at once, and only a word with a mark is looked into.
    const unsigned char* cells = marks.data();
    constexpr std::size_t count = static_cast<std::size_t>(board_size) * board_size;
    std::size_t i = 0;
    for (; i < count; ++i) {
        if (i % 8 == 0 && i + 8 <= count) {
            std::uint64_t word;
            std::memcpy(&word, cells + i, sizeof word);
            if (word == 0) {
                i += 7;
                continue;
            }
        }
        const unsigned char m = cells[i];
        if (m != unmarked) {
            const int column = static_cast<int>(i / board_size);
            const int row = static_cast<int>(i % board_size);
            board.set_pixel(column, row, m == marked_blue ? blue : orange);
        }
    }
}

} // namespace

void draw_equipotential_level(Canvas& board, const FieldGrids& grids, double v, Rgb colour) {
    const FieldGrids::Grid& potential = grids.v();
    for (int column = 0; column <= last_base; ++column) {
        for (int row = 0; row <= last_base; ++row) {
            const double b = potential[column][row];
            const double r = potential[column + 1][row];
            const double d = potential[column][row + 1];
            if (lies_between(b, r, v)) board.set_pixel(column + level_offset(b, r, v), row, colour);
            if (lies_between(b, d, v)) board.set_pixel(column, row + level_offset(b, d, v), colour);
        }
    }
}

void draw_equipotential_family(Canvas& board, const FieldGrids& grids, const ChargeSet& charges,
                               PenRgb& pen, ProgressSink& progress, DrawingBuffers& buffers) {
    progress.progress_set_position(0);
    progress.progress_set_max(50);

    Family f;
    const double m = std::max(std::fabs(grids.range.min), std::fabs(grids.range.max));
    f.step = round_half_even(m / 24.0);
    f.orange = grids.range.max > 0;
    f.blue = grids.range.min < 0;
    // Twelve levels a pass, one bar step each; the levels are then drawn in one sweep.
    for (int pass = 0; pass < static_cast<int>(f.orange) + static_cast<int>(f.blue); ++pass)
        for (int level = 0; level < 12; ++level) progress.progress_step();
    if (f.orange) pen = orange_pen;
    if (f.blue) pen = blue_pen;
    draw_family(board, grids, buffers, f);

    draw_charge_markers(board, charges);
    progress.progress_set_position(0);
}

bool draw_equipotential_through(Canvas& board, const FieldGrids& grids, const ChargeSet& charges,
                                int column, int row, PenRgb& pen) {
    if (!on_board(column, row)) return false;
    const int x = x_of_column(column);
    const int y = y_of_row(row);
    for (const Charge& c : charges.stored())
        if (within_ten(c, x, y, false)) return false;
    const double v = grids.v()[column][row];
    // An exact zero is where charges of both signs cancel; the automatic family draws that
    // level blue whenever both signs occur.
    pen = v > 0 ? orange_pen : blue_pen;
    draw_equipotential_level(board, grids, v, to_rgb(pen));
    return true;
}
