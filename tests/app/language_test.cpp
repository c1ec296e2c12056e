#include "form_fixture.h"

#include "app/form.h"
#include "app/setup_messages.h"
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
    std::vector<std::string_view> texts;
    for (std::size_t at = first; at < sizeof(Words); at += sizeof(std::string_view)) {
        std::string_view text;
        std::memcpy(static_cast<void*>(&text), reinterpret_cast<const char*>(&w) + at, sizeof text);
        texts.push_back(text);
    }
    return texts;
}

std::multiset<std::string> placeholders(std::string_view text) {
    std::multiset<std::string> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9')
            found.insert(std::string(text.substr(i, 2)));
    return found;
}

bool has_polish_letter(std::string_view text) {
    for (std::string_view letter :
         {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż", "Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"})
        if (text.find(letter) != std::string_view::npos) return true;
    return false;
}

// Texts every language writes alike: names, symbols, patterns of numbers, the language menu.
bool language_free(std::string_view text) {
    static const std::set<std::string_view> free{"Ardenika",
                                                 "OK",
                                                 "Menu",
                                                 ", ",
                                                 "0",
                                                 "X = %1",
                                                 "Y = %1",
                                                 "V(r)",
                                                 "V=const",
                                                 "F(r)",
                                                 "Auto",
                                                 "X = 0",
                                                 "Y = 0",
                                                 "Polski",
                                                 "Українська",
                                                 "English",
                                                 "V[0,0]  = 0",
                                                 "Ex[0,0] = 0",
                                                 "Ey[0,0] = 0",
                                                 "V[%1,%2]  = %3",
                                                 "Ex[%1,%2] = %3",
                                                 "Ey[%1,%2] = %3",
                                                 "Język / Мова / Language"};
    return free.contains(text);
}

// A translation of a Polish text: there where the Polish is, with the same placeholders, and not
// the Polish left as it was.
void expect_translated(std::string_view polish, std::string_view other, const std::string& where) {
    if (polish.empty()) return;
    EXPECT_FALSE(other.empty()) << where << " lacks \"" << polish << "\"";
    EXPECT_EQ(placeholders(other), placeholders(polish)) << where << ": " << other;
    EXPECT_TRUE(language_free(other) || !has_polish_letter(other)) << where << ": " << other;
    EXPECT_TRUE(other != polish || language_free(other)) << where << " left in Polish: " << other;
}

bool has_row(Language language, std::string_view name) {
    const std::span<const FormWords> table = form_words(language);
    return std::any_of(table.begin(), table.end(),
                       [name](const FormWords& row) { return row.name == name; });
}

} // namespace

TEST(Catalogue, EveryTextOfEveryLanguageIsTranslatedWithItsPlaceholders) {
    const std::vector<std::string_view> polish = texts_of(polish_words);
    for (const Language language : {Language::ukrainian, Language::english}) {
        const Words& w = words_for(language);
        EXPECT_EQ(w.language, language);
        EXPECT_EQ(language_of(w.code), language);
        const std::vector<std::string_view> other = texts_of(w);
        for (std::size_t i = 0; i < polish.size(); ++i)
            expect_translated(polish[i], other[i],
                              std::string(w.code) + " text " + std::to_string(i));
    }
    EXPECT_EQ(language_of("pl"), Language::polish);
    EXPECT_EQ(language_of("de"), std::nullopt);
    EXPECT_EQ(language_of(""), std::nullopt);
}

TEST(Catalogue, EveryControlAndMenuItemHasItsWordsInEveryLanguage) {
    for (const Language language : {Language::ukrainian, Language::english}) {
        const std::string code(words_for(language).code);
        std::set<std::string_view> named;
        for (const FormControl& c : form_controls()) {
            named.insert(c.name);
            const FormWords w = form_texts(c, language);
            EXPECT_TRUE(has_row(language, c.name)) << code << " lacks " << c.name;
            expect_translated(c.caption, w.caption, code + " " + std::string(c.name));
            expect_translated(c.hint, w.hint, code + " hint " + std::string(c.name));
            expect_translated(c.accessible_name, w.accessible_name,
                              code + " name " + std::string(c.name));
        }
        for (const MenuItem& m : menu_items()) {
            named.insert(m.name);
            const FormWords w = form_texts(m, language);
            EXPECT_TRUE(has_row(language, m.name)) << code << " lacks " << m.name;
            expect_translated(m.caption, w.caption, code + " " + std::string(m.name));
        }
        // A row for a name the form lacks is a translation that nobody sees.
        for (const FormWords& row : form_words(language))
            EXPECT_TRUE(named.contains(row.name)) << code << " translates no " << row.name;
    }
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

class Languages : public Form {
  protected:
    void busy_board() {
        click(Toggle::add_positive_tool);
        click_board(150, 200);
        click(Toggle::add_negative_tool);
        click_board(250, 180);
        form->click("colour_map_button");
        form->click("field_lines_button");
        click(Toggle::equipotential_tool);
        click_board(200, 120);
        move_to(210, 150);
    }
};

TEST_F(Languages, SwitchingKeepsTheBoardHistoryAndReadoutAndSpeaksTheNewWords) {
    busy_board();
    form->undo();
    const std::string setup = form->setup_text();
    const auto pixels = board_copy();
    const auto labels = form->labels();
    const std::uint64_t digest = form->program_digest();
    ASSERT_TRUE(form->click("language_uk_item"));
    EXPECT_EQ(form->language(), Language::ukrainian);
    EXPECT_EQ(form->setup_text(), setup);
    EXPECT_TRUE(board_is(pixels));
    EXPECT_EQ(form->labels(), labels); // the readout is the same symbols in every language
    EXPECT_EQ(form->program_digest(), digest);
    EXPECT_TRUE(form->can_undo());
    EXPECT_TRUE(form->can_redo());

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

TEST_F(Languages, ChoosingALanguageIsNoChangeOfTheBoard) {
    form->click("language_en_item");
    EXPECT_FALSE(form->can_undo());
    EXPECT_EQ(form->labels()[2], "V[0,0]  = 0");
    EXPECT_EQ(form->setup_changes(), 0);
}

TEST_F(Languages, RefusalsAndTheErrorBoxSpeakTheChosenLanguage) {
    struct Case {
        Language language;
        std::string full;
        std::string too_many;
        std::string off_board;
    };
    const Case cases[] = {
        {Language::polish, "Maksymalnie 14 ładunków!", "Opis planszy ma więcej niż 14 ładunków.",
         "Punkt (-201, 7) leży poza planszą."},
        {Language::ukrainian, "Щонайбільше 14 зарядів!", "В описі дошки більше ніж 14 зарядів.",
         "Точка (-201, 7) лежить поза дошкою."},
        {Language::english, "At most 14 charges!",
         "The board's description has more than 14 charges.",
         "The point (-201, 7) lies off the board."},
    };
    std::string fifteen = "v1";
    for (int i = 0; i < 15; ++i) fifteen += ";p" + std::to_string(i) + ",0";
    for (const Case& c : cases) {
        fresh();
        form->set_language(c.language);
        click(Toggle::add_positive_tool);
        for (int i = 0; i < 15; ++i) click_board(10 + 20 * i, 10);
        EXPECT_EQ(screen->errors, std::vector<std::string>{c.full});
        form->open_setup(fifteen);
        form->open_setup("v1;p-201,7");
        EXPECT_EQ(screen->errors, (std::vector<std::string>{c.full, c.too_many, c.off_board}));
    }
}
