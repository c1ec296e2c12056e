#pragma once

#include "model/charges.h"
#include "render/canvas.h"

struct DrawingBuffers;

inline constexpr Rgb field_line_colour = rgb(0, 128, 128);

// A pass that neither reaches the border nor a charge nor turns back is cut off here. Lines of
// real fields on a 401-pixel board stay below about a thousand steps, and a stuck pass costs
// about a millisecond before the cap ends it.
inline constexpr int field_pass_step_cap = 20000;

struct BoardPoint {
    int x = 0;
    int y = 0;
    bool operator==(const BoardPoint&) const = default;
};

// Where a pass stopped, in board coordinates, and how many segments it drew.
struct FieldPassEnd {
    int x = 0;
    int y = 0;
    int steps = 0;
};

// Walks one field line from the board point (x0, y0), along the field for d = +1 and against
// it for d = -1, drawing on the board until the line ends: on the outermost row or column,
// within 10 of a charge, back on the point it has just left, beyond the board, or at the cap.
FieldPassEnd trace_field_pass(Canvas& board, const ChargeSet& charges, int x0, int y0, int d,
                              int step_cap = field_pass_step_cap);
// The field line through a board point, in both directions.
void draw_field_line_through(Canvas& board, const ChargeSet& charges, int x, int y);
// Ten lines leaving every charge, drawn over the board as it is: traced into the buffers' passes
// (by charge slot and line, each the board pixels of its start and its steps), then drawn.
void draw_field_line_family(Canvas& board, const ChargeSet& charges, DrawingBuffers& buffers);
void trace_field_line_family(const ChargeSet& charges, DrawingBuffers& buffers);
void draw_traced_field_lines(Canvas& board, const ChargeSet& charges,
                             const DrawingBuffers& buffers);

// The minor-axis fractions a pass carries from step to step; each changes only in steps whose
// major axis is the other one.
struct StepRemainders {
    double x = 0.0;
    double y = 0.0;
};
// One step of a pass from p in the field (ex, ey): a whole pixel along the dominant axis (y when
// the two are equal), the carried fraction along the other; straight up or down when ex is 0.
BoardPoint field_step(BoardPoint p, double ex, double ey, StepRemainders& rem);

// The start of the j-th (1..10) automatic line of a charge at (x, y), about 10 away from it.
BoardPoint field_line_start(int x, int y, int j);
