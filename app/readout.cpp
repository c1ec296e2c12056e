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
    std::string text(v < 0 ? 1 : 0, '-');
    text += fixed_digits(a, 2, ".");
    return text;
}

std::string fixed_digits(double value, int decimals, std::string_view mark) {
    // printf without streams keeps the WebAssembly small; the point it writes is the user's
    // locale's (a program under Qt runs in it), so it is put back to the mark asked for.
    char digits[352];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, value);
    std::string text(digits);
    const char* point = std::localeconv()->decimal_point;
    if (const std::size_t at = text.find(point); *point != '\0' && at != std::string::npos)
        text.replace(at, std::strlen(point), mark);
    return text;
}
