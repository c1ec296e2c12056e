// The board as a setup: recording its steps, rebuilding it from them, opening one from a text
// or a saved picture, and the history that undo and redo walk.
#include "app/png_text.h"
#include "app/setup_messages.h"
#include "app/window_logic.h"
#include "app/words.h"
#include "model/field.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <algorithm>

namespace {

std::vector<SetupCharge> stored_as_setup(const ChargeSet& charges) {
    std::vector<SetupCharge> out;
    for (const Charge& c : charges.stored()) out.push_back({c.x, c.y, c.sign});
    return out;
}

bool is_picture(const Step& s) {
    return s.kind != StepKind::positive_charge && s.kind != StepKind::negative_charge;
}

} // namespace

void WindowLogic::record_charges() {
    steps_.clear();
    grid_source_.reset();
    for (const Charge& c : board_.charges.stored())
        steps_.push_back(
            {c.sign > 0 ? StepKind::positive_charge : StepKind::negative_charge, c.x, c.y});
}

void WindowLogic::record(StepKind kind, int column, int row) {
    steps_.push_back({kind, x_of_column(column), y_of_row(row)});
    // A family has no point of its own.
    if (kind == StepKind::colour_map || kind == StepKind::equipotentials ||
        kind == StepKind::field_lines)
        steps_.back().x = steps_.back().y = 0;
    // A line through a point drawn without charges follows the grids as they were left: the
    // setup says which charges they came from.
    if (kind == StepKind::equipotential_at && board_.charges.empty() && !grid_source_ &&
        !grids_from_.empty())
        grid_source_ = grids_from_;
}

std::vector<std::string> WindowLogic::pictures() const {
    const Words& w = words();
    std::vector<std::string> phrases;
    for (const Step& s : steps_) {
        const std::string x = std::to_string(s.x);
        const std::string y = std::to_string(s.y);
        switch (s.kind) {
        case StepKind::positive_charge:
        case StepKind::negative_charge:
            break;
        case StepKind::colour_map:
            phrases.emplace_back(w.colour_map);
            break;
        case StepKind::equipotentials:
            phrases.emplace_back(w.equipotentials);
            break;
        case StepKind::field_lines:
            phrases.emplace_back(w.field_lines);
            break;
        case StepKind::equipotential_at:
            phrases.push_back(fill(w.equipotential_at, {x, y}));
            break;
        case StepKind::field_line_at:
            phrases.push_back(fill(w.field_line_at, {x, y}));
            break;
        }
    }
    return phrases;
}

Setup WindowLogic::setup() const {
    return {grid_source_, steps_};
}

std::string WindowLogic::setup_text() const {
    const Setup s = setup();
    return check_setup(s) ? write_setup(s) : std::string();
}

void WindowLogic::clear_board() {
    board_.clear();
    state_.tool_mode = ToolMode::remove;
    state_.scene_stage = SceneStage::empty;
    state_.grids_stale = false;
    down_ = {};
    grids_from_.clear();
    draw_empty();
}

void WindowLogic::rebuild(const Setup& setup) {
    clear_board();
    if (setup.grid_source && !setup.grid_source->empty()) {
        for (const SetupCharge& c : *setup.grid_source)
            add_charge(column_of_x(c.x), row_of_y(c.y), c.sign);
        compute_grids();
        board_.charges.clear();
    }
    auto fresh = [this] { return grids_from_ == stored_as_setup(board_.charges); };
    for (const Step& step : setup.steps) {
        const int column = column_of_x(step.x);
        const int row = row_of_y(step.y);
        switch (step.kind) {
        case StepKind::positive_charge:
        case StepKind::negative_charge:
            if (add_charge(column, row, step.kind == StepKind::positive_charge ? 1 : -1))
                draw_placed(board_.charges.slot(board_.charges.count()));
            break;
        case StepKind::colour_map:
            if (!fresh()) compute_grids();
            paint_colour_map();
            break;
        case StepKind::equipotentials:
            if (board_.charges.empty()) break;
            if (!fresh()) compute_grids();
            ::draw_equipotential_family(board_.canvas, board_.grids, board_.charges, board_.pen,
                                        screen_, *board_.buffers);
            record(StepKind::equipotentials);
            break;
        case StepKind::field_lines:
            if (board_.charges.empty()) break;
            ::draw_field_line_family(board_.canvas, board_.charges, *board_.buffers);
            record(StepKind::field_lines);
            break;
        case StepKind::equipotential_at:
            if (!board_.charges.empty() && !fresh()) compute_grids();
            if (draw_equipotential_through(board_.canvas, board_.grids, board_.charges, column, row,
                                           board_.pen))
                record(StepKind::equipotential_at, column, row);
            break;
        case StepKind::field_line_at:
            if (board_.charges.empty() || !on_board(column, row)) break;
            draw_field_line_through(board_.canvas, board_.charges, step.x, step.y);
            record(StepKind::field_line_at, column, row);
            break;
        }
    }
    // Every button up and no tool chosen; Clear takes the pictures first, then the charges.
    state_.tool_mode = ToolMode::remove;
    state_.scene_stage = std::any_of(steps_.begin(), steps_.end(), is_picture) ? SceneStage::picture
                         : !board_.charges.empty() ? SceneStage::with_charges
                                                   : SceneStage::empty;
    state_.grids_stale = !board_.charges.empty() && !fresh();
    screen_.board_changed();
    // The readout reads the new grids where the pointer is, once it has been on the board; the
    // keyboard cursor stays put.
    const auto cursor = cursor_;
    if (pointer_seen_) pointer_over_pixel(state_.pointer_column, state_.pointer_row);
    cursor_ = cursor;
}

void WindowLogic::note_change() {
    Setup now = setup();
    if (now == noted_) return;
    undo_.push_back(std::move(noted_));
    if (undo_.size() > undo_depth) undo_.erase(undo_.begin());
    redo_.clear();
    noted_ = std::move(now);
    ++setup_changes_;
}

bool WindowLogic::open_setup(std::string_view text) {
    if (drag_) end_drag(false);
    const SetupResult read = read_setup(text);
    if (!read) {
        screen_.show_error(setup_error_text(read));
        return false;
    }
    rebuild(read.setup);
    note_change();
    screen_.announce(words().opened);
    return true;
}

bool WindowLogic::open_picture(std::span<const unsigned char> file) {
    const PngTextResult read = read_text_chunk(file, setup_text_key);
    if (!read) {
        screen_.show_error(picture_error_text(read.error));
        return false;
    }
    return open_setup(read.text);
}

std::vector<unsigned char>
WindowLogic::with_picture_texts(std::span<const unsigned char> png) const {
    std::vector<unsigned char> out =
        with_text_chunk(png, picture_text_key, picture_description(), TextEncoding::utf8);
    const std::string text = setup_text();
    if (!out.empty() && !text.empty()) out = with_text_chunk(out, setup_text_key, text);
    return out;
}

bool WindowLogic::step_history(std::vector<Setup>& from, std::vector<Setup>& to,
                               std::string_view said) {
    if (drag_) end_drag(false);
    if (from.empty()) return false;
    to.push_back(std::move(noted_));
    rebuild(from.back());
    from.pop_back();
    noted_ = setup();
    ++setup_changes_;
    screen_.announce(said);
    return true;
}

bool WindowLogic::undo() {
    return step_history(undo_, redo_, words().undone);
}

bool WindowLogic::redo() {
    return step_history(redo_, undo_, words().redone);
}
