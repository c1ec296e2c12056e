#pragma once

#include "model/charges.h"
#include "model/field.h"
#include "render/field_lines.h"

#include <array>
#include <cstddef>
#include <vector>

// Sums kept from one field-line family to the next (trace_field_line_family).
struct KeptLineSums {
    ChargeSet of; // none: nothing kept
    ChargeSet last_family;
    // Filled when first needed: most boards never have their field lines drawn.
    std::vector<TermPair> cells;
};

// The working memory of the family drawings, kept by the board's owner from call to call so
// that a frame allocates nothing.
struct DrawingBuffers {
    // The equipotential family's pairs are marked in runs of base columns, one run per part.
    static constexpr int mark_runs = 16;
    // One mark per board pixel, indexed column * 401 + row; cleared for each family.
    std::array<unsigned char, static_cast<std::size_t>(board_size) * board_size> marks{};
    // Marks a run's pairs leave on the next run's first column, merged after all runs are done.
    std::array<std::array<unsigned char, board_size>, mark_runs> run_edges{};
    // Whether a board pixel lies within 10 of a charge, indexed column * 401 + row: set while the
    // automatic field lines are traced, zero otherwise.
    std::array<unsigned char, static_cast<std::size_t>(board_size) * board_size> near{};
    // The automatic field lines' passes, by charge slot and line.
    std::array<std::vector<BoardPoint>, static_cast<std::size_t>(max_charges) * 10> passes;
    // The field of the first charges that a family shared with the one traced before it (while a
    // charge is dragged, those placed before it), at every pixel, which a step of the lines of
    // the families that start with the same charges starts from; and the last family's charges.
    KeptLineSums line_sums;
};
