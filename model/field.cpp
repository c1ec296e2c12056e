#include "model/field.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#ifndef __EMSCRIPTEN__
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>
#endif

namespace {

// Offsets between a board point and a charge on the board run over -400..400 on each axis.
constexpr int max_offset = 2 * board_centre;
constexpr int offset_span = 2 * max_offset + 1;

// Every term depends only on the offset, and a sign flips only its sign, so one table of each
// term by |dx| and by dy (index max_offset - dy) gives the grids without a root or a division.
// A column's rows then read one table row forwards, which keeps the inner loops straight.
struct TermTables {
    alignas(64) double v[max_offset + 1][offset_span]; // 1 / r
    // u * (|dx| / r) and u * (dy / r), together: a field line's step reads both of an offset.
    alignas(64) TermPair field[max_offset + 1][offset_span];
};

TermTables tables;

// (q * (1 / s)) * (a / r) with s = a^2 + b^2 and r its root: the term along a of a charge q,
// 0 at (0, 0). For |a|, |b| < 2^26 the squares and their sum are exact in a double.
double inverse_square_term(long long a, long long b, double q = 1.0) {
    const long long s = a * a + b * b;
    if (s == 0) return 0.0;
    const double r = std::sqrt(static_cast<double>(s));
    return q * (1.0 / static_cast<double>(s)) * (static_cast<double>(a) / r);
}

// One row of the tables, by |dx|. A function of its own: an engine that compiles a quick first
// version and a faster one for the calls after (WebAssembly in a browser) switches during the
// build instead of after it.
[[gnu::noinline]] void build_table_row(int adx) {
    // dy >= 0 first (k <= max_offset); -dy has the same root and reciprocal, so the same v and
    // ex, and ey negated exactly, as the division and the product are symmetric in sign.
    for (int k = 0; k <= max_offset; ++k) {
        const int dy = max_offset - k;
        const int d2 = adx * adx + dy * dy;
        if (d2 == 0) {
            // A charge on the point is left out: a sum starts at +0, so it is never -0,
            // and adding or subtracting a zero leaves it as it was.
            tables.v[adx][k] = 0.0;
            tables.field[adx][k] = {0.0, 0.0};
            continue;
        }
        // inverse_square_term's operations, its root and 1 / s taken once for the three
        // (1.0 * u is u itself).
        const double s = static_cast<double>(d2);
        const double r = std::sqrt(s);
        const double u = 1.0 / s;
        tables.v[adx][k] = 1.0 / r;
        tables.field[adx][k] = {u * (static_cast<double>(adx) / r),
                                u * (static_cast<double>(dy) / r)};
    }
    for (int k = max_offset + 1; k < offset_span; ++k) {
        const int mirror = 2 * max_offset - k;
        tables.v[adx][k] = tables.v[adx][mirror];
        tables.field[adx][k] = {tables.field[adx][mirror].ex, -tables.field[adx][mirror].ey};
    }
}

void build_tables() {
    for (int adx = 0; adx <= max_offset; ++adx) build_table_row(adx);
}

const TermTables& term_tables() {
    static const bool built = (build_tables(), true);
    (void)built;
    return tables;
}

int magnitude(int n) {
    return n < 0 ? -n : n;
}

// The tables cover unit charges on the board only; anything else takes the direct route.
bool tables_cover(const ChargeSet& charges) {
    for (const Charge& c : charges.stored()) {
        if (magnitude(c.sign) != 1 || magnitude(c.x) > board_centre ||
            magnitude(c.y) > board_centre)
            return false;
    }
    return true;
}

// One charge's terms for a column: the three table rows from the column's first row on, and
// the factor (+1 or -1) each is added with. sum + (-1 * t) is sum - t exactly: the product only
// flips a sign, and -ffp-contract=off keeps it from fusing into the addition.
struct ColumnTerms {
    const double* v;
    const TermPair* field;
    double sv;
    double sx;
};

// Rows handled together: their sums stay in registers while the charges are added in slot
// order, so a column is written once instead of once per charge and once more to scale it.
constexpr int row_block = 8;

// What one pass over the columns fills: the potential grid (as a computation does), the two
// field grids (when they are first asked for), or the field's sums before the scale, side by side
// (which a field line's step starts from).
enum class Fill { potential, field, unscaled_field };

// A column's potential sums of the first charges: the sums start from them when `from` terms are
// already in them, and are stored back once `keep` terms are added (0: not stored).
struct PartialSums {
    double* cells = nullptr;
    int from = 0;
    int keep = 0;
};

// Where one column goes: the grids' columns that the fill writes, and the sums' column.
struct ColumnOut {
    double* v = nullptr;
    double* ex = nullptr;
    double* ey = nullptr;
    TermPair* sums = nullptr;
};

template <Fill what, int rows>
void fill_rows(const ColumnTerms* terms, int count, int first, const ColumnOut& out,
               const PartialSums& partial) {
    double v[rows];
    double x[rows];
    double y[rows];
    for (int j = 0; j < rows; ++j) {
        v[j] = partial.from > 0 ? partial.cells[first + j] : 0.0;
        x[j] = 0.0;
        y[j] = 0.0;
    }
    for (int k = partial.from; k < count; ++k) {
        const ColumnTerms& t = terms[k];
        for (int j = 0; j < rows; ++j) {
            if constexpr (what == Fill::potential) {
                v[j] = v[j] + t.sv * t.v[first + j];
            } else {
                x[j] = x[j] + t.sx * t.field[first + j].ex;
                y[j] = y[j] + t.sv * t.field[first + j].ey;
            }
        }
        if constexpr (what == Fill::potential) {
            if (k + 1 == partial.keep)
                for (int j = 0; j < rows; ++j) partial.cells[first + j] = v[j];
        }
    }
    // One grid at a time: the grids could overlap for all the compiler knows, and interleaved
    // stores would keep it from writing each grid's rows in packed pairs.
    if constexpr (what == Fill::potential) {
        for (int j = 0; j < rows; ++j) out.v[first + j] = v[j] * 1000;
    } else if constexpr (what == Fill::field) {
        for (int j = 0; j < rows; ++j) out.ex[first + j] = x[j] * 10000;
        for (int j = 0; j < rows; ++j) out.ey[first + j] = y[j] * 10000;
    } else {
        for (int j = 0; j < rows; ++j) out.sums[first + j] = {x[j], y[j]};
    }
}

// One charge's terms for a column, from the column's first row on.
ColumnTerms column_terms(const Charge& c, const TermTables& t, int x) {
    const int dx = x - c.x;
    const int adx = magnitude(dx);
    // Row j is the board point y = 200 - j, so dy = 200 - j - c.y sits at index base + j.
    const std::size_t base = static_cast<std::size_t>(board_centre + c.y);
    const bool positive = c.sign > 0;
    return {t.v[adx] + base, t.field[adx] + base, positive ? 1.0 : -1.0,
            positive == (dx >= 0) ? 1.0 : -1.0};
}

// One column through the tables, each cell's sum in slot order.
template <Fill what>
void fill_column_from_tables(const ColumnOut& out, const ChargeSet& charges, const TermTables& t,
                             int column, const PartialSums& partial) {
    ColumnTerms terms[max_charges];
    int count = 0;
    const int x = x_of_column(column);
    for (const Charge& c : charges.stored()) terms[count++] = column_terms(c, t, x);
    int row = 0;
    for (; row + row_block <= board_size; row += row_block)
        fill_rows<what, row_block>(terms, count, row, out, partial);
    for (; row < board_size; ++row) fill_rows<what, 1>(terms, count, row, out, partial);
}

template <bool along_x> double field_component(const ChargeSet& charges, int x, int y);

template <Fill what>
void fill_column_directly(const ColumnOut& out, const ChargeSet& charges, int column) {
    const int x = x_of_column(column);
    for (int row = 0; row < board_size; ++row) {
        const int y = y_of_row(row);
        if constexpr (what == Fill::potential) {
            out.v[row] = potential_at(charges, x, y);
        } else {
            out.ex[row] = field_component<true>(charges, x, y);
            out.ey[row] = field_component<false>(charges, x, y);
        }
    }
}

// The whole grids a fill writes (those it does not write are null), and the sums, column after
// column.
struct GridsOut {
    FieldGrids::Grid* v = nullptr;
    FieldGrids::Grid* ex = nullptr;
    FieldGrids::Grid* ey = nullptr;
    TermPair* sums = nullptr;
};

// The potential grid, the field grids or the field's sums, column by column, spread over the
// cores (columns are independent: each part fills its own run of them), from the tables where
// they cover the charges (the sums always are); the potential from and to the partial sums when
// they are given.
template <Fill what>
void fill_columns(const GridsOut& grids, const ChargeSet& charges, const TermTables* t,
                  FieldGrids::Grid* partial = nullptr, int from = 0, int keep = 0) {
    constexpr int parts = 16;
    auto fill = [&](int part) {
        const int end = (part + 1) * board_size / parts;
        for (int column = part * board_size / parts; column < end; ++column) {
            const ColumnOut out{grids.v != nullptr ? (*grids.v)[column] : nullptr,
                                grids.ex != nullptr ? (*grids.ex)[column] : nullptr,
                                grids.ey != nullptr ? (*grids.ey)[column] : nullptr,
                                grids.sums != nullptr
                                    ? grids.sums + static_cast<std::ptrdiff_t>(column) * board_size
                                    : nullptr};
            const PartialSums sums{partial != nullptr ? (*partial)[column] : nullptr, from, keep};
            if (t)
                fill_column_from_tables<what>(out, charges, *t, column, sums);
            else if constexpr (what != Fill::unscaled_field)
                fill_column_directly<what>(out, charges, column);
        }
    };
    run_parts(parts, fill);
}

// Ex and Ey differ only in the axis the term is taken along.
template <bool along_x> double field_component(const ChargeSet& charges, int x, int y) {
    double sum = 0;
    for (const Charge& c : charges.stored()) {
        if (c.x == x && c.y == y) continue;
        const long long dx = static_cast<long long>(x) - c.x;
        const long long dy = static_cast<long long>(y) - c.y;
        const double q_c = static_cast<double>(c.sign);
        sum = sum + (along_x ? inverse_square_term(dx, dy, q_c) : inverse_square_term(dy, dx, q_c));
    }
    return sum * 10000;
}

// A sample off the board is not taken. For a charge on the board only the coordinate that
// moved can leave it; checking both also keeps a charge placed off the board from reading
// outside the grid.
void take_sample_at(const FieldGrids& grids, int column, int row, ColourRange& range) {
    if (!on_board(column, row)) return;
    const double v = grids.v()[column][row];
    if (v < range.min) range.min = v;
    if (v > range.max) range.max = v;
}

} // namespace

