#pragma once

#include "app/board_state.h"
#include "app/charge_drag.h"
#include "app/gestures.h"
#include "app/history.h"
#include "app/line_plot.h"
#include "app/measurement_table.h"
#include "app/measuring.h"
#include "app/picture.h"
#include "app/recorded_board.h"
#include "app/screen.h"
#include "app/setup.h"
#include "app/state.h"
#include "app/toggles.h"
#include "model/charges.h"
#include "render/canvas.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The main window's behaviour, free of any toolkit: every handler, the interaction state, the
// readout texts, the board tooltip switch and what a pointer or a key on the board means. It
// composes the parts that keep their own state: the board and its recorded steps
// (RecordedBoard), the eight toggle states (ToggleStates), the click recogniser
// (ClickRecogniser), the charge being moved (ChargeDrag) and undo and redo (History). A shell
// forwards raw input and control presses, then mirrors what changed.
class WindowLogic final {
  public:
    // Runs the start-up sequence at once; the screen must outlive the window.
    explicit WindowLogic(Screen& screen);
    ~WindowLogic();
    WindowLogic(const WindowLogic&) = delete;
    WindowLogic& operator=(const WindowLogic&) = delete;

    // A user's click on a toggle button: flips it (pressing one of the six raises the other
    // five), then runs its handler.
    void click(Toggle button);
    // A click on the button or menu item of this form name: a toggle button as click() does it,
    // anything else by running its handler. False, doing nothing, for a name the form lacks.
    bool click(std::string_view control);

    // The pointer on the board. A primary press and its release over the board make one board
    // click at the release, except the second press of a double click, which makes none. While
    // a press is held, moves beyond the edges read the nearest edge pixel.
    void pointer_pressed(const PointerEvent& e);
    void pointer_moved(const PointerEvent& e);
    void pointer_released(const PointerEvent& e);
    // Cancels a press in progress; a charge being moved goes back.
    void pointer_cancelled();
    // A press anywhere but the board: the next press on the board starts a new pair.
    void pressed_elsewhere();
    void set_double_click_rule(const DoubleClickRule& rule) { clicks_.set_rule(rule); }

    // Moving a charge. While no tool is chosen (a board click would do nothing), a press on a
    // charge's marker followed by a move farther than a double click's reach drags the charge;
    // the release puts it there, Escape puts it back, and the board follows as if the charge had
    // stood there from the start. Moves only note where the charge is wanted; frame() redraws,
    // at most once per displayed frame, and says whether it did. With lines_later, a field-line
    // family that is the last picture is left to draw_due_lines, its passes traced elsewhere
    // meanwhile (the page's worker) from the charges on the board; until then the board is not
    // to be shown. Whether it left one: lines_due().
    bool frame(bool lines_later = false);
    bool lines_due() const { return board_.lines_due(); }
    // Draws the family a frame left, from its passes listed as traced_lines lists them; a list
    // that is not the family of the board's charges, or none, is traced here instead.
    void draw_due_lines(std::span<const int> traced = {});
    // The charges of the frame due, when frame(true) would leave its lines: its last picture is
    // the field-line family. The lines can be traced for them before the frame is drawn.
    std::optional<ChargeSet> due_lines_charges() const;
    bool dragging() const { return drag_.moved(); }
    PointerShape pointer_shape() const;

    // A key on the focused board: a move steps the cursor one pixel (ten with shift), clamped to
    // the board, home puts it on the centre pixel; each is a pointer move there. Activate is a
    // board click at the cursor; a held key (repeat) clicks once.
    void board_key(BoardKey key, bool shift, bool repeat = false);
    // The keyboard cursor in board pixels: the last pointer position, the centre before any.
    std::array<int, 2> cursor() const { return cursor_; }

    // Handlers, named after what they do; a picture command's button and menu item run the same
    // one.
    void reset_to_start();
    void pointer_over_pixel(int column, int row);
    void board_click();
    void choose_add_positive();
    void choose_add_negative();
    void place_capacitor();
    void place_quadrupole();
    void place_dipole();
    void choose_remove();
    void clear_pictures_or_charges();
    void end_program();
    void draw_colour_map();
    void draw_equipotential_family();
    void toggle_equipotential_tool();
    void choose_equipotential_tool();
    void draw_field_line_family();
    void toggle_field_line_tool();
    void choose_field_line_tool();
    void open_description();
    void open_about();

