#include "dialogs/dialog_content.h"
#include "dialogs/dialogs_json.h"
#include "dialogs/json_writer.h"
#include "dialogs/script_metrics.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// The description as the reader sees it, one string per paragraph.
const std::vector<std::string> expected_paragraphs = {
    std::string(
        "Natężenie pola elektrycznego definiujemy jako siłę działającą na ładunek próbny q0 "
        "(umieszczony w danym punkcie przestrzeni) podzieloną przez ten ładunek E = F/q0.    "
        "Kierunek pola E w przestrzeni można przedstawić graficznie za pomocą tzw. linii sił "
        "(linii pola). Są to linie, do których wektor E jest styczny w każdym punkcie. Linie sił "
        "zaczynają się zawsze na ładunkach dodatnich, a konczą na ładunkach ujemnych."),
    std::string("Ponieważ energia potencjalna ładunku w polu elektrycznym zależy od wielkości "
                "tego ładunku, to do opisu pola elektrycznego lepiej posługiwać się energią "
                "potencjalną przypadającą na jednostkowy ładunek czyli potencjałem "
                "elektrycznym. "),
    std::string("Potencjał elektryczny definiujemy jako energię potencjalną pola elektrycznego "
                "podzieloną przez jednostkowy ładunek       V = Ep/q0. "),
    std::string("Podobnie jak natężenie pola elektrycznego, które ilustrujemy za pomocą linii "
                "sił pola również potencjał elektryczny można przedstawić graficznie. W tym "
                "celu rysujemy powierzchnie lub linie ekwipotencjalne, które przedstawiają w "
                "przestrzeni zbiory punktów o jednakowym potencjale."),
    std::string("Program pozwala wyznaczyć linie sił pola elektrycznego i rozkład potencjału "
                "pochodzący od zadanego statycznego rozkładu ładunków. "),
    std::string(
        "Wprowadzanie ładunków odbywa się poprzez panel \"Ładunki - Dodaj/Usun\".  Można z niego "
        "wybrać jeden z proponowa- nych układów ładunków (np. dipol) klikając na jednej z "
        "wybranych ikon. Można też utworzyć własny układ ładunków. W tym celu wybieramy ikonę z "
        "pojedynczym ładunkiem, a następnie klikamy na wykresie w punkcie, w którym chcemy "
        "umieścić ładunek. Współrzędne są na bieżąco wyświetlane w panelu \"Parametry\". "
        "Maksymalnie można umieścić na wykresie 12 ładunków. Przycisk \"Usun ładunek\" pozwala "
        "usuwać wybrane ładunki. "),
    std::string("Korzystając z panelu \"Linie sił pola\" można, wybierając opcję \"Auto\", "
                "automatycznie wygenerować rozkład linii lub wprowadzać pojedyncze linie "
                "klikając w wybranych punktach na wykresie po uprzednim wybraniu opcji "
                "\"F(r)\"."),
    std::string("Podobnie, można automatycznie wygenerować rozkład potencjału wybierając opcję "
                "\"V(r)\" z panelu \"Rozkład potencjału\". Opcja \"Auto\" pozwala wygenerować "
                "automatycznie linie stałego potencjału, a opcja \"V=const\" umożliwia "
                "tworzenie takich linii w wybranych punktach na wykresie."),
    std::string("(Opcje wyświetlania linii sił pola elektrycznego i rozkład potencjału można "
                "też wybierać z menu.)"),
    std::string("Składowe pola elektrycznego i wartość potencjału w danym punkcie są "
                "wyświetlane w panelu \"Parametry\". Przycisk \"Czyść\" pozwala usunąć "
                "wyświetlany rozkład pola lub potencjału, a ponowne kliknięcie usuwa ładunki."),
    std::string("Więcej na temat pola elektrycznego można przeczytać w notatkach do wykładów z "
                "fizyki (Wykłady 17 - 19) dostępnych na stronie internetowej "
                "www.example.org/ostrada."),
};

} // namespace

