#include "desktop/tform3.h"

#include "desktop/dialog_parts.h"
#include "desktop/rich_edit.h"
#include "dialogs/dialog_content.h"

#include <QLabel>
#include <QPushButton>

Tform3::Tform3(QWidget* owner) : QDialog(owner) {
    build_dialog(this, description_dialog());
    Image2 = findChild<QLabel*>(QStringLiteral("Image2"));
    Label3 = findChild<QLabel*>(QStringLiteral("Label3"));
    Label4 = findChild<QLabel*>(QStringLiteral("Label4"));
    Bevel1 = findChild<BottomLineBevel*>(QStringLiteral("Bevel1"));
    StaticText1 = findChild<QLabel*>(QStringLiteral("StaticText1"));
    StaticText8 = findChild<QLabel*>(QStringLiteral("StaticText8"));
    RichEdit1 = findChild<RichEdit*>(QStringLiteral("RichEdit1"));
    OKButton = findChild<QPushButton*>(QStringLiteral("OKButton"));
    FormCreate();
}

void Tform3::FormCreate() {
    const QColor plain_colour(ink_black.red, ink_black.green, ink_black.blue);
    for (const DescriptionRun& run : description_runs()) {
        const bool styled = run.colour != ink_black || run.style != 0;
        const bool scripted = run.script != ScriptMode::normal;
        if (styled)
            RichEdit1->set_text_attributes(
                QColor(run.colour.red, run.colour.green, run.colour.blue), run.style);
        if (scripted) RichEdit1->set_script_offset(run.script);
        if (run.starts_paragraph)
            RichEdit1->add_paragraph(qt_text(run.text));
        else
            RichEdit1->append_text(qt_text(run.text));
        if (styled) RichEdit1->set_text_attributes(plain_colour, 0);
        if (scripted) RichEdit1->set_script_offset(ScriptMode::normal);
    }
    // The reader starts at the top of the description, not where the building left the caret.
    RichEdit1->moveCursor(QTextCursor::Start);
}
