#include "app/window_logic.h"

#include "app/form.h"
#include "app/readout.h"
#include "app/words.h"
#include "model/charges.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <type_traits>

namespace {

// FNV-1a, 64 bits, over the bytes of each value in turn.
class Digest {
  public:
    void add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) hash_ = (hash_ ^ bytes[i]) * 1099511628211ull;
    }
    // Plain values only: a string's object holds a pointer, so texts go in as string views.
    template <class T>
    requires std::is_trivially_copyable_v<T>
    void add(const T& value) { add(&value, sizeof value); }
    void add(std::string_view text) {
        add(text.size());
        add(text.data(), text.size());
    }
    std::uint64_t value() const { return hash_; }

  private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

} // namespace

WindowLogic::WindowLogic(Screen& screen) : screen_(screen), board_(screen) {
    reset_to_start();
}

WindowLogic::~WindowLogic() = default;

void WindowLogic::reset_to_start() {
    state_ = {};
    clear_board();
    board_tooltip_ = false;
    cursor_ = {board_size / 2, board_size / 2};
    clicks_.reset();
    drag_.end();
    drag_.hover_slot = 0;
    point_drag_.reset();
    hover_point_.reset();
    pointer_seen_ = false;
    history_.restart(setup());
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i] = form_texts(*form_control(readout_label_names()[i]), language()).caption;
}

void WindowLogic::click(Toggle button) {
    // A charge moved by keyboard is put down where it is before anything else happens.
    end_drag(false);
    end_point_drag(false);
    pressed_elsewhere();
    if (down(button))
        toggles_.raise(button);
    else
        toggles_.press(button);
    switch (button) {
    case Toggle::add_positive_tool:
        choose_add_positive();
        break;
    case Toggle::add_negative_tool:
        choose_add_negative();
        break;
    case Toggle::capacitor_button:
        place_capacitor();
        break;
    case Toggle::quadrupole_button:
        place_quadrupole();
        break;
    case Toggle::dipole_button:
        place_dipole();
        break;
    case Toggle::remove_tool:
        choose_remove();
        break;
    case Toggle::field_line_tool:
        toggle_field_line_tool();
        break;
    case Toggle::equipotential_tool:
        toggle_equipotential_tool();
        break;
    }
    note_change();
}

bool WindowLogic::click(std::string_view control) {
    struct Command {
        std::string_view name;
        void (WindowLogic::*handler)();
    };
    static constexpr Command commands[] = {
        {"colour_map_button", &WindowLogic::draw_colour_map},
        {"equipotentials_button", &WindowLogic::draw_equipotential_family},
        {"field_lines_button", &WindowLogic::draw_field_line_family},
        {"clear_button", &WindowLogic::clear_pictures_or_charges},
        {"colour_map_item", &WindowLogic::draw_colour_map},
        {"equipotentials_item", &WindowLogic::draw_equipotential_family},
        {"equipotential_item", &WindowLogic::choose_equipotential_tool},
        {"field_lines_item", &WindowLogic::draw_field_line_family},
        {"field_line_item", &WindowLogic::choose_field_line_tool},
        {"end_item", &WindowLogic::end_program},
        {"description_item", &WindowLogic::open_description},
        {"about_item", &WindowLogic::open_about},
        {"measurements_item", &WindowLogic::toggle_measurement_panel},
        {"measuring_tool", &WindowLogic::toggle_measuring_tool},
        {"remove_point_button", &WindowLogic::remove_chosen_point},
        {"remove_all_points_button", &WindowLogic::remove_all_points},
        {"record_button", &WindowLogic::record_measurement},
        {"delete_row_button", &WindowLogic::delete_selected_row},
        {"clear_table_button", &WindowLogic::clear_recorded_table},
        {"plot_button", &WindowLogic::toggle_plot},
    };
    for (const Language language : languages)
        if (language_item(language) == control) {
            set_language(language);
            return true;
        }
    for (int i = 0; i < toggle_count; ++i)
        if (toggle_names[i] == control) {
            click(static_cast<Toggle>(i));
            return true;
        }
    for (const Command& c : commands)
        if (c.name == control) {
            end_drag(false);
            end_point_drag(false);
            pressed_elsewhere();
            (this->*c.handler)();
            note_change();
            return true;
        }
    return false;
}

