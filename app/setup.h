#pragma once

#include "app/measuring.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A setup is the board said in one line of text: the steps taken since the board was last
// repainted empty, which a freshly started program replays to paint the same pixels. The text
// is short, readable, typed by hand for simple cases, and safe in a link's fragment as it is:
//
//   v1;p80,0;n-80,0;V;E;F;e30,40;f-20,10
//
// Tokens are separated by ";". The first is the version, "v1". Then, only when the grids were
// last computed from charges other than those on the board, the grid source: one token per
// charge, "gpX,Y" (positive) or "gnX,Y" (negative), or "g" alone for an empty one. Then the
// steps in order:
//   pX,Y  nX,Y   a positive or negative charge placed at the point
//   V            the colour map of the potential
//   E  F         the equipotentials and the field lines, "Auto"
//   eX,Y  fX,Y   the equipotential or the field line through the point
// and last the measuring points, which are drawn over the board and change none of its pixels:
//   mAX,Y .. mHX,Y   the measuring point of that letter at the point
// X and Y are board coordinates (origin at the centre, y up), integers from -200 to 200. Letters
// are case-sensitive. write_setup() writes exactly this form, with no spaces, no "+" and no
// leading zeros. read_setup() also takes what a person or a program may hand over: white space
// around the whole text, around each token and around each number; a "+" before a number; empty
// tokens (";;", a ";" at the end); a UTF-8 byte order mark; a whole link, of which it reads what
// follows the first "#"; and %XX escapes ("%3B" for ";", "%2C" for ","), which some programs
// write when they copy a link.

// One unit charge of the grid source, in board coordinates; sign is +1 or -1.
struct SetupCharge {
    int x = 0;
    int y = 0;
    int sign = 0;
    bool operator==(const SetupCharge&) const = default;
};

enum class StepKind {
    positive_charge,
    negative_charge,
    colour_map,
    equipotentials,
    field_lines,
    equipotential_at,
    field_line_at
};

// A step that places a charge, of either sign.
constexpr bool is_charge(StepKind kind) {
    return kind == StepKind::positive_charge || kind == StepKind::negative_charge;
}
// The sign of the charge a charge's step places.
constexpr int charge_sign(StepKind kind) {
    return kind == StepKind::positive_charge ? 1 : -1;
}

// x and y: the point of a charge or of a line through a point, in board coordinates; the three
// families take no point and keep 0, which is not written.
struct Step {
    StepKind kind = StepKind::colour_map;
    int x = 0;
    int y = 0;
    bool operator==(const Step&) const = default;
};

struct Setup {
    // The charges the grids were last computed from, when they differ from those on the board:
    // only possible when a line through a point was drawn on a board without charges, from grids
    // left by charges since cleared. Empty otherwise.
    std::optional<std::vector<SetupCharge>> grid_source;
    std::vector<Step> steps;
    MeasuringPoints points;
    bool operator==(const Setup&) const = default;
};

// The limits a setup's text keeps to. A longer text is refused before it is looked at, so
// reading never allocates in proportion to what it was given; the longest setup within the
// other limits takes about 11 200 bytes, so the byte limit leaves room for a link around it and
// for escapes.
inline constexpr int setup_version = 1;
inline constexpr int setup_max_charges = 14;  // charge steps, and the grid source
inline constexpr int setup_board_limit = 200; // |x| and |y| of every point
inline constexpr std::size_t setup_max_steps = 1000;
inline constexpr std::size_t setup_max_text = 32768; // bytes, as handed to read_setup

enum class SetupError {
    none,
    empty,            // nothing, or only white space, or a link whose fragment is empty
    not_a_setup,      // the first token is not a version
    damaged,          // a token that is not one of the forms above, or in the wrong place, or a
                      // measuring point's letter given twice
    newer_version,    // "v2" or later: written by a newer program
    too_many_charges, // more than 14 charge steps, or more than 14 charges in the grid source
    point_off_board,  // a point beyond -200..200 on either axis
    too_long,         // longer than setup_max_text bytes, or more than setup_max_steps steps
};

struct SetupResult {
    SetupError error = SetupError::none;
    Setup setup; // what was read, when error is none
    // Where, for damaged, too_many_charges, point_off_board and too_long by steps: the number
    // of the token, counting the version as 1, and the token as read (at most 32 bytes, each
    // byte that is not printable ASCII replaced by "?").
    std::size_t token_number = 0;
    std::string token;
    // The point, for point_off_board.
    int x = 0;
    int y = 0;
    explicit operator bool() const { return error == SetupError::none; }
};

// One line, canonical: the same setup always gives the same text.
std::string write_setup(const Setup& setup);

// The setup the text says, or why it says none. Never throws.
SetupResult read_setup(std::string_view text);

// Why write_setup(setup) would not read back as the same setup: the first limit it breaks, in
// the order of its text (the grid source, then the steps), as read_setup would report it; or
// damaged for a grid-source sign other than +1 and -1 or a family step with a point. None
// exactly when read_setup(write_setup(setup)) gives the setup back. A recorder asks before
// saving, so that nothing is saved that cannot be opened. The setup member stays empty.
SetupResult check_setup(const Setup& setup);
