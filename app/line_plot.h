#pragma once

#include "app/measurement_table.h"
#include "app/measuring.h"
#include "app/words.h"
#include "model/charges.h"

#include <optional>
#include <string>
#include <vector>

// The field along a line: the potential V and the field's component along the segment E∥,
// sampled at every board pixel of the segment between two measuring points, and drawn as one SVG
// picture that both screens show as it is.

// One sample: its distance s from the first point, its pixel in board coordinates, and the
// values there; cut within 10 of a charge, where the values run off.
struct LineSample {
    double s = 0.0;
    int x = 0;
    int y = 0;
    bool cut = false;
    double v = 0.0;
    double along = 0.0;
};

struct LinePlot {
    char from = 'A';
    char to = 'B';
    double length = 0.0;
    // From the first point to the second, both included; empty when they coincide.
    std::vector<LineSample> samples;
};

// The samples: the pixels a line from one point to the other passes, one per step along its
// longer axis, each the nearest pixel to the exact line.
LinePlot sample_line(const ChargeSet& charges, const MeasuringPoint& from, const MeasuringPoint& to,
                     char from_letter, char to_letter);

// Round-number ticks covering lo..hi: steps of 1, 2 or 5 times a power of ten, at most about
// `count` of them, the first at or below lo and the last at or above hi.
std::vector<double> round_ticks(double lo, double hi, int count);

// The plot as an SVG document: V above and E∥ below on one s axis, each with its ticks, values
// and zero line, the letters at the ends, the cut stretches shaded; the sample at `reading`, if
// any, marked across both.
inline constexpr int plot_width = 464;
inline constexpr int plot_height = 300;
// Where the s axis starts and ends across the picture.
inline constexpr double plot_left_edge = 58;
inline constexpr double plot_right_edge = plot_width - 12;
std::string plot_svg(const LinePlot& plot, const Words& w, std::optional<int> reading = {});

// What a screen reader hears of it: the extremes of V and where, where V crosses zero, where E∥
// changes sign, and the cut stretches.
std::string plot_summary(const LinePlot& plot, const Words& w);
// s, V and E∥ at one sample, as the plot's reading line shows them.
std::string plot_reading(const LinePlot& plot, int index, const Words& w);
// s, x, y, V and E∥ for every sample, for the clipboard and a CSV file.
TableView plot_samples_table(const LinePlot& plot, const Words& w);