std::string_view WindowLogic::language_item(Language language) {
    switch (language) {
    case Language::polish:
        break;
    case Language::ukrainian:
        return "language_uk_item";
    case Language::english:
        return "language_en_item";
    }
    return "language_pl_item";
}

void WindowLogic::set_language(Language language) {
    words_ = &words_for(language);
    board_.set_words(*words_);
    // The readout says the same values in the new words; before the pointer came, the form's.
    if (pointer_seen_) {
        const auto cursor = cursor_;
        pointer_over_pixel(state_.pointer_column, state_.pointer_row);
        cursor_ = cursor;
    } else {
        for (std::size_t i = 0; i < labels_.size(); ++i)
            labels_[i] = form_texts(*form_control(readout_label_names()[i]), language).caption;
    }
    screen_.language_changed();
}

void WindowLogic::say_drawn(std::initializer_list<std::string_view> phrases) {
    std::string said;
    for (std::string_view phrase : phrases) {
        if (!said.empty()) said += words().list_separator;
        said += phrase;
    }
    screen_.announce(fill(words().drew, {said}));
}

void WindowLogic::pointer_over_pixel(int column, int row) {
    // Positions beyond the board (a drag past its edge) read the nearest edge pixel.
    column = std::clamp(column, 0, board_size - 1);
    row = std::clamp(row, 0, board_size - 1);
    board_tooltip_ = down(Toggle::field_line_tool) || down(Toggle::equipotential_tool);
    const std::string x = std::to_string(x_of_column(column));
    const std::string y = std::to_string(y_of_row(row));
    const Words& w = words();
    labels_[0] = fill(w.readout_x, {x});
    labels_[1] = fill(w.readout_y, {y});
    const FieldGrids& grids = board_.state().grids;
    labels_[2] = fill(w.readout_v, {x, y, readout_value(grids.v()[column][row])});
    labels_[3] = fill(w.readout_ex, {x, y, readout_value(grids.ex_at(column, row))});
    labels_[4] = fill(w.readout_ey, {x, y, readout_value(grids.ey_at(column, row))});
    state_.pointer_column = column;
    state_.pointer_row = row;
    cursor_ = {column, row};
    pointer_seen_ = true;
}

void WindowLogic::prepare() {
    prepare_grids(board_.state().grids);
}

std::uint32_t WindowLogic::grids_digest() const {
    return ::grids_digest(board_.state().grids);
}

std::uint64_t WindowLogic::program_digest() const {
    const BoardState& board = board_.state();
    Digest d;
    d.add(board.charges.count());
    for (const Charge& c : board.charges.stored())
        d.add(std::array<std::int32_t, 3>{c.x, c.y, c.sign});
    d.add(::grids_digest(board.grids));
    d.add(board.grids.range.min);
    d.add(board.grids.range.max);
    d.add(std::array<int, 3>{board.pen.red, board.pen.green, board.pen.blue});
    d.add(std::array<int, 5>{static_cast<int>(state_.tool_mode),
                             static_cast<int>(state_.scene_stage), state_.grids_stale,
                             state_.pointer_column, state_.pointer_row});
    d.add(toggles_.states());
    for (const std::string& l : labels_) d.add(std::string_view(l));
    d.add(board_tooltip_);
    const std::string steps = write_setup(setup());
    d.add(std::string_view(steps));
    d.add(history_.undo_size());
    d.add(history_.redo_size());
    const Canvas& canvas = board.canvas;
    d.add(canvas.data(), static_cast<std::size_t>(canvas.width() * canvas.height()) * sizeof(Rgb));
    d.add(cursor_);
    d.add(clicks_.holding());
    d.add(drag_.active());
    d.add(pointer_seen_);
    d.add(clicks_.has_last_click());
    d.add(std::array<int, 7>{panel_open_, chosen_point_, pair_[0], pair_[1], reference_,
                             static_cast<int>(recorded_.size()), point_drag_.has_value()});
    return d.value();
}
