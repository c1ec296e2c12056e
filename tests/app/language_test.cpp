#include "form_fixture.h"

#include "app/form.h"
#include "app/words.h"

#include <cstddef>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Every text of a catalogue: the members after its language are all texts, so a member added
// later is checked without being listed here.
std::vector<std::string_view> texts_of(const Words& w) {
    constexpr std::size_t first = offsetof(Words, code);
    static_assert((sizeof(Words) - first) % sizeof(std::string_view) == 0);
    std::vector<std::string_view> texts((sizeof(Words) - first) / sizeof(std::string_view));
    std::memcpy(static_cast<void*>(texts.data()), reinterpret_cast<const char*>(&w) + first,
                sizeof(Words) - first);
    return texts;
}

// Texts every language writes alike: names, symbols, patterns of numbers, the language menu.
constexpr std::string_view language_free =
    "|Ardenika|OK|Menu|, |0|X = %1|Y = %1|X = 0|Y = 0|V(r)|V=const|F(r)|Auto|Polski|Українська|"
    "English|V[0,0]  = 0|Ex[0,0] = 0|Ey[0,0] = 0|V[%1,%2]  = %3|Ex[%1,%2] = %3|Ey[%1,%2] = %3|"
    "Język / Мова / Language|";
// The measurements' symbols and the patterns made of them alone.
constexpr std::string_view symbols[] = {"x",
                                        "y",
                                        "s",
                                        "V",
                                        "Ex",
                                        "Ey",
                                        "E∥",
                                        "|E|",
                                        ",",
                                        "ΔV = V(%2) − V(%1) = %3",
                                        "s = %1, V = %2, E∥ = %3",
                                        "PNG 1x (*.png)"};

// A translation of a Polish text: there where the Polish is, with the same placeholders, and
// not the Polish left as it was.
void expect_translated(std::string_view polish, std::string_view other, const std::string& where) {
    const auto placeholders = [](std::string_view text) {
        std::multiset<std::string_view> found;
        for (std::size_t i = 0; i + 1 < text.size(); ++i)
            if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
                found.insert(text.substr(i, 2));
        return found;
    };
    bool free = false;
    for (std::size_t at = 1, end = 0; at < language_free.size(); at = end + 1) {
        end = language_free.find('|', at);
        free = free || language_free.substr(at, end - at) == other;
    }
    free = free || std::find(std::begin(symbols), std::end(symbols), other) != std::end(symbols);
    constexpr std::string_view polish_letters[] = {"ą", "ć", "ę", "ł", "ń", "ś",
                                                   "ź", "ż", "Ł", "Ś", "Ż"};
    const bool polish_letter = std::any_of(
        std::begin(polish_letters), std::end(polish_letters),
        [other](std::string_view l) { return other.find(l) != std::string_view::npos; });
    if (polish.empty()) return;
    EXPECT_FALSE(other.empty()) << where << " lacks \"" << polish << "\"";
    EXPECT_EQ(placeholders(other), placeholders(polish)) << where << ": " << other;
    EXPECT_TRUE(free || (!polish_letter && other != polish)) << where << " in Polish: " << other;
}

} // namespace

TEST(Catalogue, EveryTextControlAndMenuItemIsTranslatedWithItsPlaceholders) {
    const std::vector<std::string_view> polish = texts_of(polish_words);
    for (const Language language : {Language::ukrainian, Language::english}) {
        const Words& w = words_for(language);
        const std::string code(w.code);
        EXPECT_EQ(language_of(w.code), language);
        const std::vector<std::string_view> other = texts_of(w);
        for (std::size_t i = 0; i < polish.size(); ++i)
            expect_translated(polish[i], other[i], code + " text " + std::to_string(i));

        std::set<std::string_view> rows;
        for (const FormWords& row : form_words(language)) rows.insert(row.name);
        std::vector<FormControl> controls(form_controls().begin(), form_controls().end());
        controls.insert(controls.end(), panel_controls().begin(), panel_controls().end());
        controls.insert(controls.end(), plot_controls().begin(), plot_controls().end());
        for (const FormControl& c : controls) {
            EXPECT_EQ(rows.erase(c.name), 1U) << code << " lacks " << c.name;
            const FormWords t = form_texts(c, language);
            expect_translated(c.caption, t.caption, code + " " + std::string(c.name));
            expect_translated(c.hint, t.hint, code + " hint " + std::string(c.name));
            expect_translated(c.accessible_name, t.accessible_name,
                              code + " " + std::string(c.name));
        }
        for (const MenuItem& m : menu_items()) {
            EXPECT_EQ(rows.erase(m.name), 1U) << code << " lacks " << m.name;
            expect_translated(m.caption, form_texts(m, language).caption,
                              code + " " + std::string(m.name));
        }
        // A row for a name the form lacks is a translation nobody sees.
        EXPECT_TRUE(rows.empty()) << code << " translates no " << *rows.begin();
    }
    EXPECT_EQ(language_of("pl"), Language::polish);
    EXPECT_EQ(language_of("de"), std::nullopt);
}

