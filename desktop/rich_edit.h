#pragma once

#include "dialogs/dialog_content.h"

#include <QColor>
#include <QString>
#include <QTextEdit>
#include <QTextFormat>

// The description view: a read-only rich-text box that is filled run by run at the caret.
// Character height and baseline offset are kept as whole twentieths of a point, so that
// shrinking to a subscript and growing back rounds exactly the same way every time.

// Custom character-format properties holding the height and the offset in twentieths.
inline constexpr int char_height_property = QTextFormat::UserProperty + 1;
inline constexpr int char_offset_property = QTextFormat::UserProperty + 2;

// Twentieths of a point for a height in pixels on the 96-dpi grid the dialogs are laid out on.
inline constexpr int twentieths_from_pixels(int pixels) {
    return pixels * 15;
}

class RichEdit : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichEdit(QWidget* parent = nullptr);

    // Colour and style (bits of TextStyle) for the text that follows.
    void set_text_attributes(const QColor& colour, int style);
    // Inserts the text at the caret with the attributes in effect; the caret moves past it.
    void insert_text(const QString& text);
    // Shrinks to a subscript or superscript, or grows back to normal, for the text that follows.
    void set_script_offset(ScriptMode mode);
    // Starts a new paragraph at the end holding the text; the caret ends behind it.
    void add_paragraph(const QString& text);

    // Height and offset of the format at the caret, in twentieths of a point.
    CharMetrics caret_metrics() const;

  private:
    int base_height() const;
};
