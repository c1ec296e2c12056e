#include "app/line_plot.h"

#include <algorithm>
#include <array>
#include <cmath>

LinePlot sample_line(const ChargeSet& charges, const MeasuringPoint& from, const MeasuringPoint& to,
                     char from_letter, char to_letter) {
    LinePlot plot{from_letter, to_letter, 0.0, {}};
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    if (steps == 0) return plot;
    plot.length = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    for (int k = 0; k <= steps; ++k) {
        LineSample sample;
        sample.x = from.x + static_cast<int>(std::lround(static_cast<double>(k) * dx / steps));
        sample.y = from.y + static_cast<int>(std::lround(static_cast<double>(k) * dy / steps));
        const double ox = sample.x - from.x;
        const double oy = sample.y - from.y;
        sample.s = (ox * dx + oy * dy) / plot.length;
        for (const Charge& c : charges.stored())
            sample.cut = sample.cut || within_ten(c, sample.x, sample.y);
        if (!sample.cut) {
            const PointValues values = point_values(charges, sample.x, sample.y);
            sample.v = values.v;
            sample.along = (values.ex * dx + values.ey * dy) / plot.length;
        }
        plot.samples.push_back(sample);
    }
    return plot;
}

std::vector<double> round_ticks(double lo, double hi, int count) {
    if (!(hi > lo)) {
        const double pad = lo == 0.0 ? 1.0 : std::fabs(lo) * 0.5;
        lo -= pad;
        hi += pad;
    }
    const double rough = (hi - lo) / std::max(count, 1);
    // The power of ten at or below rough, by steps, so that both screens find the same one.
    double power = 1.0;
    while (power * 10 <= rough) power *= 10;
    while (power > rough) power /= 10;
    double step = power * 10;
    for (const double m : {1.0, 2.0, 5.0})
        if (power * m >= rough) {
            step = power * m;
            break;
        }
    std::vector<double> ticks;
    const long long first = static_cast<long long>(std::floor(lo / step));
    const long long last = static_cast<long long>(std::ceil(hi / step));
    for (long long i = first; i <= last; ++i) ticks.push_back(static_cast<double>(i) * step);
    return ticks;
}

