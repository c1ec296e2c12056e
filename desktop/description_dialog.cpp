#include "desktop/description_dialog.h"

#include "desktop/dialog_parts.h"
#include "desktop/qt_text.h"
#include "desktop/rich_edit.h"
#include "dialogs/dialog_content.h"

DescriptionDialog::DescriptionDialog(QWidget* owner, std::string_view language) : QDialog(owner) {
    build_dialog(this, description_dialog(language));
    description_ = findChild<RichEdit*>(QStringLiteral("description_text"));
    fill_description(language);
}

void DescriptionDialog::fill_description(std::string_view language) {
    const QColor plain_colour(ink_black.red, ink_black.green, ink_black.blue);
    for (const DescriptionRun& run : description_runs(language)) {
        const bool styled = run.colour != ink_black || run.style != 0;
        const bool scripted = run.script != ScriptMode::normal;
        if (styled)
            description_->set_text_attributes(
                QColor(run.colour.red, run.colour.green, run.colour.blue), run.style);
        if (scripted) description_->set_script_offset(run.script);
        if (run.starts_paragraph)
            description_->add_paragraph(qt_text(run.text));
        else
            description_->insert_text(qt_text(run.text));
        if (styled) description_->set_text_attributes(plain_colour, 0);
        if (scripted) description_->set_script_offset(ScriptMode::normal);
    }
    // The reader starts at the top of the description, not where the building left the caret.
    description_->moveCursor(QTextCursor::Start);
}
