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

WindowLogic::WindowLogic(Screen& screen) : screen_(screen) {
    reset_to_start();
}

WindowLogic::~WindowLogic() = default;

void WindowLogic::reset_to_start() {
    state_ = {};
    clear_board();
    board_tooltip_ = false;
    cursor_ = {board_size / 2, board_size / 2};
    held_.reset();
    last_click_.reset();
    drag_.reset();
    drag_due_.reset();
    hover_slot_ = 0;
    pointer_seen_ = false;
    noted_ = setup();
    undo_.clear();
    redo_.clear();
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i] = form_control(readout_label_names()[i])->caption;
}

void WindowLogic::click(Toggle button) {
    // A charge moved by keyboard is put down where it is before anything else happens.
    if (drag_) end_drag(false);
    pressed_elsewhere();
    if (down(button))
        raise(button);
    else
        press(button);
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
    };
    for (int i = 0; i < toggle_count; ++i)
        if (toggle_names[i] == control) {
            click(static_cast<Toggle>(i));
            return true;
        }
    for (const Command& c : commands)
        if (c.name == control) {
            if (drag_) end_drag(false);
            pressed_elsewhere();
            (this->*c.handler)();
            note_change();
            return true;
        }
    return false;
}

void WindowLogic::raise(Toggle button) {
    down_[index(button)] = false;
}

void WindowLogic::press(Toggle button) {
    if (index(button) <= index(Toggle::remove_tool))
        std::fill(down_.begin(), down_.begin() + index(Toggle::remove_tool) + 1, false);
    down_[index(button)] = true;
}

void WindowLogic::raise_charge_tools() {
    for (Toggle b : {Toggle::add_positive_tool, Toggle::add_negative_tool, Toggle::capacitor_button,
                     Toggle::quadrupole_button, Toggle::dipole_button, Toggle::remove_tool})
        raise(b);
}

void WindowLogic::raise_all_toggles() {
    raise_charge_tools();
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
}

void WindowLogic::draw_empty() {
    draw_empty_board(board_.canvas);
    steps_.clear();
    grid_source_.reset();
    screen_.board_changed();
}

void WindowLogic::draw_placed(const Charge& c) {
    draw_charge_marker(board_.canvas, c);
    steps_.push_back(
        {c.sign > 0 ? StepKind::positive_charge : StepKind::negative_charge, c.x, c.y});
    screen_.board_changed();
}

bool WindowLogic::add_charge(int column, int row, int sign) {
    const AddResult added = board_.charges.add(column, row, sign);
    if (added == AddResult::table_full) screen_.show_error(words().too_many_charges);
    return added == AddResult::added;
}

void WindowLogic::place(const ChargeSet& arrangement) {
    board_.charges.clear();
    draw_empty();
    for (const Charge& c : arrangement.stored()) {
        board_.charges.append(c);
        draw_placed(c);
    }
}

void WindowLogic::redraw_charges() {
    draw_empty_board(board_.canvas);
    draw_charge_markers(board_.canvas, board_.charges);
    record_charges();
    screen_.board_changed();
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
    const FieldGrids& grids = board_.grids;
    labels_[2] = fill(w.readout_v, {x, y, readout_value(grids.v()[column][row])});
    labels_[3] = fill(w.readout_ex, {x, y, readout_value(grids.ex()[column][row])});
    labels_[4] = fill(w.readout_ey, {x, y, readout_value(grids.ey()[column][row])});
    state_.pointer_column = column;
    state_.pointer_row = row;
    cursor_ = {column, row};
    pointer_seen_ = true;
}

namespace {

bool over_board(const PointerEvent& e) {
    return e.x >= 0.0 && e.x < board_size && e.y >= 0.0 && e.y < board_size;
}

} // namespace

int board_pixel(double position) {
    if (!(position >= 0.0)) return 0;
    return static_cast<int>(std::min(std::floor(position), double(board_size - 1)));
}

void WindowLogic::move_pointer(const PointerEvent& e) {
    pointer_over_pixel(board_pixel(e.x), board_pixel(e.y));
}

void WindowLogic::pointer_pressed(const PointerEvent& e) {
    // Only the primary button works the board; the others leave a click in progress alone.
    if (e.button != PointerButton::primary) return;
    const double near =
        e.kind == PointerKind::touch ? double_click_.touch_distance : double_click_.mouse_distance;
    const bool second = last_click_ && last_click_->kind == e.kind &&
                        e.time_ms - last_click_->time_ms < double_click_.interval_ms &&
                        std::fabs(e.x - last_click_->x) <= near &&
                        std::fabs(e.y - last_click_->y) <= near;
    held_ = Press{e.kind, !second};
    // A click lands where it was pressed, even when no move came before (touch, tablets).
    move_pointer(e);
    if (drag_) return;
    if (const int slot = charge_under(state_.pointer_column, state_.pointer_row)) {
        begin_drag(slot, false);
        if (drag_) {
            drag_->from_x = e.x;
            drag_->from_y = e.y;
        }
    }
}

