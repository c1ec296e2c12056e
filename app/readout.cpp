#include "app/readout.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

std::string readout_value(double v) {
    double a = std::fabs(v);
    // Only odd eighths lie exactly halfway between two hundredths; the panel has always taken
    // such a half away from zero, where the stream would take it to the even digit.
    const double eighths = (a - std::floor(a)) * 8.0;
    if (eighths == std::floor(eighths) && std::fmod(eighths, 2.0) == 1.0)
        a = std::nextafter(a, std::numeric_limits<double>::infinity());
    // The classic locale keeps the point a point inside a program that runs under the user's
    // locale.
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(2) << a;
    std::string text(v < 0 ? 1 : 0, '-');
    text += out.str();
    return text;
}