TEST(ScriptMetrics, SubscriptAndBackRoundTheTwentieths) {
    const auto pair = [](int height, ScriptMode mode) {
        const CharMetrics m = script_metrics(height, mode);
        return std::pair{m.height, m.offset};
    };
    EXPECT_EQ(pair(195, ScriptMode::subscript), std::pair(136, -41));
    EXPECT_EQ(pair(136, ScriptMode::normal), std::pair(194, 0));
    // From 194 the pair comes back to 194: the first return loses a twentieth once only.
    EXPECT_EQ(pair(194, ScriptMode::subscript), std::pair(136, -41));
    EXPECT_EQ(pair(200, ScriptMode::subscript), std::pair(140, -42));
    EXPECT_EQ(pair(140, ScriptMode::normal), std::pair(200, 0));
    EXPECT_EQ(pair(200, ScriptMode::superscript), std::pair(140, 42));
}

TEST(ScriptMetrics, MatchTheDoubleFactorsAtEveryHeight) {
    // The rule as first written: double factors, halves to even (the default rounding mode).
    const auto by_doubles = [](int height, double height_factor, double offset_factor) {
        const int h = static_cast<int>(std::nearbyint(height * height_factor));
        return std::pair{h, static_cast<int>(std::nearbyint(h * offset_factor))};
    };
    for (int height = 0; height <= 2000; ++height) {
        const CharMetrics sub = script_metrics(height, ScriptMode::subscript);
        const CharMetrics super = script_metrics(height, ScriptMode::superscript);
        const CharMetrics normal = script_metrics(height, ScriptMode::normal);
        ASSERT_EQ(std::pair(sub.height, sub.offset), by_doubles(height, 0.7, -0.3)) << height;
        ASSERT_EQ(std::pair(super.height, super.offset), by_doubles(height, 0.7, 0.3)) << height;
        ASSERT_EQ(std::pair(normal.height, normal.offset),
                  by_doubles(height, 1.4285714285714286, 0.0))
            << height;
    }
    // 45 x 0.7 is 31.5 exactly but just under it in binary: the doubles give 31, not 32.
    EXPECT_EQ(script_metrics(45, ScriptMode::subscript).height, 31);
}

TEST(DescriptionRuns, ReadAsTheElevenParagraphs) {
    std::vector<std::string> paragraphs;
    for (const DescriptionRun& run : description_runs()) {
        if (paragraphs.empty() || run.starts_paragraph) paragraphs.emplace_back();
        paragraphs.back() += run.text;
    }
    EXPECT_EQ(paragraphs, expected_paragraphs);
    EXPECT_FALSE(description_runs().front().starts_paragraph);
    // Only the subscripts change the script; none of them carries colour or style.
    int subscripts = 0;
    for (const DescriptionRun& run : description_runs()) {
        if (run.script == ScriptMode::normal) continue;
        ++subscripts;
        EXPECT_EQ(run.script, ScriptMode::subscript);
        EXPECT_EQ(run.colour, ink_black);
        EXPECT_EQ(run.style, 0);
    }
    EXPECT_EQ(subscripts, 4);
}

TEST(DialogContent, TabOrderStartsAtOkAndEveryNameIsOnce) {
    for (const DialogContent* dialog : {&description_dialog(), &about_dialog()}) {
        EXPECT_EQ(dialog->controls.front().name, "ok_button");
        for (std::size_t i = 0; i < dialog->controls.size(); ++i)
            for (std::size_t j = i + 1; j < dialog->controls.size(); ++j)
                EXPECT_NE(dialog->controls[i].name, dialog->controls[j].name);
    }
    EXPECT_EQ(description_dialog().controls[1].name, "description_text");
    EXPECT_EQ(about_dialog().controls[1].name, "licence_text");
}

TEST(Json, StringsAreEscapedAndUtf8PassesThrough) {
    EXPECT_EQ(json_string("a\"b\\c"), R"("a\"b\\c")");
    EXPECT_EQ(json_string("\n\r\t"), R"("\n\r\t")");
    EXPECT_EQ(json_string(std::string_view("\x01\x1f\0", 3)), R"("\u0001\u001f\u0000")");
    EXPECT_EQ(json_string("Połącz się ze stroną"), "\"Połącz się ze stroną\"");
    EXPECT_EQ(json_string("\x7f/"), "\"\x7f/\"");
}

