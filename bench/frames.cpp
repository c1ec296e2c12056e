// Draws a given number of frames of a dragged charge at the 14-charge case (drag/14 of the
// benchmarks, the charge placed 13th moving a pixel a frame; drag_first/14 with slot 1) and
// nothing else, so that an instruction counter (valgrind --tool=callgrind) sees the same work
// from run to run: frames.cpp [frames [slot]]
#include "drag_frame.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 10;
    BoardState b;
    const ChargeSet placed = fourteen_charges();
    const int slot = argc > 2 ? std::atoi(argv[2]) : 13;
    if (slot < 1 || slot > placed.count()) return 2;
    for (int frame = 0; frame < frames; ++frame) {
        b.charges = dragged_charges(placed, slot, frame);
        draw_drag_frame(b);
    }
    unsigned sum = 0;
    for (int i = 0; i < board_size * board_size; ++i) sum = sum * 31u + b.canvas.data()[i];
    std::printf("%08x\n", sum);
    return 0;
}
