#pragma once

#include <optional>

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
enum class BoardKey { left, right, up, down, home, activate, escape, say_values };

// What the pointer shows over the board: the usual arrow, an open hand over a charge that can
// be moved, a closed hand while one is moved.
enum class PointerShape { arrow, open_hand, closed_hand };

// Turns the board's primary presses and releases into clicks: a press and its release make one,
// except the second press of a double click (by the rule above), whose release ends the pair so
// that a third press clicks again. It holds the press in progress and the last click.
class ClickRecogniser {
  public:
    void set_rule(const DoubleClickRule& rule) { rule_ = rule; }
    // How far a pointer of this kind may wander and still be where it was.
    double reach(PointerKind kind) const {
        return kind == PointerKind::touch ? rule_.touch_distance : rule_.mouse_distance;
    }
    // A primary press, held until its release; false for any other button, which leaves a
    // press in progress alone.
    bool press(const PointerEvent& e);
    bool holding() const { return held_.has_value(); }
    // Lets go of the held press at a primary release: whether it makes a click; nullopt when
    // no primary press is held.
    std::optional<bool> release(const PointerEvent& e);
    // The release landed on the board: it is the last click, or it ended a double click.
    void landed(const PointerEvent& e, bool clicks);
    // A press given up: its release makes no click.
    void cancel() { held_.reset(); }
    // The next press starts a new pair.
    void forget_last_click() { last_click_.reset(); }
    bool has_last_click() const { return last_click_.has_value(); }
    void reset() {
        held_.reset();
        last_click_.reset();
    }

  private:
    struct Press {
        PointerKind kind;
        bool clicks;
    };
    struct LastClick {
        PointerKind kind;
        double time_ms;
        double x;
        double y;
    };
    DoubleClickRule rule_;
    std::optional<Press> held_;
    std::optional<LastClick> last_click_;
};
