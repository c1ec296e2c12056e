// Measuring points and the measurement panel: placing, moving and removing the points, their
// values and the pair compared, and the table of recorded measurements.
#include "app/form.h"
#include "app/window_logic.h"
#include "app/words.h"
#include "render/point_marks.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::string_view choices_of_points[] = {"pair_first_choice", "pair_second_choice",
                                                  "chosen_point_choice"};

bool lists_points(std::string_view control) {
    return std::find(std::begin(choices_of_points), std::end(choices_of_points), control) !=
           std::end(choices_of_points);
}

} // namespace

void WindowLogic::toggle_measurement_panel() {
    panel_open_ = !panel_open_;
    panel_changed();
}

void WindowLogic::toggle_measuring_tool() {
    if (state_.tool_mode == ToolMode::measure) {
        state_.tool_mode = ToolMode::none;
    } else {
        // The other tools that act on a board click go up; an arrangement's button stays.
        for (Toggle b : {Toggle::add_positive_tool, Toggle::add_negative_tool, Toggle::remove_tool})
            toggles_.raise(b);
        toggles_.raise_point_tools();
        state_.tool_mode = ToolMode::measure;
    }
    panel_changed();
}

std::optional<int> WindowLogic::point_under(int column, int row) const {
    // Points can be taken while no tool is chosen, as charges can, and with the measuring tool.
    if (state_.tool_mode != ToolMode::measure && toggles_.chosen(state_.tool_mode))
        return std::nullopt;
    return board_.points().under(x_of_column(column), y_of_row(row));
}

void WindowLogic::place_point_at_pointer() {
    MeasuringPoints& points = board_.points();
    if (point_under(state_.pointer_column, state_.pointer_row)) return;
    const std::optional<int> free = points.first_free();
    if (!free) {
        screen_.show_error(words().too_many_points);
        return;
    }
    points.at(*free) =
        MeasuringPoint{x_of_column(state_.pointer_column), y_of_row(state_.pointer_row)};
    chosen_point_ = *free;
    panel_changed();
    screen_.board_changed();
    screen_.announce(fill(words().point_placed,
                          {std::string(1, point_letter(*free)), std::to_string(points.at(*free)->x),
                           std::to_string(points.at(*free)->y)}) +
                     ". " + point_said(*free));
}

void WindowLogic::begin_point_drag(int index, bool by_keyboard, double x, double y) {
    point_drag_ = PointDrag{index, *board_.points().at(index), by_keyboard, by_keyboard, x, y};
    chosen_point_ = index;
    panel_changed();
}

void WindowLogic::move_point_to(int column, int row) {
    if (!point_drag_) return;
    auto& point = board_.points().at(point_drag_->index);
    const MeasuringPoint to{x_of_column(std::clamp(column, 0, board_size - 1)),
                            y_of_row(std::clamp(row, 0, board_size - 1))};
    if (point == to) return;
    point = to;
    panel_changed();
    screen_.board_changed();
}

void WindowLogic::end_point_drag(bool put_back) {
    if (!point_drag_) return;
    const PointDrag drag = *point_drag_;
    point_drag_.reset();
    if (put_back) {
        board_.points().at(drag.index) = drag.from;
        screen_.announce(words().put_back);
    } else {
        screen_.announce(point_said(drag.index));
    }
    panel_changed();
    screen_.board_changed();
    note_change();
}

std::string WindowLogic::point_said(int index) const {
    const auto& point = board_.points().at(index);
    if (!point) return {};
    const PointValues values = point_values(board_.state().charges, point->x, point->y);
    const std::string letter(1, point_letter(index));
    const std::string x = std::to_string(point->x);
    const std::string y = std::to_string(point->y);
    if (!values.defined) return fill(words().point_on_charge, {letter, x, y});
    return fill(words().point_values,
                {letter, x, y, potential_text(values.v, words()),
                 field_text(values.strength, words()), direction_text(values, words())});
}

void WindowLogic::say_point_values() {
    const auto under = board_.points().under(x_of_column(cursor_[0]), y_of_row(cursor_[1]));
    const int index = under ? *under : chosen_point_;
    if (!board_.points().at(index)) {
        screen_.announce(fill(words().no_point, {std::string(1, point_letter(index))}));
        return;
    }
    screen_.announce(point_said(index));
}

void WindowLogic::remove_chosen_point() {
    auto& point = board_.points().at(chosen_point_);
    if (!point) return;
    point.reset();
    screen_.announce(fill(words().point_removed, {std::string(1, point_letter(chosen_point_))}));
    panel_changed();
    screen_.board_changed();
    note_change();
}

