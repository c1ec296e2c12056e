#pragma once

#include "app/measuring.h"
#include "app/words.h"
#include "model/charges.h"

#include <string>
#include <vector>

// What the measurement panel's tables show, as texts, and the recorded table as a spreadsheet
// takes it.

struct TableView {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> rows;
    bool operator==(const TableView&) const = default;
};

// A value of a point as the panel writes it: the potential, a field value, a distance or an
// angle, each with its own decimals and the language's decimal mark.
std::string potential_text(double v, const Words& w);
std::string field_text(double v, const Words& w);
std::string distance_text(double v, const Words& w);
std::string direction_text(const PointValues& values, const Words& w);

// One row per placed point: letter, x, y, V, Ex, Ey, |E|, direction; the values in words where
// they are not defined.
TableView points_table(const ChargeSet& charges, const MeasuringPoints& points, const Words& w);

// The distance of a point from the reference: the origin (0) or the nth charge.
double distance_from(const ChargeSet& charges, int reference, int x, int y);
// The reference as the choice and as a table row name it.
std::string reference_name(const ChargeSet& charges, int reference, const Words& w);

// Letter, x, y, distance, from, V, Ex, Ey, |E|, direction, one row per measurement.
TableView recorded_table(const std::vector<RecordedMeasurement>& rows, const Words& w);

// The table as the clipboard takes it for a spreadsheet: cells separated by tabs, rows by line
// ends, the header row first; a cell's tabs and line ends become spaces.
std::string tab_separated(const TableView& table);
// The table as a CSV file for a spreadsheet in the language: UTF-8 with a byte order mark,
// cells separated by ";" where the decimal mark is a comma (by "," otherwise), quoted where they
// hold the separator, a quote or a line end, rows ended by CRLF.
std::string spreadsheet_csv(const TableView& table, const Words& w);
