#include "allocation_counter.h"
#include "lines_reference.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <gtest/gtest.h>

namespace {

template <class Work> long allocations_during(Work work) {
    const long before = allocation_count();
    work();
    return allocation_count() - before;
}

} // namespace

TEST(Allocation, GridsAndAutomaticLinesAllocateNothing) {
    lines_reference::reset_all_state();
    Canvas board(board_size, board_size);
    Kondensator();
    add_charge(column_of_x(0), row_of_y(40), 1);
    add_charge(column_of_x(0), row_of_y(-40), -1);
    obl_rozklad_pot(); // the first run builds the term tables, once for the program's life
    linie_ekwipotencjalne(board);
    linie_sil(board);

    EXPECT_EQ(allocations_during([] { obl_rozklad_pot(); }), 0);
    EXPECT_EQ(allocations_during([&] { linie_ekwipotencjalne(board); }), 0);
    EXPECT_EQ(allocations_during([&] { linie_sil(board); }), 0);
    EXPECT_EQ(allocations_during([&] { rysuj_linie_sil(board, 0, 50); }), 0);
    lines_reference::reset_all_state();
}
