#include "dialogs/dialog_content.h"

#include "dialogs/description_runs.h"
#include "dialogs/help_texts.h"

#include <array>

namespace {

using namespace description_run;

constexpr FontSpec title_font{FontRole::heavy, 26, weight_bold};
constexpr FontSpec name_font{FontRole::sans, 20, weight_bold};
constexpr FontSpec freeware_font{FontRole::sans, 11};

struct HeadingPlaces {
    int title_left, title_top;
    int subtitle_left, subtitle_top;
    int bevel_left, bevel_top;
    int name_left, name_top;
    int freeware_left, freeware_top;
};
struct HeadingNames {
    std::string_view strip, title, subtitle, bevel, name, freeware;
};

// The words of both dialogs in one language, besides the description's runs.
struct DialogWords {
    std::string_view code;
    std::string_view description_caption;
    std::string_view about_caption;
    std::string_view subtitle;
    std::string_view licence;
    std::string_view address_hint;
};

constexpr DialogWords dialog_words[] = {
    {"pl", "Opis programu", "O programie", "Programy do nauczania fizyki",
     "Ardenika jest programem bezpłatnym (freeware).\n"
     "\n"
     "Można go używać bez żadnych opłat, a także kopiować i przekazywać "
     "innym osobom, pod warunkiem że pozostanie w niezmienionej postaci "
     "i będzie rozpowszechniany nieodpłatnie.",
     "Połącz się ze stroną internetową"},
    {"uk", "Опис програми", "Про програму", "Програми для навчання фізики",
     "Ardenika — безкоштовна програма (freeware).\n"
     "\n"
     "Її можна використовувати без жодної оплати, а також копіювати й передавати "
     "іншим людям за умови, що вона залишиться незмінною "
     "і поширюватиметься безкоштовно.",
     "Перейти на вебсторінку"},
    {"en", "Program description", "About", "Programs for teaching physics",
     "Ardenika is a free program (freeware).\n"
     "\n"
     "You may use it without any charge, and copy it and pass it on "
     "to others, provided that it stays unchanged "
     "and is distributed free of charge.",
     "Go to the web page"},
};

// The index of a language's words and dialogs; Polish for a code the dialogs lack.
std::size_t language_index(std::string_view code) {
    for (std::size_t i = 0; i < std::size(dialog_words); ++i)
        if (dialog_words[i].code == code) return i;
    return 0;
}

// The heading both dialogs share: the strip, "Ostrada", the subtitle, the bevel under them,
// "Ardenika" in blue and "Freeware" in red. Only their places and control names differ.
void add_heading(std::vector<Control>& controls, const HeadingPlaces& at, const HeadingNames& n,
                 std::string_view subtitle) {
    controls.push_back(
        {n.strip, ControlKind::picture, 0, 0, side_strip().width, side_strip().height});
    Control title{n.title, ControlKind::label, at.title_left, at.title_top, 90,
                  37,      "Ostrada",          title_font};
    title.grows = true;
    controls.push_back(title);
    controls.push_back(
        {n.subtitle, ControlKind::label, at.subtitle_left, at.subtitle_top, 177, 13, subtitle});
    controls.push_back({n.bevel, ControlKind::bevel, at.bevel_left, at.bevel_top, 321, 7});
    controls.push_back({n.name, ControlKind::label, at.name_left, at.name_top, 140, 28, "Ardenika",
                        name_font, ink_blue});
    controls.push_back({n.freeware, ControlKind::label, at.freeware_left, at.freeware_top, 52, 18,
                        "Freeware", freeware_font, ink_red});
}

DialogContent make_description(const DialogWords& w) {
    DialogContent d{
        "DescriptionDialog", w.description_caption, 432, 329, {FontRole::dialog, 11}, {}};
    d.controls.push_back({"ok_button", ControlKind::button, 351, 296, 75, 25, "OK"});
    d.controls.push_back({"description_text",
                          ControlKind::rich_text,
                          64,
                          104,
                          361,
                          185,
                          {},
                          FontSpec{FontRole::serif, 13}});
    add_heading(d.controls, {72, 0, 72, 40, 72, 57, 88, 72, 328, 80},
                {"side_strip", "maker_title", "maker_subtitle", "heading_rule", "program_name",
                 "freeware_note"},
                w.subtitle);
    return d;
}

DialogContent make_about(const DialogWords& w) {
    DialogContent d{"AboutDialog", w.about_caption, 403, 327, {FontRole::dialog, 9}, {}};
    d.controls.push_back(
        {"ok_button", ControlKind::button, 319, 284, 75, 25, "OK", FontSpec{FontRole::dialog, 11}});
    d.controls.push_back({"licence_text", ControlKind::memo, 72, 128, 321, 153, w.licence,
                          FontSpec{FontRole::sans, 12}});
    add_heading(d.controls, {72, 8, 72, 48, 72, 73, 104, 96, 344, 104},
                {"side_strip", "maker_title", "maker_subtitle", "heading_rule", "program_name",
                 "freeware_note"},
                w.subtitle);
    // Shown, not followed: clicking the address does nothing.
    d.controls.push_back({"maker_address",
                          ControlKind::label,
                          73,
                          305,
                          138,
                          14,
                          maker_web_address(),
                          FontSpec{FontRole::sans, 11, weight_normal, true},
                          {},
                          w.address_hint});
    return d;
}

} // namespace

