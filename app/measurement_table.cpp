#include "app/measurement_table.h"

#include <cmath>

std::string potential_text(double v, const Words& w) {
    return format_decimal(v, potential_decimals, w.decimal_mark);
}
std::string field_text(double v, const Words& w) {
    return format_decimal(v, field_decimals, w.decimal_mark);
}
std::string distance_text(double v, const Words& w) {
    return format_decimal(v, distance_decimals, w.decimal_mark);
}
std::string direction_text(const PointValues& values, const Words& w) {
    if (!values.defined) return std::string(w.on_a_charge);
    if (!values.direction) return std::string(w.no_direction);
    // 359.96 degrees rounds to 360.0, which the sheet should read as the axis itself.
    const std::string text = format_decimal(*values.direction, angle_decimals, w.decimal_mark);
    return text == format_decimal(360.0, angle_decimals, w.decimal_mark)
               ? format_decimal(0.0, angle_decimals, w.decimal_mark)
               : text;
}

namespace {

// V, Ex, Ey, |E| and the direction, or the words for a point on a charge.
void append_values(std::vector<std::string>& row, const PointValues& values, const Words& w) {
    if (!values.defined) {
        for (int i = 0; i < 5; ++i) row.emplace_back(w.on_a_charge);
        return;
    }
    row.push_back(potential_text(values.v, w));
    row.push_back(field_text(values.ex, w));
    row.push_back(field_text(values.ey, w));
    row.push_back(field_text(values.strength, w));
    row.push_back(direction_text(values, w));
}

} // namespace

TableView points_table(const ChargeSet& charges, const MeasuringPoints& points, const Words& w) {
    TableView table;
    table.headers = {std::string(w.header_point),    std::string(w.header_x),
                     std::string(w.header_y),        std::string(w.header_v),
                     std::string(w.header_ex),       std::string(w.header_ey),
                     std::string(w.header_strength), std::string(w.header_direction)};
    for (int i = 0; i < max_measuring_points; ++i) {
        const auto& point = points.at(i);
        if (!point) continue;
        std::vector<std::string> row{std::string(1, point_letter(i)), std::to_string(point->x),
                                     std::to_string(point->y)};
        append_values(row, point_values(charges, point->x, point->y), w);
        table.rows.push_back(std::move(row));
    }
    return table;
}

double distance_from(const ChargeSet& charges, int reference, int x, int y) {
    double from_x = 0;
    double from_y = 0;
    if (reference >= 1 && reference <= charges.count()) {
        from_x = charges.slot(reference).x;
        from_y = charges.slot(reference).y;
    }
    const double dx = x - from_x;
    const double dy = y - from_y;
    return std::sqrt(dx * dx + dy * dy);
}

std::string reference_name(const ChargeSet& charges, int reference, const Words& w) {
    if (reference < 1 || reference > charges.count()) return std::string(w.reference_origin);
    const Charge& c = charges.slot(reference);
    return fill(w.reference_charge,
                {std::to_string(reference), std::to_string(c.x), std::to_string(c.y)});
}

TableView recorded_table(const std::vector<RecordedMeasurement>& rows, const Words& w) {
    TableView table;
    table.headers = {std::string(w.header_point),     std::string(w.header_x),
                     std::string(w.header_y),         std::string(w.header_distance),
                     std::string(w.header_reference), std::string(w.header_v),
                     std::string(w.header_ex),        std::string(w.header_ey),
                     std::string(w.header_strength),  std::string(w.header_direction)};
    for (const RecordedMeasurement& m : rows) {
        std::vector<std::string> row{
            std::string(1, m.letter), std::to_string(m.values.x), std::to_string(m.values.y),
            distance_text(m.distance, w),
            m.reference == 0 ? std::string(w.reference_origin)
                             : fill(w.reference_charge_row, {std::to_string(m.reference)})};
        append_values(row, m.values, w);
        table.rows.push_back(std::move(row));
    }
    return table;
}

namespace {

template <class Cell>
std::string joined(const TableView& table, char separator, std::string_view line_end, Cell cell) {
    std::string out;
    const auto line = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out += separator;
            out += cell(cells[i]);
        }
        out += line_end;
    };
    line(table.headers);
    for (const auto& row : table.rows) line(row);
    return out;
}

} // namespace

std::string tab_separated(const TableView& table) {
    return joined(table, '\t', "\n", [](std::string text) {
        for (char& c : text)
            if (c == '\t' || c == '\n' || c == '\r') c = ' ';
        return text;
    });
}

std::string spreadsheet_csv(const TableView& table, const Words& w) {
    const char separator = w.decimal_mark == "," ? ';' : ',';
    const std::string special = std::string(1, separator) + "\"\r\n";
    return "\xEF\xBB\xBF" + joined(table, separator, "\r\n", [&](const std::string& text) {
               if (text.find_first_of(special) == std::string::npos) return text;
               std::string quoted = "\"";
               for (const char c : text) {
                   if (c == '"') quoted += '"';
                   quoted += c;
               }
               return quoted + '"';
           });
}