void WindowLogic::remove_all_points() {
    if (board_.points().empty()) return;
    board_.points().clear();
    screen_.announce(words().points_removed);
    panel_changed();
    screen_.board_changed();
    note_change();
}

void WindowLogic::record_measurement() {
    const auto& point = board_.points().at(chosen_point_);
    if (!point) {
        screen_.announce(fill(words().no_point, {std::string(1, point_letter(chosen_point_))}));
        return;
    }
    const ChargeSet& charges = board_.state().charges;
    const int reference = reference_ <= charges.count() ? reference_ : 0;
    recorded_.push_back({point_letter(chosen_point_), point_values(charges, point->x, point->y),
                         distance_from(charges, reference, point->x, point->y), reference});
    selected_row_ = static_cast<int>(recorded_.size()) - 1;
    const RecordedMeasurement& row = recorded_.back();
    panel_changed();
    screen_.announce(
        fill(words().row_recorded, {std::to_string(recorded_.size()), std::string(1, row.letter),
                                    row.values.defined ? potential_text(row.values.v, words())
                                                       : std::string(words().on_a_charge)}));
}

void WindowLogic::select_recorded_row(int row) {
    selected_row_ = row >= 0 && row < static_cast<int>(recorded_.size()) ? row : -1;
    panel_changed();
}

void WindowLogic::delete_selected_row() {
    if (selected_row_ < 0 || selected_row_ >= static_cast<int>(recorded_.size())) return;
    recorded_.erase(recorded_.begin() + selected_row_);
    screen_.announce(fill(words().row_deleted, {std::to_string(selected_row_ + 1)}));
    selected_row_ = std::min(selected_row_, static_cast<int>(recorded_.size()) - 1);
    panel_changed();
}

void WindowLogic::clear_recorded_table() {
    if (recorded_.empty()) return;
    recorded_.clear();
    selected_row_ = -1;
    screen_.announce(words().table_cleared);
    panel_changed();
}

std::string WindowLogic::recorded_table_text() const {
    return tab_separated(recorded_table(recorded_, words()));
}

std::string WindowLogic::recorded_table_csv() const {
    return spreadsheet_csv(recorded_table(recorded_, words()), words());
}

std::string WindowLogic::panel_text(std::string_view control) const {
    const Words& w = words();
    if (const FormControl* c = panel_control(control);
        c && c->kind == FormControlKind::label && !c->caption.empty())
        return std::string(form_texts(*c, language()).caption);
    if (control == "plot_reading") {
        const LinePlot plot = line_plot();
        const std::optional<int> at = reading_index(plot);
        return at ? ::plot_reading(plot, *at, w) : std::string();
    }
    if (control == "plot_summary") {
        if (!board_.points().at(pair_[0]) || !board_.points().at(pair_[1]))
            return std::string(w.pair_not_placed);
        return plot_summary(line_plot(), w);
    }
    const bool pair_line = control == "pair_difference" || control == "pair_distance" ||
                           control == "pair_mean_field" || control == "pair_midpoint_field";
    if (!pair_line) return {};
    const auto& first = board_.points().at(pair_[0]);
    const auto& second = board_.points().at(pair_[1]);
    const std::string a(1, point_letter(pair_[0]));
    const std::string b(1, point_letter(pair_[1]));
    if (!first || !second)
        return control == "pair_difference" ? std::string(w.pair_not_placed) : std::string();
    const PairValues pair = pair_values(board_.state().charges, *first, *second);
    if (!pair.defined) {
        if (control != "pair_difference") return {};
        return std::string(*first == *second ? w.pair_same_place : w.pair_on_a_charge);
    }
    if (control == "pair_difference")
        return fill(w.pair_difference, {a, b, potential_text(pair.difference, w)});
    if (control == "pair_distance")
        return fill(w.pair_distance, {a, b, distance_text(pair.distance, w)});
    if (control == "pair_mean_field")
        return fill(w.pair_mean_field, {field_text(pair.mean_field, w)});
    return fill(w.pair_midpoint_field, {a, b, field_text(pair.midpoint_component, w)});
}

std::vector<std::string> WindowLogic::panel_choices(std::string_view control) const {
    std::vector<std::string> items;
    if (lists_points(control)) {
        for (int i = 0; i < max_measuring_points; ++i) items.emplace_back(1, point_letter(i));
    } else if (control == "reference_choice") {
        const ChargeSet& charges = board_.state().charges;
        for (int n = 0; n <= charges.count(); ++n)
            items.push_back(reference_name(charges, n, words()));
    }
    return items;
}

