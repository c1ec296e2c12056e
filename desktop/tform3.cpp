#include "desktop/tform3.h"

#include "desktop/dialog_parts.h"
#include "desktop/rich_edit.h"
#include "dialogs/dialog_content.h"

Tform3::Tform3(QWidget* owner) : QDialog(owner) {
    build_dialog(this, description_dialog());
    RichEdit1 = findChild<RichEdit*>(QStringLiteral("RichEdit1"));
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
            RichEdit1->insert_text(qt_text(run.text));
        if (styled) RichEdit1->set_text_attributes(plain_colour, 0);
        if (scripted) RichEdit1->set_script_offset(ScriptMode::normal);
    }
    // The reader starts at the top of the description, not where the building left the caret.
    RichEdit1->moveCursor(QTextCursor::Start);
}