TEST(Catalogue, CountsTakeEachLanguagesPluralForm) {
    const long long numbers[] = {0, 1, 2, 5, 12, 21, 22, 25, 111, 1004};
    const std::vector<std::string> expected[] = {
        {"0 ładunków", "1 ładunek", "2 ładunki", "5 ładunków", "12 ładunków", "21 ładunków",
         "22 ładunki", "25 ładunków", "111 ładunków", "1004 ładunki"},
        {"0 зарядів", "1 заряд", "2 заряди", "5 зарядів", "12 зарядів", "21 заряд", "22 заряди",
         "25 зарядів", "111 зарядів", "1004 заряди"},
        {"0 charges", "1 charge", "2 charges", "5 charges", "12 charges", "21 charges",
         "22 charges", "25 charges", "111 charges", "1004 charges"},
    };
    for (std::size_t l = 0; l < languages.size(); ++l) {
        const Words& w = words_for(languages[l]);
        std::vector<std::string> said;
        for (const long long n : numbers) said.push_back(counted(w, w.charges, n));
        EXPECT_EQ(said, expected[l]) << w.code;
    }
}

TEST_F(Form, ChoosingALanguageKeepsTheBoardHistoryAndReadoutAndSpeaksItsWords) {
    form->click("language_en_item");
    EXPECT_FALSE(form->can_undo()); // choosing is no change of the board
    click(Toggle::add_positive_tool);
    click_board(150, 200);
    click(Toggle::add_negative_tool);
    click_board(250, 180);
    form->click("colour_map_button");
    form->click("field_lines_button");
    click(Toggle::equipotential_tool);
    click_board(200, 120);
    move_to(210, 150);
    form->undo();
    const std::string setup = form->setup_text();
    const std::uint64_t digest = form->program_digest(); // board, readout, pointer, history
    ASSERT_TRUE(form->click("language_uk_item"));
    EXPECT_EQ(form->language(), Language::ukrainian);
    EXPECT_EQ(form->program_digest(), digest);
    EXPECT_EQ(form->picture_description(), "Ardenika\n"
                                           "Заряди (x, y, знак): -50, 0, 1; 50, 20, -1\n"
                                           "Намальовано: карта потенціалу, силові лінії поля");
    form->redo();
    EXPECT_EQ(screen->announcements.back(), "Зміну повернено");
    form->click("language_en_item");
    EXPECT_EQ(form->pictures().back(), "equipotential line through (0, 80)");
    form->click("colour_map_button");
    EXPECT_EQ(screen->announcements.back(), "Drawn: potential map");
    form->click("language_pl_item");
    form->undo();
    form->undo();
    EXPECT_EQ(screen->announcements.back(), "Cofnięto zmianę");
    EXPECT_EQ(form->setup_text(), setup);
}

TEST_F(Form, RefusalsAndTheErrorBoxSpeakTheChosenLanguage) {
    const std::vector<std::string> said[] = {
        {"Maksymalnie 14 ładunków!", "Opis planszy ma więcej niż 14 ładunków.",
         "Punkt (-201, 7) leży poza planszą."},
        {"Щонайбільше 14 зарядів!", "В описі дошки більше ніж 14 зарядів.",
         "Точка (-201, 7) лежить поза дошкою."},
        {"At most 14 charges!", "The board's description has more than 14 charges.",
         "The point (-201, 7) lies off the board."},
    };
    for (std::size_t l = 0; l < languages.size(); ++l) {
        fresh();
        form->set_language(languages[l]);
        form->open_setup("v1;p0,0;p1,0;p2,0;p3,0;p4,0;p5,0;p6,0;p7,0;p8,0;p9,0;p10,0;p11,0;p12,0;"
                         "p13,0");
        click(Toggle::add_positive_tool);
        click_board(10, 10);
        form->open_setup("v1;p0,0;p1,0;p2,0;p3,0;p4,0;p5,0;p6,0;p7,0;p8,0;p9,0;p10,0;p11,0;p12,0;"
                         "p13,0;p14,0");
        form->open_setup("v1;p-201,7");
        EXPECT_EQ(screen->errors, said[l]);
    }
}

TEST_F(Form, TheMeasurementPanelSpeaksTheChosenLanguageWithItsDecimalMark) {
    ASSERT_TRUE(form->open_setup("v1;p80,0;n-80,0;mA40,0;mB-40,0"));
    form->click("record_button");
    form->click("language_uk_item");
    EXPECT_EQ(form->panel_text("pair_caption"), "Пара:");
    EXPECT_EQ(form->panel_text("pair_difference"), "ΔV = V(B) − V(A) = -33,333");
    form->click("language_en_item");
    EXPECT_EQ(form->panel_table("points_table").headers[0], "Point");
    EXPECT_EQ(form->panel_text("pair_difference"), "ΔV = V(B) − V(A) = -33.333");
    // The row recorded in Polish reads as English writes it, and its CSV separates by commas.
    EXPECT_EQ(form->recorded_table_csv(),
              "\xEF\xBB\xBFPoint,x,y,Distance,From,V,Ex,Ey,|E|,Direction [°]\r\n"
              "A,40,0,40.00,origin,16.667,-6.9444,0.0000,6.9444,180.0\r\n");
}
