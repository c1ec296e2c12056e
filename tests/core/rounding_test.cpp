#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Through a volatile, so the compiler cannot fold the call in its own rounding mode.
int rounded(double x) {
    volatile double v = x;
    return round_half_even(v);
}

TEST(RoundHalfEven, TakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(rounded(0.5), 0);
    EXPECT_EQ(rounded(1.5), 2);
    EXPECT_EQ(rounded(200.5), 200);
    EXPECT_EQ(rounded(-0.5), 0);
    EXPECT_EQ(rounded(-1.5), -2);
    EXPECT_EQ(rounded(-0.7), -1);
    EXPECT_EQ(rounded(2147483646.5), 2147483646);
    EXPECT_EQ(rounded(2147483646.75), 2147483647);
    EXPECT_EQ(rounded(-2147483645.5), -2147483646);
    EXPECT_EQ(rounded(-2147483647.75), -2147483647 - 1);
    EXPECT_EQ(rounded(std::nextafter(0.5, 1.0)), 1);
    EXPECT_EQ(rounded(std::nextafter(2.5, 0.0)), 2);
    EXPECT_EQ(rounded(std::nextafter(-2.5, -3.0)), -3);
    // Against the library's rounding in its default mode, at and beside every half.
    int differing = 0;
    for (int k = -300; k <= 300; ++k) {
        const double half = k + 0.5;
        for (double x : {double(k), half, std::nextafter(half, -1e9), std::nextafter(half, 1e9)})
            if (round_half_even(x) != static_cast<int>(std::nearbyint(x))) ++differing;
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