int WindowLogic::panel_chosen(std::string_view control) const {
    if (control == "pair_first_choice") return pair_[0];
    if (control == "pair_second_choice") return pair_[1];
    if (control == "chosen_point_choice") return chosen_point_;
    if (control == "reference_choice")
        return reference_ <= board_.state().charges.count() ? reference_ : 0;
    return -1;
}

void WindowLogic::choose(std::string_view control, int index) {
    const int items = static_cast<int>(panel_choices(control).size());
    if (index < 0 || index >= items) return;
    if (control == "pair_first_choice") pair_[0] = index;
    if (control == "pair_second_choice") pair_[1] = index;
    if (control == "chosen_point_choice") chosen_point_ = index;
    if (control == "reference_choice") reference_ = index;
    panel_changed();
}

TableView WindowLogic::panel_table(std::string_view control) const {
    if (control == "points_table")
        return points_table(board_.state().charges, board_.points(), words());
    if (control == "recorded_table") return recorded_table(recorded_, words());
    return {};
}

bool WindowLogic::panel_down(std::string_view control) const {
    if (control == "plot_button") return plot_open();
    return control == "measuring_tool" && state_.tool_mode == ToolMode::measure;
}

void WindowLogic::toggle_plot() {
    plot_open_ = !plot_open();
    if (plot_open_) panel_open_ = true;
    panel_changed();
    screen_.board_changed();
}

LinePlot WindowLogic::line_plot() const {
    const auto& first = board_.points().at(pair_[0]);
    const auto& second = board_.points().at(pair_[1]);
    if (!first || !second) return {point_letter(pair_[0]), point_letter(pair_[1]), 0.0, {}};
    const ChargeSet& charges = board_.state().charges;
    if (!sampled_plot_ || sampled_plot_->from != *first || sampled_plot_->to != *second ||
        sampled_plot_->pair != pair_ || !(sampled_plot_->charges == charges))
        sampled_plot_ = SampledPlot{
            charges, *first, *second, pair_,
            sample_line(charges, *first, *second, point_letter(pair_[0]), point_letter(pair_[1]))};
    return sampled_plot_->plot;
}

std::optional<int> WindowLogic::reading_index(const LinePlot& plot) const {
    if (!plot_reading_ || plot.samples.empty()) return std::nullopt;
    const double last = static_cast<double>(plot.samples.size() - 1);
    return static_cast<int>(std::lround(std::clamp(*plot_reading_, 0.0, 1.0) * last));
}

std::string WindowLogic::plot_picture() const {
    const LinePlot plot = line_plot();
    return plot_svg(plot, words(), reading_index(plot));
}

void WindowLogic::read_plot_at(double x) {
    const LinePlot plot = line_plot();
    if (plot.samples.size() < 2) return;
    // The picture's s axis runs from its left edge to its right edge; the nearest sample wins.
    const double share = (x - plot_left_edge) / (plot_right_edge - plot_left_edge);
    const double last = static_cast<double>(plot.samples.size() - 1);
    plot_reading_ = std::lround(std::clamp(share, 0.0, 1.0) * last) / last;
    panel_changed();
    screen_.board_changed();
}

void WindowLogic::step_plot_reading(int samples) {
    const LinePlot plot = line_plot();
    if (plot.samples.size() < 2) return;
    const double last = static_cast<double>(plot.samples.size() - 1);
    const int at = reading_index(plot).value_or(samples > 0 ? -1 : static_cast<int>(last) + 1);
    plot_reading_ = std::clamp(at + samples, 0, static_cast<int>(last)) / last;
    panel_changed();
    screen_.board_changed();
    screen_.announce_progress(::plot_reading(plot, *reading_index(plot), words()));
}

std::string WindowLogic::plot_samples_text() const {
    return tab_separated(plot_samples_table(line_plot(), words()));
}

std::string WindowLogic::plot_samples_csv() const {
    return spreadsheet_csv(plot_samples_table(line_plot(), words()), words());
}

const Canvas& WindowLogic::shown_board() const {
    const MeasuringPoints& points = board_.points();
    if (points.empty()) return board_.state().canvas;
    shown_.draw(board_.state().canvas);
    if (plot_open()) {
        const LinePlot plot = line_plot();
        std::vector<std::array<int, 2>> pixels;
        for (const LineSample& s : plot.samples)
            pixels.push_back({column_of_x(s.x), row_of_y(s.y)});
        const std::optional<int> at = reading_index(plot);
        draw_segment_mark(shown_, pixels,
                          at ? std::optional<std::size_t>(static_cast<std::size_t>(*at))
                             : std::nullopt);
    }
    for (int i = 0; i < max_measuring_points; ++i)
        if (const auto& point = points.at(i))
            draw_point_mark(shown_, column_of_x(point->x), row_of_y(point->y), point_letter(i));
    return shown_;
}
