#pragma once

#include "model/charges.h"

#include <cstdint>

// Potential and field of the charge set at every board pixel, indexed [column][row] with each
// column's 401 rows together; cell [c][r] is the board point (c - 200, 200 - r). Zero at start.
alignas(64) inline double grid_V[board_size][board_size];
alignas(64) inline double grid_Ex[board_size][board_size];
alignas(64) inline double grid_Ey[board_size][board_size];

// The colour scale's range: minV <= 0 <= maxV after every computation.
inline double minV = 0.0;
inline double maxV = 0.0;

// The potential (1000 s / r per charge) and the field components (10000 s / r^2 per charge,
// away from a positive charge) at a board point; a charge on the point is left out.
double potencjal(int q, int w);
double skladowaEx(int q, int w);
double skladowaEy(int q, int w);

// Fills the three grids and the range for the current charges, stepping the progress bar once
// per column; does nothing at all, and says so, when there are no charges.
bool obl_rozklad_pot();
// What the first computation would otherwise pay for on its way: the term tables, and the first
// write to each page of the grids, which the system backs with memory only then. The grids keep
// their values.
void prepare_grids();

// Zero grids and range, as when the program starts.
void clear_grids();
// The range from the corner value and the samples 9 pixels from each charge, widened to 0.
void minV_maxV();

// The x term u * (adx / r) of one unit charge's inverse-square field at the offset (adx, ady),
// u = 1 / (adx^2 + ady^2), r its square root, for 0 <= adx, ady < 2^26; 0 at (0, 0). Within
// 0..400, the offsets between board points, it is the double the grids add for that offset (the
// y term there is field_term(ady, adx)); a term's sign only flips it, so a signed term is the
// negated term, bit for bit.
double field_term(int adx, int ady);

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

// FNV-1a over the bytes of grid_V, grid_Ex and grid_Ey in this order: two builds computed the
// same grids bit for bit when their digests agree.
std::uint32_t grids_digest();