FieldGrids::FieldGrids() : cells_(std::make_unique<Cells>()) {}

void FieldGrids::clear() {
    for (auto& column : cells_->v) std::fill(std::begin(column), std::end(column), 0.0);
    // The field of no charges: every sum +0, as the zeroed cells would be.
    field_of_.clear();
    field_due_ = true;
    range = {};
}

double potential_at(const ChargeSet& charges, int x, int y) {
    double sum = 0;
    for (const Charge& c : charges.stored()) {
        if (c.x == x && c.y == y) continue;
        const int d2 = (c.x - x) * (c.x - x) + (c.y - y) * (c.y - y);
        const double r = std::sqrt(static_cast<double>(d2));
        sum = sum + static_cast<double>(c.sign) / r;
    }
    return sum * 1000;
}

double field_x_at(const ChargeSet& charges, int x, int y) {
    return field_component<true>(charges, x, y);
}
double field_y_at(const ChargeSet& charges, int x, int y) {
    return field_component<false>(charges, x, y);
}

std::optional<std::array<double, 2>> field_at_midpoint(const ChargeSet& charges, int x1, int y1,
                                                       int x2, int y2) {
    // In doubled coordinates the midpoint is a whole point; each term there is a quarter of the
    // term at the true offset, exactly, as only powers of two differ.
    double sum_x = 0;
    double sum_y = 0;
    for (const Charge& c : charges.stored()) {
        const long long dx = static_cast<long long>(x1) + x2 - 2LL * c.x;
        const long long dy = static_cast<long long>(y1) + y2 - 2LL * c.y;
        if (dx == 0 && dy == 0) return std::nullopt;
        const double q_c = static_cast<double>(c.sign);
        sum_x = sum_x + inverse_square_term(dx, dy, q_c);
        sum_y = sum_y + inverse_square_term(dy, dx, q_c);
    }
    return std::array<double, 2>{sum_x * 4 * 10000, sum_y * 4 * 10000};
}

