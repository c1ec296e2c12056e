#include "allocation_counter.h"
#include "lines_reference.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"
#include "test_board.h"

#include <gtest/gtest.h>

namespace {

template <class Work> long allocations_during(Work work) {
    const long before = allocation_count();
    work();
    return allocation_count() - before;
}

} // namespace

TEST(Allocation, GridsAndAutomaticLinesAllocateNothing) {
    TestBoard b;
    Canvas board(board_size, board_size);
    b.charges = capacitor_charges();
    b.charges.add(column_of_x(0), row_of_y(40), 1);
    b.charges.add(column_of_x(0), row_of_y(-40), -1);
    // A bar that keeps no record of its calls, as a window's does not.
    SilentProgress bar;
    // The first run builds the term tables, once for the program's life.
    compute_grids(b.grids, b.charges, bar);
    draw_equipotential_family(board, b.grids, b.charges, b.pen, bar, *b.buffers);
    b.field_lines(board);

    EXPECT_EQ(allocations_during([&] { compute_grids(b.grids, b.charges, bar); }), 0);
    EXPECT_EQ(allocations_during([&] {
                  draw_equipotential_family(board, b.grids, b.charges, b.pen, bar, *b.buffers);
              }),
              0);
    EXPECT_EQ(allocations_during([&] { b.field_lines(board); }), 0);
    EXPECT_EQ(allocations_during([&] { draw_field_line_through(board, b.charges, 0, 50); }), 0);
}