const DialogContent& description_dialog(std::string_view language) {
    static const auto content = [] {
        std::array<DialogContent, std::size(dialog_words)> made;
        for (std::size_t i = 0; i < made.size(); ++i) made[i] = make_description(dialog_words[i]);
        return made;
    }();
    return content[language_index(language)];
}

const DialogContent& about_dialog(std::string_view language) {
    static const auto content = [] {
        std::array<DialogContent, std::size(dialog_words)> made;
        for (std::size_t i = 0; i < made.size(); ++i) made[i] = make_about(dialog_words[i]);
        return made;
    }();
    return content[language_index(language)];
}

const std::vector<DescriptionRun>& description_runs(std::string_view language) {
    if (language == "uk") return ukrainian_description_runs();
    if (language == "en") return english_description_runs();
    static const std::vector<DescriptionRun> runs = {
        // 1
        blue_italic("Natężenie pola elektrycznego "),
        plain("definiujemy jako siłę działającą na ładunek próbny "),
        italic("q"),
        subscript("0"),
        plain(" (umieszczony w danym punkcie przestrzeni) podzieloną przez ten ładunek "),
        bold_italic("E "),
        plain("= "),
        bold_italic("F"),
        plain("/"),
        italic("q"),
        subscript("0"),
        plain(". "),
        plain("   "),
        plain("Kierunek pola "),
        bold_italic("E "),
        plain("w przestrzeni można przedstawić graficznie za pomocą tzw. "),
        blue_italic("linii sił "),
        plain("(linii pola). Są to linie, do których wektor "),
        bold_italic("E "),
        plain("jest styczny w każdym punkcie. Linie sił zaczynają się zawsze na ładunkach "),
        plain("dodatnich, a konczą na ładunkach ujemnych."),
        // 2
        paragraph("Ponieważ energia potencjalna ładunku w polu elektrycznym "),
        plain("zależy od wielkości tego ładunku, to do opisu pola elektrycznego lepiej "),
        plain("posługiwać się energią potencjalną przypadającą na jednostkowy ładunek czyli "),
        blue_italic("potencjałem elektrycznym. "),
        // 3
        paragraph("Potencjał elektryczny definiujemy jako energię potencjalną "),
        plain("pola elektrycznego podzieloną przez jednostkowy ładunek       "),
        italic("V "),
        plain("= "),
        italic("E"),
        subscript("p"),
        italic("/q"),
        subscript("0"),
        plain(". "),
        // 4
        paragraph("Podobnie jak natężenie pola elektrycznego, które ilustrujemy "),
        plain("za pomocą linii sił pola również potencjał elektryczny można przedstawić "),
        plain("graficznie. W tym celu rysujemy powierzchnie lub "),
        blue_italic("linie ekwipotencjalne"),
        plain(", które przedstawiają w przestrzeni zbiory punktów o jednakowym potencjale."),
        // 5
        paragraph("Program pozwala wyznaczyć "),
        blue_italic("linie sił pola elektrycznego "),
        plain("i rozkład potencjału pochodzący od zadanego statycznego rozkładu ładunków. "),
        // 6
        paragraph("Wprowadzanie ładunków odbywa się poprzez panel \""),
        blue_plain("Ładunki - Dodaj/Usun"),
        plain("\".  Można z niego wybrać jeden z proponowa- nych układów ładunków (np. dipol) "),
        plain("klikając na jednej z wybranych ikon. Można też utworzyć własny układ ładunków. "),
        plain("W tym celu wybieramy ikonę z pojedynczym ładunkiem, a następnie klikamy na "),
        plain("wykresie w punkcie, w którym chcemy umieścić ładunek. Współrzędne są na "),
        plain("bieżąco wyświetlane w panelu \""),
        blue_plain("Parametry"),
        plain("\". Maksymalnie można umieścić na "),
        plain("wykresie 12 ładunków. Przycisk \""),
        blue_plain("Usun ładunek"),
        plain("\" pozwala usuwać wybrane ładunki. "),
        // 7
        paragraph("Korzystając z panelu \""),
        blue_plain("Linie sił pola"),
        plain("\" można, "),
        plain("wybierając opcję \""),
        blue_plain("Auto"),
        plain("\", automatycznie "),
        plain("wygenerować rozkład linii lub wprowadzać pojedyncze linie klikając w wybranych "),
        plain("punktach na wykresie po uprzednim wybraniu opcji \""),
        blue_plain("F(r)"),
        plain("\"."),
        // 8
        paragraph("Podobnie, można automatycznie wygenerować rozkład potencjału "),
        plain("wybierając opcję \""),
        blue_plain("V(r)"),
        plain("\" z panelu \""),
        blue_plain("Rozkład potencjału"),
        plain("\". Opcja \""),
        blue_plain("Auto"),
        plain("\" pozwala wygenerować automatycznie linie stałego potencjału, a opcja \""),
        blue_plain("V=const"),
        plain("\" umożliwia tworzenie takich linii w wybranych punktach na wykresie."),
        // 9
        paragraph("(Opcje wyświetlania linii sił pola elektrycznego i rozkład "),
        plain("potencjału można też wybierać z menu.)"),
        // 10
        paragraph("Składowe pola elektrycznego i wartość potencjału w danym "),
        plain("punkcie są wyświetlane w panelu \""),
        blue_plain("Parametry"),
        plain("\". Przycisk \""),
        blue_plain("Czyść"),
        plain("\" pozwala usunąć wyświetlany rozkład pola lub potencjału, a ponowne kliknięcie "),
        plain("usuwa ładunki."),
        // 11
        paragraph("Więcej na temat pola elektrycznego "),
        plain("można przeczytać w notatkach do wykładów z fizyki "),
        plain("(Wykłady 17 - 19) dostępnych na stronie internetowej "),
        {maker_web_address(), ink_blue, style_italic | style_underline},
        plain("."),
    };
    return runs;
}