void WindowLogic::pointer_moved(const PointerEvent& e) {
    if (!over_board(e) && !held_) return;
    move_pointer(e);
    if (drag_ && !drag_->by_keyboard && held_) {
        // Within a double click's reach a press and release stay a click.
        const double reach = e.kind == PointerKind::touch ? double_click_.touch_distance
                                                          : double_click_.mouse_distance;
        if (!drag_->moved && std::fabs(e.x - drag_->from_x) <= reach &&
            std::fabs(e.y - drag_->from_y) <= reach)
            return;
        drag_->moved = true;
        drag_due_ = {state_.pointer_column, state_.pointer_row};
        return;
    }
    hover_slot_ = drag_ ? 0 : charge_under(state_.pointer_column, state_.pointer_row);
}

void WindowLogic::pointer_released(const PointerEvent& e) {
    if (e.button != PointerButton::primary || !held_) return;
    const bool clicks = held_->clicks;
    held_.reset();
    if (drag_ && !drag_->by_keyboard) {
        const bool moved = drag_->moved;
        if (moved) {
            move_pointer(e);
            drag_to(state_.pointer_column, state_.pointer_row);
            end_drag(false);
            last_click_.reset();
            return;
        }
        drag_.reset();
    }
    if (!over_board(e)) return;
    move_pointer(e);
    // The release after a double click's second press ends the pair: a third press clicks.
    if (clicks)
        last_click_ = LastClick{e.kind, e.time_ms, e.x, e.y};
    else
        last_click_.reset();
    if (clicks) {
        board_click();
        note_change();
    }
}

void WindowLogic::pointer_cancelled() {
    held_.reset();
    if (drag_ && !drag_->by_keyboard) end_drag(drag_->moved);
}

void WindowLogic::pressed_elsewhere() {
    last_click_.reset();
}

void WindowLogic::board_key(BoardKey key, bool shift, bool repeat) {
    const int step = shift ? 10 : 1;
    if (key == BoardKey::escape) {
        if (drag_) end_drag(true);
        return;
    }
    auto [x, y] = cursor_;
    switch (key) {
    case BoardKey::left:
        x -= step;
        break;
    case BoardKey::right:
        x += step;
        break;
    case BoardKey::up:
        y -= step;
        break;
    case BoardKey::down:
        y += step;
        break;
    case BoardKey::home:
        x = y = board_size / 2;
        break;
    case BoardKey::escape:
        return;
    case BoardKey::activate:
        // A held key clicks once, as a held mouse button does.
        if (repeat) return;
        // With no tool chosen, the key picks up the charge under the cursor and puts it down.
        if (drag_ && drag_->by_keyboard) {
            end_drag(false);
            return;
        }
        if (const int slot = charge_under(x, y); slot != 0 && !drag_) {
            begin_drag(slot, true);
            if (drag_) {
                drag_->moved = true;
                screen_.announce(charge_place(words().moving_positive, words().moving_negative));
            }
            return;
        }
        pressed_elsewhere();
        pointer_over_pixel(x, y);
        board_click();
        note_change();
        return;
    }
    pointer_over_pixel(x, y);
    if (drag_ && drag_->by_keyboard) {
        drag_to(cursor_[0], cursor_[1]);
        screen_.announce_progress(charge_place(words().moving_positive, words().moving_negative));
    }
}

void WindowLogic::board_click() {
    switch (state_.tool_mode) {
    case ToolMode::remove:
        if (board_.charges.empty() || !down(Toggle::remove_tool)) return;
        raise(Toggle::field_line_tool);
        raise(Toggle::equipotential_tool);
        if (!board_.charges.remove_near(state_.pointer_column, state_.pointer_row)) return;
        redraw_charges();
        state_.scene_stage = SceneStage::with_charges;
        state_.grids_stale = true;
        return;
    case ToolMode::positive:
    case ToolMode::negative:
        if (!down(Toggle::add_positive_tool) && !down(Toggle::add_negative_tool)) return;
        if (!add_charge(state_.pointer_column, state_.pointer_row,
                        static_cast<int>(state_.tool_mode)))
            return;
        draw_placed(board_.charges.slot(board_.charges.count()));
        state_.scene_stage = SceneStage::with_charges;
        state_.grids_stale = true;
        return;
    case ToolMode::equipotential:
        draw_equipotential_at_pointer();
        return;
    case ToolMode::field_line:
        draw_field_line_at_pointer();
        return;
    }
}