double field_term(int adx, int ady) {
    if (adx > max_offset || ady > max_offset) return inverse_square_term(adx, ady);
    return term_tables().field[adx][static_cast<std::size_t>(max_offset - ady)].ex;
}

FieldTermTable field_term_table() {
    const TermTables& t = term_tables();
    return {t.field};
}

bool compute_grids(FieldGrids& grids, const ChargeSet& charges, ProgressSink& progress) {
    if (charges.empty()) return false;
    progress.progress_set_position(0);
    progress.progress_set_max(400);
    const bool by_table = tables_cover(charges);
    const TermTables* t = by_table ? &term_tables() : nullptr;
    // Partial sums are of table terms only, so they are used and kept by the tables' route alone.
    int from = 0;
    int keep = 0;
    if (by_table) {
        const int known = grids.partial_of_.count();
        if (known > 0 && shared_slots(grids.partial_of_, charges) == known) from = known;
        const int shared = shared_slots(grids.computed_from_, charges);
        if (shared > from && shared < charges.count()) keep = shared;
    }
    fill_columns<Fill::potential>({.v = &grids.cells_->v}, charges, t, &grids.cells_->partial, from,
                                  keep);
    if (keep > 0) grids.partial_of_ = first_charges(charges, keep);
    grids.computed_from_ = charges;
    grids.field_of_ = charges;
    grids.field_due_ = true;
    // The bar is the window's and is only touched from this thread.
    for (int column = 0; column < board_size; ++column) progress.progress_step();
    grids.range = colour_range(grids, charges);
    progress.progress_set_position(0);
    return true;
}

