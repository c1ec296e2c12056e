#include "app/readout.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

std::string readout_value(double v) {
    double a = std::fabs(v);
    // Only odd eighths lie exactly halfway between two hundredths; the panel has always taken
    // such a half away from zero, where printf would take it to the even digit.
    const double eighths = (a - std::floor(a)) * 8.0;
    if (eighths == std::floor(eighths) && std::fmod(eighths, 2.0) == 1.0)
        a = std::nextafter(a, std::numeric_limits<double>::infinity());
    // printf without streams keeps the WebAssembly small; the point it writes is the user's
    // locale's (a program under Qt runs in it), so it is put back to a point.
    char digits[352];
    std::snprintf(digits, sizeof digits, "%.2f", a);
    const char* point = std::localeconv()->decimal_point;
    const std::size_t point_length = std::strlen(point);
    const char* at = point_length > 0 ? std::strstr(digits, point) : nullptr;
    std::string text(v < 0 ? 1 : 0, '-');
    if (at == nullptr) return text + digits;
    text.append(digits, static_cast<std::size_t>(at - digits));
    text += '.';
    text += at + point_length;
    return text;
}
