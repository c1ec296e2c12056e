#pragma once

// Raw pointer input as the screens forward it: the position in board pixels (fractions kept,
// anywhere, also off the board), which button, which kind of pointer, and when, in
// milliseconds on any steady clock.
enum class PointerButton { primary, secondary, middle };
enum class PointerKind { mouse, touch, pen };

struct PointerEvent {
    double x = 0.0;
    double y = 0.0;
    PointerButton button = PointerButton::primary;
    PointerKind kind = PointerKind::mouse;
    double time_ms = 0.0;
};

// The second press of a double click or tap comes within this time of the last click's release
// and within this distance of it, in board pixels, by the same kind of pointer. The desktop
// passes its platform's settings; the page keeps these.
struct DoubleClickRule {
    double interval_ms = 400.0;
    double mouse_distance = 5.0;
    double touch_distance = 20.0;
};

// The board pixel under a position along one axis, clamped to the board; NaN reads as 0.
int board_pixel(double position);

// The keys a focused board answers: four cursor moves, the centre, a click at the cursor, and
// Escape, which puts back a charge being moved.
enum class BoardKey { left, right, up, down, home, activate, escape };

// What the pointer shows over the board: the usual arrow, an open hand over a charge that can
// be moved, a closed hand while one is moved.
enum class PointerShape { arrow, open_hand, closed_hand };