namespace {

// A coordinate in the SVG, to hundredths with a point whatever the locale.
std::string coordinate(double value) {
    const long long hundredths = std::llround(value * 100);
    const long long whole = std::llabs(hundredths);
    std::string text = hundredths < 0 ? "-" : "";
    text += std::to_string(whole / 100);
    text += '.';
    text += static_cast<char>('0' + whole % 100 / 10);
    text += static_cast<char>('0' + whole % 10);
    return text;
}

// A tick's value with as many decimals as its step needs.
std::string tick_text(double value, double step, const Words& w) {
    int decimals = 0;
    for (double t = step; t < 1.0 - 1e-9 && decimals < 12; t *= 10) ++decimals;
    return format_decimal(value, decimals, w.decimal_mark);
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

struct Band {
    double top;
    double bottom;
};

constexpr double left_edge = plot_left_edge;
constexpr double right_edge = plot_right_edge;
constexpr Band v_band{22, 130};
constexpr Band e_band{164, 272};

// One of the two graphs: frame, ticks, zero line and the curve, cut where the samples are.
void draw_graph(std::string& svg, const LinePlot& plot, bool potential, Band band,
                std::string_view title, const Words& w) {
    double lo = 0;
    double hi = 0;
    for (const LineSample& s : plot.samples)
        if (!s.cut) {
            const double value = potential ? s.v : s.along;
            lo = std::min(lo, value);
            hi = std::max(hi, value);
        }
    const std::vector<double> ticks = round_ticks(lo, hi, 4);
    const double bottom_value = ticks.front();
    const double top_value = ticks.back();
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1.0;
    const auto y_of = [&](double value) {
        return band.bottom -
               (value - bottom_value) / (top_value - bottom_value) * (band.bottom - band.top);
    };
    const auto x_of = [&](double s) {
        return left_edge + s / plot.length * (right_edge - left_edge);
    };
    svg += "<g class=\"" + std::string(potential ? "potential" : "field") + "\">";
    svg += "<rect x=\"" + coordinate(left_edge) + "\" y=\"" + coordinate(band.top) + "\" width=\"" +
           coordinate(right_edge - left_edge) + "\" height=\"" +
           coordinate(band.bottom - band.top) + "\" fill=\"none\" stroke=\"#808080\"/>";
    for (const double tick : ticks) {
        const std::string y = coordinate(y_of(tick));
        svg += "<line x1=\"" + coordinate(left_edge - 4) + "\" y1=\"" + y + "\" x2=\"" +
               coordinate(left_edge) + "\" y2=\"" + y + "\" stroke=\"#808080\"/>";
        svg += "<text x=\"" + coordinate(left_edge - 6) + "\" y=\"" + coordinate(y_of(tick) + 3.5) +
               "\" text-anchor=\"end\">" + escaped(tick_text(tick, step, w)) + "</text>";
    }
    const std::string zero = coordinate(y_of(0.0));
    svg += "<line x1=\"" + coordinate(left_edge) + "\" y1=\"" + zero + "\" x2=\"" +
           coordinate(right_edge) + "\" y2=\"" + zero +
           "\" stroke=\"#000000\" stroke-dasharray=\"3 2\"/>";
    svg += "<text x=\"" + coordinate(left_edge + 4) + "\" y=\"" + coordinate(band.top + 11) +
           "\" font-weight=\"bold\">" + escaped(title) + "</text>";
    // The curve, one polyline per uncut run.
    std::string points;
    const auto flush = [&] {
        if (!points.empty())
            svg += "<polyline fill=\"none\" stroke=\"" +
                   std::string(potential ? "#c01c00" : "#001ca4") +
                   "\" stroke-width=\"1.5\" points=\"" + points + "\"/>";
        points.clear();
    };
    for (const LineSample& s : plot.samples) {
        if (s.cut) {
            flush();
            continue;
        }
        if (!points.empty()) points += ' ';
        points += coordinate(x_of(s.s)) + "," + coordinate(y_of(potential ? s.v : s.along));
    }
    flush();
    svg += "</g>";
}

// The cut stretches as s ranges, first to last sample of each.
std::vector<std::array<double, 2>> cut_stretches(const LinePlot& plot) {
    std::vector<std::array<double, 2>> stretches;
    for (std::size_t i = 0; i < plot.samples.size(); ++i) {
        if (!plot.samples[i].cut) continue;
        std::size_t j = i;
        while (j + 1 < plot.samples.size() && plot.samples[j + 1].cut) ++j;
        stretches.push_back({plot.samples[i].s, plot.samples[j].s});
        i = j;
    }
    return stretches;
}

// Where the values change sign between uncut neighbours, by linear interpolation; a sample that
// is exactly zero counts once.
std::vector<double> sign_changes(const LinePlot& plot, bool potential) {
    std::vector<double> at;
    const LineSample* last = nullptr;
    for (const LineSample& s : plot.samples) {
        if (s.cut) {
            last = nullptr;
            continue;
        }
        const double value = potential ? s.v : s.along;
        if (value == 0.0) {
            at.push_back(s.s);
        } else if (last != nullptr) {
            const double before = potential ? last->v : last->along;
            if (before != 0.0 && (before < 0) != (value < 0))
                at.push_back(last->s + (s.s - last->s) * (before / (before - value)));
        }
        last = &s;
    }
    return at;
}

std::string listed(const std::vector<double>& values, const Words& w) {
    std::string out;
    for (const double v : values) {
        if (!out.empty()) out += w.list_separator;
        out += format_decimal(v, distance_decimals, w.decimal_mark);
    }
    return out;
}

} // namespace

std::string plot_svg(const LinePlot& plot, const Words& w, std::optional<int> reading) {
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(plot_width) + "\" height=\"" + std::to_string(plot_height) +
                      "\" viewBox=\"0 0 " + std::to_string(plot_width) + " " +
                      std::to_string(plot_height) +
                      "\" font-family=\"Arial, Liberation Sans, sans-serif\" font-size=\"10\">";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>";
    if (plot.samples.empty()) {
        svg += "<text x=\"" + std::to_string(plot_width / 2) + "\" y=\"" +
               std::to_string(plot_height / 2) + "\" text-anchor=\"middle\">" +
               escaped(w.pair_same_place) + "</text></svg>";
        return svg;
    }
    const auto x_of = [&](double s) {
        return left_edge + s / plot.length * (right_edge - left_edge);
    };
    for (const auto& [from, to] : cut_stretches(plot))
        svg += "<rect class=\"cut\" x=\"" + coordinate(x_of(from) - 1) + "\" y=\"" +
               coordinate(v_band.top) + "\" width=\"" + coordinate(x_of(to) - x_of(from) + 2) +
               "\" height=\"" + coordinate(e_band.bottom - v_band.top) + "\" fill=\"#e0e0e0\"/>";
    draw_graph(svg, plot, true, v_band, w.plot_v_title, w);
    draw_graph(svg, plot, false, e_band, w.plot_e_title, w);
    // The s axis under the lower graph, with the points' letters at its ends.
    const double step = round_ticks(0, plot.length, 6)[1];
    for (double s = 0; s <= plot.length + 1e-9; s += step) {
        const std::string x = coordinate(x_of(s));
        svg += "<line x1=\"" + x + "\" y1=\"" + coordinate(e_band.bottom) + "\" x2=\"" + x +
               "\" y2=\"" + coordinate(e_band.bottom + 4) + "\" stroke=\"#808080\"/>";
        svg += "<text x=\"" + x + "\" y=\"" + coordinate(e_band.bottom + 13) +
               "\" text-anchor=\"middle\">" + escaped(tick_text(s, step, w)) + "</text>";
    }
    svg += "<text x=\"" + coordinate(right_edge) + "\" y=\"" + coordinate(plot_height - 3) +
           "\" text-anchor=\"end\">" + escaped(w.plot_s_title) + "</text>";
    for (const auto& [s, letter] : {std::pair{0.0, plot.from}, std::pair{plot.length, plot.to}})
        for (const Band band : {v_band, e_band})
            svg += "<text x=\"" + coordinate(x_of(s)) + "\" y=\"" + coordinate(band.top - 6) +
                   "\" text-anchor=\"middle\" font-weight=\"bold\">" + std::string(1, letter) +
                   "</text>";
    if (reading && *reading >= 0 && *reading < static_cast<int>(plot.samples.size())) {
        const std::string x = coordinate(x_of(plot.samples[static_cast<std::size_t>(*reading)].s));
        svg += "<line class=\"reading\" x1=\"" + x + "\" y1=\"" + coordinate(v_band.top) +
               "\" x2=\"" + x + "\" y2=\"" + coordinate(e_band.bottom) +
               "\" stroke=\"#000000\" stroke-width=\"1\"/>";
    }
    svg += "</svg>";
    return svg;
}

std::string plot_summary(const LinePlot& plot, const Words& w) {
    if (plot.samples.empty()) return std::string(w.pair_same_place);
    const LineSample* highest = nullptr;
    const LineSample* lowest = nullptr;
    for (const LineSample& s : plot.samples) {
        if (s.cut) continue;
        if (highest == nullptr || s.v > highest->v) highest = &s;
        if (lowest == nullptr || s.v < lowest->v) lowest = &s;
    }
    std::string said;
    const auto distance = [&](double s) {
        return format_decimal(s, distance_decimals, w.decimal_mark);
    };
    if (highest != nullptr)
        said += fill(w.plot_extremes, {potential_text(highest->v, w), distance(highest->s),
                                       potential_text(lowest->v, w), distance(lowest->s)});
    const std::vector<double> v_zeros = sign_changes(plot, true);
    const std::vector<double> e_zeros = sign_changes(plot, false);
    said += ' ';
    said +=
        v_zeros.empty() ? std::string(w.plot_no_v_zero) : fill(w.plot_v_zero, {listed(v_zeros, w)});
    said += ' ';
    said +=
        e_zeros.empty() ? std::string(w.plot_no_e_zero) : fill(w.plot_e_zero, {listed(e_zeros, w)});
    const auto stretches = cut_stretches(plot);
    if (!stretches.empty()) {
        std::string list;
        for (const auto& [from, to] : stretches) {
            if (!list.empty()) list += w.list_separator;
            list += distance(from) + "–" + distance(to);
        }
        said += ' ';
        said += fill(w.plot_cuts, {list});
    }
    return said;
}

std::string plot_reading(const LinePlot& plot, int index, const Words& w) {
    if (index < 0 || index >= static_cast<int>(plot.samples.size())) return {};
    const LineSample& s = plot.samples[static_cast<std::size_t>(index)];
    const std::string at = format_decimal(s.s, distance_decimals, w.decimal_mark);
    if (s.cut) return fill(w.plot_reading_cut, {at});
    return fill(w.plot_reading, {at, potential_text(s.v, w), field_text(s.along, w)});
}

TableView plot_samples_table(const LinePlot& plot, const Words& w) {
    TableView table;
    table.headers = {std::string(w.header_s), std::string(w.header_x), std::string(w.header_y),
                     std::string(w.header_v), std::string(w.header_along)};
    for (const LineSample& s : plot.samples) {
        std::vector<std::string> row{format_decimal(s.s, distance_decimals, w.decimal_mark),
                                     std::to_string(s.x), std::to_string(s.y)};
        if (s.cut) {
            row.emplace_back(w.near_a_charge);
            row.emplace_back(w.near_a_charge);
        } else {
            row.push_back(potential_text(s.v, w));
            row.push_back(field_text(s.along, w));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}