    // The measurement panel ("Pomiary") and the measuring points. The points belong to the board
    // (its setup, undo and a link carry them); the recorded table is the student's and stays
    // through undo and opening.
    bool panel_open() const { return panel_open_; }
    void toggle_measurement_panel();
    // The measuring tool: a board click (or the board's Enter) places the next free letter.
    void toggle_measuring_tool();
    void remove_chosen_point();
    void remove_all_points();
    // Adds a row for the chosen point; says why not where there is none.
    void record_measurement();
    void delete_selected_row();
    void clear_recorded_table();
    // The panel's controls by form name: a label's text, a choice's items and which is chosen,
    // a table, a toggle's state. Choosing an item outside the list does nothing.
    std::string panel_text(std::string_view control) const;
    std::vector<std::string> panel_choices(std::string_view control) const;
    int panel_chosen(std::string_view control) const;
    void choose(std::string_view control, int index);
    TableView panel_table(std::string_view control) const;
    bool panel_down(std::string_view control) const;
    // The row of the recorded table that Delete takes, or -1.
    void select_recorded_row(int row);
    int selected_recorded_row() const { return selected_row_; }
    const std::vector<RecordedMeasurement>& recorded() const { return recorded_; }
    // The recorded table for the clipboard and as pomiary.csv; a screen says table_copied.
    std::string recorded_table_text() const;
    std::string recorded_table_csv() const;
    // Counts every change of the panel's own state (points chosen, rows, the tool); a change of
    // the board, which the values follow, is counted by setup_changes() and shown by frames.
    int panel_changes() const { return panel_changes_; }
    const MeasuringPoints& measuring_points() const { return board_.points(); }
    // Says the values at the point under the board's cursor, or at the chosen point.
    void say_point_values();
    // The board as a screen shows, saves, copies and prints it: the pictures with the measuring
    // points drawn over them; the pictures alone while no point is placed.
    const Canvas& shown_board() const;

    // The plot along the pair's segment, in a window of its own opened by the panel's "Wykres":
    // its picture (SVG), its reading and what is said of it follow the board and the points, and
    // the segment and the sample read are drawn over the board while it is open.
    // Shown with the panel only: closing the panel hides it, opening it again brings it back.
    bool plot_open() const { return plot_open_ && panel_open_; }
    // The sample the plot is read at and how many there are, for a screen's slider.
    std::optional<int> plot_reading_sample() const { return reading_index(line_plot()); }
    void toggle_plot();
    LinePlot line_plot() const;
    std::string plot_picture() const;
    // The reading at the sample nearest to x in the picture's units, or moved along by samples.
    void read_plot_at(double x);
    void step_plot_reading(int samples);
    std::string plot_samples_text() const;
    std::string plot_samples_csv() const;

    // The language the window speaks: its readout, its boxes, what it says and writes. Choosing
    // one keeps the board, the history and the pointer, and tells the screen to show its words.
    Language language() const { return words_->language; }
    void set_language(Language language);
    const Words& words() const { return *words_; }
    // The language menu's item of each language, by the form's name.
    static std::string_view language_item(Language language);

    // The interaction state; writable so that tests can set up the situations they check.
    InteractionState& state() { return state_; }
    const InteractionState& state() const { return state_; }

    bool down(Toggle button) const { return toggles_.down(button); }
    // x_readout..ey_readout as UTF-8, index 0..4.
    const std::array<std::string, 5>& labels() const { return labels_; }
    // Whether the board shows its tooltip "Kliknij".
    bool board_tooltip() const { return board_tooltip_; }
    // What the board shows besides the empty board and the charges, as short phrases in the
    // order they were drawn ("mapa potencjału", "linia sił przez (50, 0)", ...): the pictures
    // among the board's steps.
    std::vector<std::string> pictures() const { return board_.pictures(); }
    // The stored charges and the pictures, as a saved picture of the board describes them.
    std::string picture_description() const {
        return ::picture_description(board_.state().charges.stored(), pictures(), words());
    }
    const Canvas& board() const { return board_.state().canvas; }
    Canvas& board() { return board_.state().canvas; }
    // The board's charges, grids, range and pen; writable, as state() is, for tests.
    const BoardState& board_state() const { return board_.state(); }
    BoardState& board_state() { return board_.state(); }

    // The board as a setup: the steps since it was last repainted empty, which rebuild it in a
    // freshly started program.
    Setup setup() const { return board_.setup(); }
    // Its text, for a link and a saved picture; empty when the board holds more than a setup's
    // text can say (a thousand steps).
    std::string setup_text() const;
    // Opens a setup, or a link that holds one, or a picture saved by the program: the board it
    // says replaces this one, with every button up and no tool chosen. Anything else is refused
    // with a message, and the board stays exactly as it was.
    bool open_setup(std::string_view text);
    bool open_picture(std::span<const unsigned char> file);
    // The picture's PNG with the description and the setup in its text chunks.
    std::vector<unsigned char> with_picture_texts(std::span<const unsigned char> png) const;
    // Takes the board back one change (a charge placed or removed, an arrangement, a picture,
    // either Clear, an opened board), or forward again; false when there is none.
    bool undo();
    bool redo();
    bool can_undo() const { return history_.can_undo(); }
    bool can_redo() const { return history_.can_redo(); }
    // How many changes the board keeps for undo.
    static constexpr std::size_t undo_depth = History::depth;
    // Counts every change of the board's setup, so a screen knows when to show it anew.
    int setup_changes() const { return history_.changes(); }

