#include "app/recorded_board.h"

#include "app/words.h"
#include "model/field.h"
#include "render/board.h"
#include "render/colour_map.h"
#include "render/equipotentials.h"
#include "render/field_lines.h"

#include <algorithm>

namespace {

std::vector<SetupCharge> stored_as_setup(const ChargeSet& charges) {
    std::vector<SetupCharge> out;
    for (const Charge& c : charges.stored()) out.push_back({c.x, c.y, c.sign});
    return out;
}

Step charge_step(const Charge& c) {
    return {c.sign > 0 ? StepKind::positive_charge : StepKind::negative_charge, c.x, c.y};
}

} // namespace

void RecordedBoard::clear() {
    board_.clear();
    grids_from_.clear();
    points_.clear();
    draw_empty();
}

void RecordedBoard::draw_empty() {
    lines_due_ = false;
    draw_empty_board(board_.canvas);
    steps_.clear();
    grid_source_.reset();
    screen_.board_changed();
}

bool RecordedBoard::add_charge(int column, int row, int sign) {
    const AddResult added = board_.charges.add(column, row, sign);
    if (added == AddResult::table_full)
        screen_.show_error(
            fill(words_->too_many_charges, {counted(*words_, words_->charges, max_charges)}));
    return added == AddResult::added;
}

bool RecordedBoard::place_charge(int column, int row, int sign) {
    if (!add_charge(column, row, sign)) return false;
    const Charge& c = board_.charges.slot(board_.charges.count());
    draw_charge_marker(board_.canvas, c);
    steps_.push_back(charge_step(c));
    screen_.board_changed();
    return true;
}

void RecordedBoard::place(const ChargeSet& arrangement) {
    board_.charges.clear();
    draw_empty();
    for (const Charge& c : arrangement.stored()) {
        board_.charges.append(c);
        draw_charge_marker(board_.canvas, c);
        steps_.push_back(charge_step(c));
        screen_.board_changed();
    }
}

void RecordedBoard::redraw_charges() {
    draw_empty_board(board_.canvas);
    draw_charge_markers(board_.canvas, board_.charges);
    record_charges();
    screen_.board_changed();
}

bool RecordedBoard::compute_grids() {
    if (!::compute_grids(board_.grids, board_.charges, screen_)) return false;
    grids_from_ = stored_as_setup(board_.charges);
    return true;
}

bool RecordedBoard::grids_fresh() const {
    return grids_from_ == stored_as_setup(board_.charges);
}

bool RecordedBoard::paint_colour_map() {
    if (!::paint_colour_map(board_.canvas, board_.grids, board_.charges, board_.pen, screen_))
        return false;
    // The map covers the whole board: nothing drawn before it is left.
    record_charges();
    record(StepKind::colour_map);
    screen_.board_changed();
    return true;
}

void RecordedBoard::draw_equipotential_family() {
    ::draw_equipotential_family(board_.canvas, board_.grids, board_.charges, board_.pen, screen_,
                                *board_.buffers);
    record(StepKind::equipotentials);
}

void RecordedBoard::draw_field_line_family() {
    ::draw_field_line_family(board_.canvas, board_.charges, *board_.buffers);
    record(StepKind::field_lines);
}

bool RecordedBoard::draw_equipotential_through(int column, int row) {
    if (!::draw_equipotential_through(board_.canvas, board_.grids, board_.charges, column, row,
                                      board_.pen))
        return false;
    record(StepKind::equipotential_at, column, row);
    return true;
}

void RecordedBoard::draw_field_line_through(int column, int row) {
    ::draw_field_line_through(board_.canvas, board_.charges, x_of_column(column), y_of_row(row));
    record(StepKind::field_line_at, column, row);
}

void RecordedBoard::draw_due_lines() {
    if (!lines_due_) return;
    lines_due_ = false;
    draw_traced_field_lines(board_.canvas, board_.charges, *board_.buffers);
    screen_.board_changed();
}

void RecordedBoard::replay(const Setup& setup, bool lines_later) {
    points_ = setup.points;
    if (setup.grid_source && !setup.grid_source->empty()) {
        for (const SetupCharge& c : *setup.grid_source)
            add_charge(column_of_x(c.x), row_of_y(c.y), c.sign);
        compute_grids();
        board_.charges.clear();
    }
    for (const Step& step : setup.steps) {
        const int column = column_of_x(step.x);
        const int row = row_of_y(step.y);
        switch (step.kind) {
        case StepKind::positive_charge:
        case StepKind::negative_charge:
            place_charge(column, row, charge_sign(step.kind));
            break;
        case StepKind::colour_map:
            if (!grids_fresh()) compute_grids();
            paint_colour_map();
            break;
        case StepKind::equipotentials:
            if (board_.charges.empty()) break;
            if (!grids_fresh()) compute_grids();
            draw_equipotential_family();
            break;
        case StepKind::field_lines:
            if (board_.charges.empty()) break;
            if (lines_later && &step == &setup.steps.back()) {
                record(StepKind::field_lines);
                lines_due_ = true;
                break;
            }
            draw_field_line_family();
            break;
        case StepKind::equipotential_at:
            if (!board_.charges.empty() && !grids_fresh()) compute_grids();
            draw_equipotential_through(column, row);
            break;
        case StepKind::field_line_at:
            if (board_.charges.empty() || !on_board(column, row)) break;
            draw_field_line_through(column, row);
            break;
        }
    }
}

bool RecordedBoard::shows_picture() const {
    return std::any_of(steps_.begin(), steps_.end(),
                       [](const Step& s) { return !is_charge(s.kind); });
}

void RecordedBoard::record_charges() {
    steps_.clear();
    grid_source_.reset();
    for (const Charge& c : board_.charges.stored()) steps_.push_back(charge_step(c));
}

void RecordedBoard::record(StepKind kind, int column, int row) {
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

std::vector<std::string> RecordedBoard::pictures() const {
    const Words& w = *words_;
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