std::span<const std::string_view> font_families(FontRole role) {
    static constexpr std::string_view dialog[] = {"MS Sans Serif", "Microsoft Sans Serif",
                                                  "Liberation Sans", "DejaVu Sans"};
    static constexpr std::string_view sans[] = {"Arial", "Liberation Sans", "DejaVu Sans"};
    static constexpr std::string_view serif[] = {"Times New Roman", "Liberation Serif",
                                                 "DejaVu Serif"};
    // A single heavy face; asked for bold, a fallback family gives its bold face.
    static constexpr std::string_view heavy[] = {"Arial Black", "Liberation Sans", "DejaVu Sans"};
    switch (role) {
    case FontRole::dialog:
        return dialog;
    case FontRole::sans:
        return sans;
    case FontRole::serif:
        return serif;
    case FontRole::heavy:
        return heavy;
    }
    return {};
}

const SideStrip& side_strip() {
    static const SideStrip strip = [] {
        // From the positive charge's red at the top to the negative charge's blue at the bottom.
        constexpr Colour red{224, 28, 0};
        constexpr Colour blue{0, 28, 164};
        SideStrip s{
            57,  329, {{0.0, red}, {0.5, {112, 28, 82}}, {1.0, blue}}, {}, {}, red, blue, 10.0, 1.5,
            5.0, 2.0};
        const double x = s.width / 2.0;
        const double top = 62.0;
        const double bottom = 267.0;
        // Field lines of a dipole: they leave the upper charge and bend round into the lower one.
        for (int line = -3; line <= 3; ++line) {
            const double bulge = line * 15.0;
            s.curves.push_back({x, top, x + bulge, top + 60.0, x + bulge, bottom - 60.0, x, bottom,
                                150 - 25 * (line < 0 ? -line : line)});
        }
        // Lines that leave the strip upwards and come back in from below.
        s.curves.push_back({x, top, x, top, x, 0.0, x, 0.0, 90});
        s.curves.push_back({x, bottom, x, bottom, x, double(s.height), x, double(s.height), 90});
        s.charges = {{x, top, true}, {x, bottom, false}};
        return s;
    }();
    return strip;
}
