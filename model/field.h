#pragma once

#include "model/charges.h"
#include "model/progress.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

// The colour scale's range: min <= 0 <= max after every computation.
struct ColourRange {
    double min = 0.0;
    double max = 0.0;
    bool operator==(const ColourRange&) const = default;
};

// Potential and field of a charge set at every board pixel, indexed [column][row] with each
// column's 401 rows together; cell [c][r] is the board point (c - 200, 200 - r); and the colour
// range. Zero when made; the cells are allocated once, with the object.
//
// A computation keeps the potential sums of the charges it shares, in the same slots, with the
// one before it (while a charge is dragged, those before it), and the next that starts with the
// same charges starts from those sums: adding in slot order from there gives the same doubles.
//
// The field grids are filled when first asked for after a computation or a clear, not with the
// potential: a frame reads the potential everywhere but the field at one pixel (the readout), which
// ex_at and ey_at give without filling anything. Either way each cell is the same sum in the same
// order, so the values are those the computation would have written.
class FieldGrids {
  public:
    using Grid = double[board_size][board_size];

    FieldGrids();
    FieldGrids(const FieldGrids&) = delete;
    FieldGrids& operator=(const FieldGrids&) = delete;

    Grid& v() { return cells_->v; }
    const Grid& v() const { return cells_->v; }
    // The field grids, filled first when they are still to be; a caller may then write them.
    Grid& ex() {
        fill_field();
        return cells_->ex;
    }
    Grid& ey() {
        fill_field();
        return cells_->ey;
    }
    const Grid& ex() const {
        fill_field();
        return cells_->ex;
    }
    const Grid& ey() const {
        fill_field();
        return cells_->ey;
    }
    // One cell of each field grid, as ex()[column][row] and ey()[column][row] would read it.
    double ex_at(int column, int row) const;
    double ey_at(int column, int row) const;

    // Zero grids and range, as when made.
    void clear();

    ColourRange range;

  private:
    friend bool compute_grids(FieldGrids&, const ChargeSet&, ProgressSink&);
    friend void prepare_grids(FieldGrids&);

    // Fills the field grids from field_of_ when they are still to be filled. Only the program's
    // one calling thread may ask for them while they are.
    void fill_field() const;

    struct Cells {
        alignas(64) Grid v;
        alignas(64) Grid ex;
        alignas(64) Grid ey;
        // The potential sums of partial_of_'s charges, before the scale to volts.
        alignas(64) Grid partial;
    };
    std::unique_ptr<Cells> cells_;
    // The charges the last computation was of, and those the partial sums are of (none: no sums).
    ChargeSet computed_from_;
    ChargeSet partial_of_;
    // Whether the field grids are still to be filled, and the charges they are of: none after a
    // clear, whose sums are all +0.
    mutable bool field_due_ = false;
    ChargeSet field_of_;
};

// The potential (1000 s / r per charge) and the field components (10000 s / r^2 per charge,
// away from a positive charge) at a board point; a charge on the point is left out.
double potential_at(const ChargeSet& charges, int x, int y);
double field_x_at(const ChargeSet& charges, int x, int y);
double field_y_at(const ChargeSet& charges, int x, int y);
// The field halfway between two board points, which may fall between pixels, as the same sums in
// the same order; none when a charge sits there.
std::optional<std::array<double, 2>> field_at_midpoint(const ChargeSet& charges, int x1, int y1,
                                                       int x2, int y2);

// Fills the three grids and the range for the charges, stepping the progress bar once per
// column; does nothing at all, and says so, when there are no charges.
bool compute_grids(FieldGrids& grids, const ChargeSet& charges, ProgressSink& progress);
// What the first computation would otherwise pay for on its way: the term tables, and a write to
// each page of the grids. The grids keep their values.
void prepare_grids(FieldGrids& grids);

// The range from the corner value and the samples 9 pixels from each charge, widened to 0.
ColourRange colour_range(const FieldGrids& grids, const ChargeSet& charges);

// The x term u * (adx / r) of one unit charge's inverse-square field at the offset (adx, ady),
// u = 1 / (adx^2 + ady^2), r its square root, for 0 <= adx, ady < 2^26; 0 at (0, 0). Within
// 0..400, the offsets between board points, it is the double the grids add for that offset (the
// y term there is field_term(ady, adx)); a term's sign only flips it, so a signed term is the
// negated term, bit for bit.
double field_term(int adx, int ady);

// Both terms of one offset side by side, as a field line's step reads them.
struct TermPair {
    double ex;
    double ey;
};
// The table field_term reads within 0..400: terms[adx][400 - ady].ex is field_term(adx, ady), and
// terms[adx][400 - dy].ey the signed y term at (adx, dy) for -400 <= dy <= 400, which for dy >= 0
// is field_term(dy, adx) to the bit (the same root, reciprocal and product of the same numbers).
struct FieldTermTable {
    const TermPair (*terms)[801];
};
FieldTermTable field_term_table();

inline constexpr std::size_t cells_of_board = std::size_t{board_size} * board_size;
// The field of the charges at every board pixel before its scale, x and y side by side, indexed
// column * 401 + row: each the sum, in slot order from +0, that the field grids scale, which is the
// sum a field line's step in the field's direction adds. False, and nothing written, unless the
// charges are unit charges on the board.
bool fill_unscaled_field(const ChargeSet& charges, std::span<TermPair, cells_of_board> sums);

// Runs task(context, part) once for every part in 0..parts-1 and returns when all are done:
// spread over the calling thread and a pool of workers started once, one per further core of the
// desktop; in order on the calling thread alone in the WebAssembly build. Parts that write must
// write disjoint memory; a part may run on any of the threads and must not call run_parts. Only
// the program's one calling thread may call it.
using PartTask = void (*)(void* context, int part);
void run_parts(int parts, PartTask task, void* context);
template <class Work> void run_parts(int parts, Work& work) {
    run_parts(
        parts, [](void* context, int part) { (*static_cast<Work*>(context))(part); }, &work);
}
// The threads that run_parts spreads parts over, the calling one included.
int part_threads();

// FNV-1a over the bytes of the potential grid and the two field grids in this order: two builds
// computed the same grids bit for bit when their digests agree.
std::uint32_t grids_digest(const FieldGrids& grids);
