// The setup's text: what it says, what a person may type, every refusal with its reason, and
// that writing and reading give each other back.
#include "app/setup.h"
#include "app/setup_messages.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

std::string repeated(std::string_view token, int times) {
    std::string text = "v1";
    for (int i = 0; i < times; ++i) {
        text += ';';
        text += token;
    }
    return text;
}

} // namespace

TEST(Setup, SaysEachStepAndTheGridSourceInItsOwnToken) {
    const ::Setup board{std::nullopt,
                        {{StepKind::positive_charge, 80, 0},
                         {StepKind::negative_charge, -80, 0},
                         {StepKind::colour_map},
                         {StepKind::equipotentials},
                         {StepKind::field_lines},
                         {StepKind::equipotential_at, 30, 40},
                         {StepKind::field_line_at, -20, 10}},
                        {}};
    const ::Setup cleared{std::vector<SetupCharge>{{80, 0, 1}, {-80, 0, -1}},
                          {{StepKind::equipotential_at, 30, 40}},
                          {}};
    const ::Setup empty_source{std::vector<SetupCharge>{}, {{StepKind::field_line_at, 1, 2}}, {}};
    for (const auto& [setup, text] :
         {std::pair{board, "v1;p80,0;n-80,0;V;E;F;e30,40;f-20,10"},
          std::pair{cleared, "v1;gp80,0;gn-80,0;e30,40"}, std::pair{empty_source, "v1;g;f1,2"},
          std::pair{::Setup{}, "v1"}}) {
        EXPECT_EQ(write_setup(setup), text);
        EXPECT_EQ(read_setup(text).setup, setup) << text;
    }
}

TEST(Setup, TakesWhatAPersonTypesOrALinkHoldsAndWritesItCanonically) {
    const std::string canonical = "v1;p80,0;n-80,0;V;e30,40";
    for (const std::string text : {
             "  v1;p80,0;n-80,0;V;e30,40\r\n",
             "#v1;p80,0;n-80,0;V;e30,40",
             "https://example.org/ardenika.html?a=b#v1;p80,0;n-80,0;V;e30,40",
             "v1%3Bp80%2C0%3bn-80%2c0;V;e30,40",
             "v1; p 80 , 0 ;n-80,+0;;V;e030,40;",
             "\xEF\xBB\xBFv1;p+80,-0;n-80,0;V;e30,40",
             // A link copied with its line end or a trailing space escaped.
             "v1;p80,0;n-80,0;V;e30,40%20",
             "v1;p80,0;n-80,0;V;e30,40%0A",
             "v1;p80,0;n-80,0;V;e30%2C40",
         }) {
        const SetupResult read = read_setup(text);
        ASSERT_TRUE(read) << text << ": " << setup_error_text(read);
        EXPECT_EQ(write_setup(read.setup), canonical) << text;
    }
}

TEST(Setup, RefusesEachFaultWithItsReasonAndWhereItIs) {
    struct Case {
        std::string text;
        SetupError error;
        std::size_t token_number = 0;
        std::string token = {};
        int x = 0;
        int y = 0;
    };
    using enum SetupError;
    const std::string fourteen = repeated("p1,1", 14);
    const std::vector<Case> cases{
        {"", empty},
        {" \t\n", empty},
        {"https://example.org/ardenika.html#", empty},
        {"hello", not_a_setup},
        {";v1;V", not_a_setup},
        {"V1;V", not_a_setup},
        {"v01;V", not_a_setup},
        {"v2;whatever comes next", newer_version},
        {"v123456789012345678901234567890", newer_version},
        {"v1;p80", damaged, 2, "p80"},
        {"v1;V;p1,2,3", damaged, 3, "p1,2,3"},
        {"v1;V1", damaged, 2, "V1"},
        {"v1;v", damaged, 2, "v"},
        {"v1;p8 0,0", damaged, 2, "p8 0,0"},
        {"v1;p1234567890,0", damaged, 2, "p1234567890,0"},
        {"v1;p\xC4\x85,0", damaged, 2, "p??,0"},
        {"v1;p%00,0", damaged, 2, "p?,0"},
        {"v1;" + std::string(100, 'x'), damaged, 2, std::string(32, 'x')},
        {"v1;V;gp1,1", damaged, 3, "gp1,1"},
        {"v1;g;gp1,1", damaged, 3, "gp1,1"},
        {"v1;gp1,1;g", damaged, 3, "g"},
        {"v1;gx1,1", damaged, 2, "gx1,1"},
        {"v1;p201,0", point_off_board, 2, "p201,0", 201, 0},
        {"v1;V;e0,-201", point_off_board, 3, "e0,-201", 0, -201},
        {"v1;gn-300,5", point_off_board, 2, "gn-300,5", -300, 5},
        {fourteen + ";n2,2", too_many_charges, 16, "n2,2"},
        {repeated("gp1,1", 15), too_many_charges, 16, "gp1,1"},
        {repeated("V", 1001), too_long, 1002, "V"},
        {std::string("v1").append(setup_max_text - 1, ' '), too_long},
    };
    for (const Case& c : cases) {
        const SetupResult read = read_setup(c.text);
        const std::string shown = c.text.substr(0, 60);
        EXPECT_EQ(read.error, c.error) << shown;
        EXPECT_EQ(read.token_number, c.token_number) << shown;
        EXPECT_EQ(read.token, c.token) << shown;
        EXPECT_EQ(std::pair(read.x, read.y), std::pair(c.x, c.y)) << shown;
        EXPECT_EQ(read.setup, ::Setup{}) << shown;
    }
    // The limits themselves are taken.
    EXPECT_TRUE(read_setup(repeated("gp0,0", 14) + fourteen.substr(2)));
    EXPECT_TRUE(read_setup(repeated("e-200,200", 1000)));
    EXPECT_TRUE(read_setup(std::string("v1").append(setup_max_text - 2, ' ')));
}

