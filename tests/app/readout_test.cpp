// The readout's numbers: two decimals with a point whatever the locale, halves away from zero,
// and a minus before every negative value.
#include "app/readout.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

TEST(Readout, TakesExactHalvesAwayFromZeroAndRoundsEverythingElseToNearest) {
    EXPECT_EQ(readout_value(0.125), "0.13");
    EXPECT_EQ(readout_value(0.375), "0.38");
    EXPECT_EQ(readout_value(-0.625), "-0.63");
    EXPECT_EQ(readout_value(12345678.875), "12345678.88");
    EXPECT_EQ(readout_value(2.675), "2.67"); // the double lies just below the half
    EXPECT_EQ(readout_value(1.005), "1.00");
    EXPECT_EQ(readout_value(100.0), "100.00");
    EXPECT_EQ(readout_value(1e300).substr(0, 4), "1000");
}

TEST(Readout, WritesAMinusBeforeEveryNegativeValueButNotBeforeZero) {
    EXPECT_EQ(readout_value(-0.001), "-0.00");
    EXPECT_EQ(readout_value(-0.004999), "-0.00");
    EXPECT_EQ(readout_value(-0.0), "0.00");
    EXPECT_EQ(readout_value(0.0), "0.00");
    EXPECT_EQ(readout_value(-12.345), "-12.35"); // -12.345 is stored a little beyond the half
}

TEST(Readout, KeepsThePointUnderALocaleThatWritesAComma) {
    // Polish writes a decimal comma; the locale is compiled into a folder of the test's own.
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("ardenika-locale-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string make =
        "localedef -i pl_PL -f UTF-8 '" + (folder / "pl_PL.utf8").string() + "' 2>/dev/null";
    if (std::system(make.c_str()) != 0) GTEST_SKIP() << "no localedef with pl_PL sources";
    setenv("LOCPATH", folder.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "pl_PL.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(readout_value(1234.5), "1234.50");
    EXPECT_EQ(readout_value(-0.125), "-0.13");
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
    std::filesystem::remove_all(folder);
}
