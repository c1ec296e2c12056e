#pragma once

#include "model/charges.h"
#include "render/field_lines.h"

#include <array>
#include <cstddef>
#include <vector>

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
};
