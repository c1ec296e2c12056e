#pragma once

#include "app/board_state.h"
#include "app/measuring.h"
#include "app/screen.h"
#include "app/setup.h"
#include "model/charges.h"

#include <optional>
#include <string>
#include <vector>

// The board and the steps that painted it since it was last repainted empty: every drawing
// goes through here and is recorded as it is drawn, so the setup always says the board, and
// replaying a setup paints the same pixels. It knows nothing of buttons or tools.
class RecordedBoard {
  public:
    // The screen must outlive the board; it shows the progress bar and the board.
    explicit RecordedBoard(Screen& screen) : screen_(screen) {}

    // The words its error box and its pictures' phrases are in; they must outlive the board.
    void set_words(const Words& w) { words_ = &w; }

    BoardState& state() { return board_; }
    const BoardState& state() const { return board_; }

    // Charges, grids and range as at the start, on the empty board.
    void clear();
    // The empty board, with nothing recorded on it.
    void draw_empty();
    // Adds a charge at the pixel, saying so when the table is full; the board is not redrawn.
    bool add_charge(int column, int row, int sign);
    // Adds a charge at the pixel and draws its marker.
    bool place_charge(int column, int row, int sign);
    // Replaces the charges by a ready-made arrangement on the empty board.
    void place(const ChargeSet& arrangement);
    // The empty board with every stored charge on it.
    void redraw_charges();
    // The grids from the stored charges; false when there are none to compute from.
    bool compute_grids();
    // Whether the grids were last computed from the charges on the board.
    bool grids_fresh() const;
    // The colour map over the whole board, recorded as its one picture; false without charges.
    bool paint_colour_map();
    // The families and the lines through a pixel, drawn and recorded; the screen is told by the
    // caller. A line through a point says whether it drew anything.
    void draw_equipotential_family();
    void draw_field_line_family();
    bool draw_equipotential_through(int column, int row);
    void draw_field_line_through(int column, int row);

    // Paints the board a setup says on the cleared board, step by step. With lines_later, a
    // field-line family that is the last step is recorded but left to draw_due_lines, so that
    // its passes can be traced elsewhere meanwhile.
    void replay(const Setup& setup, bool lines_later = false);
    // Whether a replay left its field-line family to be drawn.
    bool lines_due() const { return lines_due_; }
    // Draws the family left by the replay from the passes in the board's buffers, which must be
    // those trace_field_line_family gives for the charges on the board.
    void draw_due_lines();
    Setup setup() const { return {grid_source_, steps_, points_}; }
    // The measuring points: over the board, in its setup, kept when it is repainted empty.
    MeasuringPoints& points() { return points_; }
    const MeasuringPoints& points() const { return points_; }
    // Whether a picture is among the steps.
    bool shows_picture() const;
    // The pictures among the steps as short phrases, in the order they were drawn.
    std::vector<std::string> pictures() const;

  private:
    void record_charges();
    void record(StepKind kind, int column = board_centre, int row = board_centre);

    Screen& screen_;
    const Words* words_ = &words();
    BoardState board_;
    std::vector<Step> steps_;
    std::optional<std::vector<SetupCharge>> grid_source_;
    MeasuringPoints points_;
    // The charges the grids were last computed from.
    std::vector<SetupCharge> grids_from_;
    bool lines_due_ = false;
};