void FieldGrids::fill_field() const {
    if (!field_due_) return;
    const ChargeSet& charges = field_of_;
    const TermTables* t = tables_cover(charges) ? &term_tables() : nullptr;
    fill_columns<Fill::field>({.ex = &cells_->ex, .ey = &cells_->ey}, charges, t);
    field_due_ = false;
}

namespace {

// One cell of a field grid as the column fill sums it: fill_rows' operations for one row.
template <bool along_x> double field_cell(const ChargeSet& charges, int column, int row) {
    if (!tables_cover(charges))
        return field_component<along_x>(charges, x_of_column(column), y_of_row(row));
    const TermTables& t = term_tables();
    const int x = x_of_column(column);
    double sum = 0.0;
    for (const Charge& c : charges.stored()) {
        const ColumnTerms terms = column_terms(c, t, x);
        sum = along_x ? sum + terms.sx * terms.field[row].ex : sum + terms.sv * terms.field[row].ey;
    }
    return sum * 10000;
}

} // namespace

double FieldGrids::ex_at(int column, int row) const {
    return field_due_ ? field_cell<true>(field_of_, column, row) : cells_->ex[column][row];
}

double FieldGrids::ey_at(int column, int row) const {
    return field_due_ ? field_cell<false>(field_of_, column, row) : cells_->ey[column][row];
}

bool fill_unscaled_field(const ChargeSet& charges, std::span<TermPair, cells_of_board> sums) {
    if (!tables_cover(charges)) return false;
    fill_columns<Fill::unscaled_field>({.sums = sums.data()}, charges, &term_tables());
    return true;
}

void prepare_grids(FieldGrids& grids) {
    static_cast<void>(term_tables());
    constexpr std::size_t cells = std::size_t{board_size} * board_size;
    constexpr std::size_t cells_per_page = 4096 / sizeof(double);
    FieldGrids::Cells& c = *grids.cells_;
    for (double* grid : {&c.v[0][0], &c.ex[0][0], &c.ey[0][0], &c.partial[0][0]}) {
        volatile double* cell = grid;
        for (std::size_t i = 0; i < cells; i += cells_per_page) cell[i] = cell[i];
        cell[cells - 1] = cell[cells - 1];
    }
}