TEST(Json, TheWriterSeparatesMembersAndItemsAtEveryDepth) {
    JsonWriter json;
    json.open_object().key("a").open_array().number(1).open_object().member("b", true);
    json.close_object().open_array().close_array().number(-2).close_array().key("c").null();
    json.member("d", "x\"").key("e").open_object().close_object().key("f").raw_number("0.5");
    EXPECT_EQ(json.close_object().text(),
              R"({"a":[1,{"b":true},[],-2],"c":null,"d":"x\"","e":{},"f":0.5})");
}

TEST(Json, HoldsBothDialogsWithTheirRunsAndControls) {
    const std::string json = help_dialogs_json();
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.back(), '}');
    EXPECT_NE(
        json.find(
            R"({"description":{"class":"DescriptionDialog","caption":"Opis programu","width":432,)"
            R"("height":329,"font":{"role":"dialog","pixels":11,"weight":400,)"
            R"("underline":false},"controls":[{"name":"ok_button","kind":"button",)"
            R"("left":351,"top":296,"width":75,"height":25,"text":"OK","font":null,)"
            R"("colour":null,"hint":"","grows":false})"),
        std::string::npos);
    EXPECT_NE(json.find(R"({"text":"0","colour":[0,0,0],"bold":false,"italic":false,)"
                        R"("underline":false,"script":-1,"paragraph":false})"),
              std::string::npos);
    EXPECT_NE(json.find(R"("text":"Ardenika jest programem bezpłatnym (freeware).\n\nMożna)"),
              std::string::npos);
    EXPECT_NE(json.find(R"(,"about":{"class":"AboutDialog","caption":"O programie","width":403,)"),
              std::string::npos);
    EXPECT_NE(json.find(R"("text":"Wprowadzanie ładunków odbywa się poprzez panel \"",)"),
              std::string::npos);
}

namespace {

// What the page shows in each kind of format: the runs with a colour, a style or a script, in
// order, without their words.
std::vector<std::tuple<int, int, int, bool>> formats(const std::vector<DescriptionRun>& runs) {
    std::vector<std::tuple<int, int, int, bool>> found;
    for (const DescriptionRun& r : runs)
        if (r.colour != ink_black || r.style != 0 || r.script != ScriptMode::normal ||
            r.starts_paragraph)
            found.emplace_back(r.colour.red * 65536 + r.colour.green * 256 + r.colour.blue, r.style,
                               static_cast<int>(r.script), r.starts_paragraph);
    return found;
}

bool has_polish_letter(std::string_view text) {
    for (std::string_view letter : {"ą", "ć", "ę", "ł", "ń", "ś", "ź", "ż", "Ł", "Ż", "Ś"})
        if (text.find(letter) != std::string_view::npos) return true;
    return false;
}

} // namespace

TEST(Translations, EachLanguageKeepsThePagesParagraphsAndFormatsInItsOwnWords) {
    for (const std::string_view language : {"uk", "en"}) {
        const auto& runs = description_runs(language);
        EXPECT_EQ(formats(runs), formats(description_runs())) << language;
        EXPECT_FALSE(runs.front().starts_paragraph);
        std::string all;
        for (const DescriptionRun& r : runs) all += r.text;
        EXPECT_FALSE(has_polish_letter(all)) << language;
        for (const DialogContent* d : {&description_dialog(language), &about_dialog(language)}) {
            const DialogContent& polish =
                d == &description_dialog(language) ? description_dialog() : about_dialog();
            ASSERT_EQ(d->controls.size(), polish.controls.size());
            EXPECT_NE(d->caption, polish.caption);
            for (std::size_t i = 0; i < d->controls.size(); ++i) {
                const Control& c = d->controls[i];
                const Control& p = polish.controls[i];
                // The same controls in the same places; only the words differ.
                EXPECT_EQ(std::tie(c.name, c.left, c.top, c.width, c.height),
                          std::tie(p.name, p.left, p.top, p.width, p.height));
                EXPECT_FALSE(has_polish_letter(c.text) || has_polish_letter(c.hint)) << c.name;
                EXPECT_EQ(c.text.empty(), p.text.empty()) << c.name;
                EXPECT_EQ(c.hint.empty(), p.hint.empty()) << c.name;
            }
        }
    }
    // An unknown language reads Polish.
    EXPECT_EQ(&description_runs("de"), &description_runs());
}