    // Readies the field's tables and the grids' memory, so the first picture costs no more
    // than the next; a page calls it while idle after start.
    void prepare();
    // The grids' digest: two builds computed the same grids bit for bit when theirs agree.
    std::uint32_t grids_digest() const;
    // A digest of every piece of program state: charges, grids, range, the drawing state,
    // the interaction state, toggles, readout, tooltip, pictures, board pixels, cursor and the
    // pointer's pair.
    std::uint64_t program_digest() const;

  private:
    // Computes the grids (the first only when they are stale), as the picture commands ask
    // first; true when it did. The board shows a picture from then on.
    bool compute_grids_if_stale();
    bool compute_grids();
    // The colour map over the whole board; false without charges.
    bool paint_colour_map();
    // F(r) or V=const after its button was flipped or pressed: the other one up and, unless the
    // picture commands' guard stops it, the charge tools up and the board showing a picture;
    // whether its button is down.
    bool enter_point_tool(Toggle button);
    // Says what a command drew, in one sentence.
    void say_drawn(std::initializer_list<std::string_view> phrases);
    void draw_equipotential_at_pointer();
    void draw_field_line_at_pointer();
    std::string at_pointer(std::string_view pattern) const;

    // Pointer pixels clamped to the board.
    void move_pointer(const PointerEvent& e);

    // Everything of the board back at the start, the pointer and the history aside.
    void clear_board();
    // The board a setup says, with every button up and no tool chosen.
    void rebuild(const Setup& setup, bool lines_later = false);
    // After a user's action: a changed board is a step of the history.
    void note_change();
    // Rebuilds the board the history steps to, if any, saying so.
    bool step_history(std::optional<Setup> to, std::string_view said);

    // The slot of the charge whose marker lies under the pixel (the one drawn last), or 0; only
    // while no tool is chosen, when a board click would do nothing.
    int charge_under(int column, int row) const;
    void begin_drag(int slot, bool by_keyboard, double x = 0, double y = 0);
    // The board with the dragged charge at the pixel, every button and the mode as they were.
    void drag_to(int column, int row, bool lines_later = false);
    void end_drag(bool put_back);
    std::string charge_place(std::string_view positive, std::string_view negative) const;

    // Measuring points under the pointer, picked up and moved; the panel's state besides.
    std::optional<int> point_under(int column, int row) const;
    void begin_point_drag(int index, bool by_keyboard, double x = 0, double y = 0);
    void move_point_to(int column, int row);
    void end_point_drag(bool put_back);
    void place_point_at_pointer();
    std::string point_said(int index) const;
    void panel_changed() { ++panel_changes_; }

    struct PointDrag {
        int index = 0;
        MeasuringPoint from;
        bool by_keyboard = false;
        bool moved = false;
        double from_x = 0;
        double from_y = 0;
    };

    Screen& screen_;
    const Words* words_ = &::words();
    RecordedBoard board_;
    bool panel_open_ = false;
    // The point that Zapisz pomiar records and keys move: the last placed, moved or chosen.
    int chosen_point_ = 0;
    std::array<int, 2> pair_{0, 1};
    // The distance's reference: 0 the origin, n the nth charge.
    int reference_ = 0;
    std::vector<RecordedMeasurement> recorded_;
    int selected_row_ = -1;
    int panel_changes_ = 0;
    std::optional<PointDrag> point_drag_;
    mutable Canvas shown_{board_size, board_size};
    std::optional<int> hover_point_;
    bool plot_open_ = false;
    // The sample the plot is read at, kept as a share of the segment so that it stays in place
    // while the segment changes length; none until the plot is read.
    std::optional<double> plot_reading_;
    std::optional<int> reading_index(const LinePlot& plot) const;
    // The last plot sampled and what it was sampled from, so that the picture, the reading, the
    // summary and the board's segment of one frame sample it once.
    struct SampledPlot {
        ChargeSet charges;
        MeasuringPoint from, to;
        std::array<int, 2> pair;
        LinePlot plot;
    };
    mutable std::optional<SampledPlot> sampled_plot_;
    InteractionState state_;
    ToggleStates toggles_;
    std::array<std::string, 5> labels_;
    bool board_tooltip_ = false;
    std::array<int, 2> cursor_{board_size / 2, board_size / 2};
    // Whether a pointer or the keyboard's cursor has been on the board since start-up.
    bool pointer_seen_ = false;
    History history_;
    ClickRecogniser clicks_;
    ChargeDrag drag_;
};