TEST(Setup, FourteenChargesTheThreeFamiliesAndTenLinesTakeUnderThreeHundredCharacters) {
    ::Setup setup;
    for (int i = 0; i < 14; ++i) setup.steps.push_back({StepKind::negative_charge, -200, -200});
    for (const StepKind family :
         {StepKind::colour_map, StepKind::equipotentials, StepKind::field_lines})
        setup.steps.push_back({family});
    for (int i = 0; i < 10; ++i) setup.steps.push_back({StepKind::field_line_at, -200, -200});
    EXPECT_LT(write_setup(setup).size(), 300u);
    EXPECT_TRUE(check_setup(setup));
}

// Random setups, a few beyond each limit: the check agrees with the reader on every one, what
// passes the check reads back the same, and a messy copy of the text reads as the text.
TEST(Setup, ReadsBackWhatItWritesAndItsCheckAgreesWithTheReader) {
    std::mt19937 random(20240611);
    const auto number = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::set<SetupError> seen;
    for (int round = 0; round < 3000; ++round) {
        const bool wild = number(0, 9) == 0; // points now and then off the board
        const int charge_limit = number(0, 7) == 0 ? 16 : 14;
        const auto coordinate = [&] {
            return wild && number(0, 19) == 0 ? number(-260, 260) : number(-200, 200);
        };
        ::Setup setup;
        if (number(0, 3) == 0) {
            setup.grid_source.emplace();
            for (int i = number(0, charge_limit); i > 0; --i)
                setup.grid_source->push_back({coordinate(), coordinate(), number(0, 1) ? 1 : -1});
        }
        const auto steps =
            static_cast<std::size_t>(number(0, 50) == 0 ? number(995, 1003) : number(0, 60));
        int charges = 0;
        while (setup.steps.size() < steps) {
            const auto kind = static_cast<StepKind>(number(0, 6));
            const bool charge =
                kind == StepKind::positive_charge || kind == StepKind::negative_charge;
            if (charge && ++charges > charge_limit) continue;
            const bool family = kind == StepKind::colour_map || kind == StepKind::equipotentials ||
                                kind == StepKind::field_lines;
            setup.steps.push_back(family ? Step{kind} : Step{kind, coordinate(), coordinate()});
        }
        for (int i = 0; i < max_measuring_points; ++i)
            if (number(0, 5) == 0) setup.points.at(i) = MeasuringPoint{coordinate(), coordinate()};
        const std::string text = write_setup(setup);
        const SetupResult read = read_setup(text);
        const SetupResult check = check_setup(setup);
        seen.insert(check.error);
        ASSERT_EQ(read.error, check.error) << text;
        EXPECT_EQ(std::tuple(read.token_number, read.token, read.x, read.y),
                  std::tuple(check.token_number, check.token, check.x, check.y))
            << text;
        if (!read) continue;
        ASSERT_EQ(read.setup, setup) << text;

        std::string messy = "https://example.org/ardenika.html#";
        for (const char c : text) {
            if (c == ';' && number(0, 2) == 0)
                messy += " %3B ";
            else if (c == ',' && number(0, 2) == 0)
                messy += "%2c";
            else
                messy += c;
        }
        ASSERT_EQ(write_setup(read_setup(messy).setup), text) << messy;
    }
    EXPECT_EQ(seen.size(), 4u); // none, off the board, too many charges, too many steps
}

TEST(Setup, CheckRefusesWhatTheTextCannotSay) {
    EXPECT_EQ(check_setup({std::vector<SetupCharge>{{0, 0, 0}}, {}, {}}).error,
              SetupError::damaged);
    EXPECT_EQ(check_setup({std::nullopt, {{StepKind::colour_map, 5, 0}}, {}}).error,
              SetupError::damaged);
    const auto unknown = static_cast<StepKind>(99);
    EXPECT_FALSE(read_setup(write_setup({std::nullopt, {{unknown, 1, 1}}, {}})));
    EXPECT_EQ(check_setup({std::nullopt, {{unknown, 1, 1}}, {}}).error, SetupError::damaged);
}

TEST(SetupMessages, NameEveryFaultInPolishWithItsPlace) {
    EXPECT_EQ(setup_error_text(read_setup("v1;V;x{y}")),
              "Opis planszy jest uszkodzony (element 3: „x{y}”).");
    EXPECT_EQ(setup_error_text(read_setup("v1;p-201,7")), "Punkt (-201, 7) leży poza planszą.");
    EXPECT_EQ(setup_error_text(read_setup("v1")), "");
    for (int e = 1; e <= static_cast<int>(SetupError::too_long); ++e) {
        SetupResult result;
        result.error = static_cast<SetupError>(e);
        EXPECT_FALSE(setup_error_text(result).empty()) << e;
    }
    for (int e = 1; e <= static_cast<int>(PngTextError::text_too_long); ++e)
        EXPECT_FALSE(picture_error_text(static_cast<PngTextError>(e)).empty()) << e;
}
