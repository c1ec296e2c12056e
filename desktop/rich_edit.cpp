#include "desktop/rich_edit.h"

#include <QFontMetricsF>
#include <QTextCharFormat>
#include <QTextCursor>
#include <cmath>

RichEdit::RichEdit(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
}

int RichEdit::base_height() const {
    const QFont& base = font();
    if (base.pixelSize() > 0) return twentieths_from_pixels(base.pixelSize());
    // Only a font given in points gets here; the default rounding takes a half to even.
    return static_cast<int>(std::nearbyint(base.pointSizeF() * 20.0));
}

CharMetrics RichEdit::caret_metrics() const {
    const QTextCharFormat format = currentCharFormat();
    const int height = format.hasProperty(char_height_property)
                           ? format.intProperty(char_height_property)
                           : base_height();
    const int offset =
        format.hasProperty(char_offset_property) ? format.intProperty(char_offset_property) : 0;
    return {height, offset};
}

void RichEdit::set_text_attributes(const QColor& colour, int style) {
    QTextCharFormat change;
    change.setForeground(colour);
    change.setFontWeight((style & style_bold) != 0 ? QFont::Bold : QFont::Normal);
    change.setFontItalic((style & style_italic) != 0);
    change.setFontUnderline((style & style_underline) != 0);
    mergeCurrentCharFormat(change);
}

void RichEdit::insert_text(const QString& text) {
    QTextCursor caret = textCursor();
    caret.insertText(text, currentCharFormat());
    setTextCursor(caret);
}

void RichEdit::set_script_offset(ScriptMode mode) {
    QTextCharFormat format = currentCharFormat();
    const CharMetrics scaled = script_metrics(caret_metrics().height, mode);
    format.setProperty(char_height_property, scaled.height);
    format.setProperty(char_offset_property, scaled.offset);

    // Twentieths of a point sit on the 96-dpi pixel grid (15 to a pixel), like the rest of the
    // dialog, so the text keeps its size on screens of any density.
    const double dpi = logicalDpiY() > 0 ? logicalDpiY() : 96.0;
    const double pixels = scaled.height / 15.0;
    format.setFontPointSize(pixels * 72.0 / dpi);

    // The view moves the baseline by a share of the run's line height (ascent plus descent).
    QFont run_font = format.font().resolve(font());
    const QFontMetricsF metrics(run_font, viewport());
    const double line_height = metrics.ascent() + metrics.descent();
    const double shift = scaled.offset / 15.0;
    format.setBaselineOffset(line_height > 0.0 ? shift * 100.0 / line_height : 0.0);

    setCurrentCharFormat(format);
    QTextCursor caret = textCursor();
    if (caret.hasSelection()) {
        caret.clearSelection();
        setTextCursor(caret);
        setCurrentCharFormat(format);
    }
}

void RichEdit::add_paragraph(const QString& text) {
    const QTextCharFormat format = currentCharFormat();
    QTextCursor caret = textCursor();
    caret.movePosition(QTextCursor::End);
    caret.insertBlock(caret.blockFormat(), format);
    caret.insertText(text, format);
    setTextCursor(caret);
}