void WindowLogic::choose_add_positive() {
    state_.tool_mode = ToolMode::positive;
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
}

void WindowLogic::choose_add_negative() {
    state_.tool_mode = ToolMode::negative;
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
}

void WindowLogic::choose_remove() {
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
    if (down(Toggle::remove_tool)) state_.tool_mode = ToolMode::remove;
}

void WindowLogic::place_dipole() {
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
    press(Toggle::dipole_button);
    state_.tool_mode = ToolMode::positive;
    place(dipole_charges());
    press(Toggle::dipole_button);
    state_.scene_stage = SceneStage::with_charges;
    state_.grids_stale = true;
    state_.tool_mode = ToolMode::remove;
}

void WindowLogic::place_quadrupole() {
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
    state_.scene_stage = SceneStage::with_charges;
    state_.tool_mode = ToolMode::negative;
    place(quadrupole_charges(static_cast<int>(state_.tool_mode)));
    state_.grids_stale = true;
    state_.tool_mode = ToolMode::remove;
}

void WindowLogic::place_capacitor() {
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
    state_.scene_stage = SceneStage::with_charges;
    state_.tool_mode = ToolMode::positive;
    place(capacitor_charges());
    state_.grids_stale = true;
    state_.tool_mode = ToolMode::remove;
}

void WindowLogic::clear_pictures_or_charges() {
    if (state_.scene_stage == SceneStage::empty) return;
    if (state_.scene_stage == SceneStage::with_charges) {
        board_.charges.clear();
        state_.tool_mode = ToolMode::remove;
        state_.scene_stage = SceneStage::empty;
        state_.grids_stale = false;
        if (down(Toggle::add_positive_tool) || down(Toggle::add_negative_tool) ||
            down(Toggle::capacitor_button) || down(Toggle::quadrupole_button) ||
            down(Toggle::dipole_button))
            for (Toggle b :
                 {Toggle::add_positive_tool, Toggle::add_negative_tool, Toggle::capacitor_button,
                  Toggle::quadrupole_button, Toggle::dipole_button})
                raise(b);
        raise(Toggle::field_line_tool);
        raise(Toggle::equipotential_tool);
        draw_empty();
        return;
    }
    state_.scene_stage = SceneStage::with_charges;
    raise(Toggle::field_line_tool);
    raise(Toggle::equipotential_tool);
    if (down(Toggle::capacitor_button) || down(Toggle::quadrupole_button)) {
        raise(Toggle::capacitor_button);
        raise(Toggle::quadrupole_button);
        state_.tool_mode = ToolMode::remove;
    }
    if (down(Toggle::add_positive_tool)) state_.tool_mode = ToolMode::positive;
    if (down(Toggle::add_negative_tool)) state_.tool_mode = ToolMode::negative;
    redraw_charges();
}

void WindowLogic::end_program() {
    screen_.end_program();
}

void WindowLogic::prepare() {
    prepare_grids(board_.grids);
}

std::uint32_t WindowLogic::grids_digest() const {
    return ::grids_digest(board_.grids);
}

std::uint64_t WindowLogic::program_digest() const {
    Digest d;
    d.add(board_.charges.count());
    for (const Charge& c : board_.charges.stored())
        d.add(std::array<std::int32_t, 3>{c.x, c.y, c.sign});
    d.add(::grids_digest(board_.grids));
    d.add(board_.grids.range.min);
    d.add(board_.grids.range.max);
    d.add(std::array<int, 3>{board_.pen.red, board_.pen.green, board_.pen.blue});
    d.add(std::array<int, 5>{static_cast<int>(state_.tool_mode),
                             static_cast<int>(state_.scene_stage), state_.grids_stale,
                             state_.pointer_column, state_.pointer_row});
    d.add(down_);
    for (const std::string& l : labels_) d.add(std::string_view(l));
    d.add(board_tooltip_);
    const std::string steps = write_setup(setup());
    d.add(std::string_view(steps));
    d.add(undo_.size());
    d.add(redo_.size());
    const Canvas& canvas = board_.canvas;
    d.add(canvas.data(), static_cast<std::size_t>(canvas.width() * canvas.height()) * sizeof(Rgb));
    d.add(cursor_);
    d.add(held_.has_value());
    d.add(drag_.has_value());
    d.add(pointer_seen_);
    d.add(last_click_.has_value());
    return d.value();
}
