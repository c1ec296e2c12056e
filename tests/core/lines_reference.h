#pragma once

#include "model/charges.h"
#include "model/field.h"
#include "render/canvas.h"
#include "render/field_lines.h"

#include <initializer_list>
#include <vector>

// Straightforward forms of the line drawings, to hold the fast ones to the same pixels, and the
// common setup of the line tests.
namespace lines_reference {

// Charges straight into slots 1.. in the order given.
ChargeSet charge_set(const std::vector<Charge>& set);
// n charges of random position and sign on the board, none two on one point.
std::vector<Charge> random_charges(unsigned seed, int n);

// The automatic family level by level: twelve calls of the single-level line in orange over
// 0, step, ..., 11 step, then twelve in blue over 0, -step, ..., -11 step.
void equipotential_family(Canvas& board, const FieldGrids& grids, int step, bool orange, bool blue);

// One pass with the field summed term by term with its own roots and divisions.
FieldPassEnd field_pass(Canvas& board, const ChargeSet& charges, int x0, int y0, int d,
                        int cap = field_pass_step_cap);
// The automatic family's ten lines from every charge through field_pass, over the board as it
// is.
void field_lines(Canvas& board, const ChargeSet& charges);

// Pixels where two surfaces of one size differ.
int differing_pixels(const Canvas& a, const Canvas& b);

} // namespace lines_reference
