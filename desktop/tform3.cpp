#include "desktop/tform3.h"

#include "desktop/dialog_parts.h"
#include "desktop/rich_edit.h"
#include "dialogs/help_texts.h"

#include <QLabel>
#include <QPushButton>
#include <vector>

namespace {

// One run of the description and the attributes it is written with.
struct Run {
    QString text;
    QColor colour;
    int style = 0;
    bool subscript = false;
    bool starts_paragraph = false;
};

const QColor black(0, 0, 0);
const QColor blue(0, 0, 255);

Run plain(const char* text) {
    return {QString::fromUtf8(text), black};
}
Run paragraph(const char* text) {
    return {QString::fromUtf8(text), black, 0, false, true};
}
Run blue_italic(const char* text) {
    return {QString::fromUtf8(text), blue, style_italic};
}
Run italic(const char* text) {
    return {QString::fromUtf8(text), black, style_italic};
}
Run bold_italic(const char* text) {
    return {QString::fromUtf8(text), black, style_bold | style_italic};
}
Run blue_plain(const char* text) {
    return {QString::fromUtf8(text), blue};
}
Run subscript(const char* text) {
    return {QString::fromUtf8(text), black, 0, true};
}

std::vector<Run> description_runs() {
    return {
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
        {qt_text(maker_web_address()), blue, style_italic | style_underline},
        plain("."),
    };
}

} // namespace

Tform3::Tform3(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Opis programu"));
    setFont(pixel_font(dialog_families(), 11));

    // Created in tab order: the button first, so it holds the focus and Enter closes the box.
    OKButton = make_ok_button(this, QRect(351, 296, 75, 25));

    RichEdit1 = new RichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(64, 104, 361, 185);
    RichEdit1->setFont(pixel_font(serif_families(), 13));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    const DialogHeading heading =
        make_heading(this, {{72, 0}, {72, 40}, {72, 57}, {88, 72}, {328, 80}},
                     {"Image2", "Label3", "Label4", "Bevel1", "StaticText1", "StaticText8"});
    Image2 = heading.strip;
    Label3 = heading.title;
    Label4 = heading.subtitle;
    Bevel1 = heading.bevel;
    StaticText1 = heading.name;
    StaticText8 = heading.freeware;

    setTabOrder(OKButton, RichEdit1);
    OKButton->setFocus();
    fix_dialog_frame(this, 432, 329);

    FormCreate();
}

void Tform3::FormCreate() {
    for (const Run& run : description_runs()) {
        const bool styled = run.colour != black || run.style != 0;
        if (styled) RichEdit1->set_text_attributes(run.colour, run.style);
        if (run.subscript) RichEdit1->set_script_offset(ScriptMode::subscript);
        if (run.starts_paragraph)
            RichEdit1->add_paragraph(run.text);
        else
            RichEdit1->append_text(run.text);
        if (styled) RichEdit1->set_text_attributes(black, 0);
        if (run.subscript) RichEdit1->set_script_offset(ScriptMode::normal);
    }
    // The reader starts at the top of the description, not where the building left the caret.
    RichEdit1->moveCursor(QTextCursor::Start);
}