ColourRange colour_range(const FieldGrids& grids, const ChargeSet& charges) {
    ColourRange range{grids.v()[0][0], grids.v()[0][0]};
    for (const Charge& c : charges.stored()) {
        const int column = column_of_x(c.x);
        const int row = row_of_y(c.y);
        take_sample_at(grids, column, row - 9, range);
        take_sample_at(grids, column - 9, row, range);
        take_sample_at(grids, column, row + 9, range);
        take_sample_at(grids, column + 9, row, range);
    }
    if (range.min > 0) range.min = 0;
    if (range.max < 0) range.max = 0;
    return range;
}

#ifdef __EMSCRIPTEN__

void run_parts(int parts, PartTask task, void* context) {
    for (int part = 0; part < parts; ++part) task(context, part);
}

int part_threads() {
    return 1;
}

#else

namespace {

// Workers sleep until a batch is posted, then take its parts one at a time alongside the
// calling thread, so a worker the system schedules late only means less of the batch for it.
class Workers {
  public:
    Workers() {
        const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
        threads_.reserve(cores - 1);
        for (unsigned i = 1; i < cores; ++i) threads_.emplace_back([this] { serve(); });
    }
    ~Workers() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        posted_.notify_all();
        for (std::thread& t : threads_) t.join();
    }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    int threads() const { return static_cast<int>(threads_.size()) + 1; }

    void run(int parts, PartTask task, void* context) {
        if (threads_.empty() || parts <= 1) {
            for (int part = 0; part < parts; ++part) task(context, part);
            return;
        }
        {
            std::unique_lock lock(mutex_);
            // A worker still holding the last batch would take parts of this one.
            finished_.wait(lock, [this] { return active_ == 0; });
            task_ = task;
            context_ = context;
            parts_ = parts;
            done_ = 0;
            next_.store(0, std::memory_order_relaxed);
            ++batch_;
        }
        posted_.notify_all();
        const int mine = take_parts(task, context, parts);
        std::unique_lock lock(mutex_);
        done_ += mine;
        // Every part done and no worker left inside the batch: the context may go out of scope.
        finished_.wait(lock, [this] { return done_ == parts_ && active_ == 0; });
    }

  private:
    int take_parts(PartTask task, void* context, int parts) {
        int taken = 0;
        for (int part = next_.fetch_add(1, std::memory_order_relaxed); part < parts;
             part = next_.fetch_add(1, std::memory_order_relaxed)) {
            task(context, part);
            ++taken;
        }
        return taken;
    }

    void serve() {
        unsigned long seen = 0;
        std::unique_lock lock(mutex_);
        for (;;) {
            posted_.wait(lock, [&] { return stopping_ || batch_ != seen; });
            if (stopping_) return;
            seen = batch_;
            const PartTask task = task_;
            void* const context = context_;
            const int parts = parts_;
            ++active_;
            lock.unlock();
            const int taken = take_parts(task, context, parts);
            lock.lock();
            --active_;
            done_ += taken;
            if (active_ == 0) finished_.notify_all();
        }
    }

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable posted_;
    std::condition_variable finished_;
    std::atomic<int> next_{0};
    PartTask task_ = nullptr;
    void* context_ = nullptr;
    int parts_ = 0;
    int done_ = 0;
    int active_ = 0;
    unsigned long batch_ = 0;
    bool stopping_ = false;
};

Workers& workers() {
    static Workers pool;
    return pool;
}

} // namespace

void run_parts(int parts, PartTask task, void* context) {
    workers().run(parts, task, context);
}

int part_threads() {
    return workers().threads();
}

#endif

std::uint32_t grids_digest(const FieldGrids& grids) {
    std::uint32_t hash = 2166136261u;
    for (const FieldGrids::Grid* grid : {&grids.v(), &grids.ex(), &grids.ey()}) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(grid);
        for (std::size_t i = 0; i < sizeof *grid; ++i) hash = (hash ^ bytes[i]) * 16777619u;
    }
    return hash;
}
