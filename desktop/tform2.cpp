#include "desktop/tform2.h"

#include "desktop/dialog_parts.h"
#include "dialogs/help_texts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString free_use_statement() {
    return QStringLiteral("Ardenika jest programem bezpłatnym (freeware).\n"
                          "\n"
                          "Można go używać bez żadnych opłat, a także kopiować i przekazywać "
                          "innym osobom, pod warunkiem że pozostanie w niezmienionej postaci "
                          "i będzie rozpowszechniany nieodpłatnie.");
}

} // namespace

Tform2::Tform2(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("O programie"));
    setFont(pixel_font(dialog_families(), 9));

    // Created in tab order: the button first, so it holds the focus and Enter closes the box.
    OKButton = make_ok_button(this, QRect(319, 284, 75, 25));
    OKButton->setFont(pixel_font(dialog_families(), 11));

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(72, 128, 321, 153);
    Memo1->setFont(pixel_font(sans_families(), 12));
    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(free_use_statement());
    QPalette memo_palette = Memo1->palette();
    memo_palette.setColor(QPalette::Base, memo_palette.color(QPalette::Button));
    Memo1->setPalette(memo_palette);

    const DialogHeading heading =
        make_heading(this, {{72, 8}, {72, 48}, {72, 73}, {104, 96}, {344, 104}},
                     {"Image1", "Label2", "Label3", "Bevel1", "StaticText6", "StaticText8"});
    Image1 = heading.strip;
    Label2 = heading.title;
    Label3 = heading.subtitle;
    Bevel1 = heading.bevel;
    StaticText6 = heading.name;
    StaticText8 = heading.freeware;

    // Plain text on purpose: the address is shown, not followed.
    Label4 = new QLabel(qt_text(maker_web_address()), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(73, 305, 138, 14);
    Label4->setTextFormat(Qt::PlainText);
    Label4->setTextInteractionFlags(Qt::NoTextInteraction);
    QFont address_font = pixel_font(sans_families(), 11);
    address_font.setUnderline(true);
    Label4->setFont(address_font);
    Label4->setToolTip(QStringLiteral("Połącz się ze stroną internetową"));

    setTabOrder(OKButton, Memo1);
    OKButton->setFocus();
    fix_dialog_frame(this, 403, 327);
}
