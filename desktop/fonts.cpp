#include "desktop/fonts.h"

QStringList font_families(FontRole role) {
    switch (role) {
    case FontRole::dialog:
        return {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    case FontRole::sans:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                QStringLiteral("DejaVu Sans")};
    case FontRole::serif:
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                QStringLiteral("DejaVu Serif")};
    case FontRole::heavy:
        // A single heavy face; asked for bold, a fallback family gives its bold face.
        return {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"),
                QStringLiteral("DejaVu Sans")};
    }
    return {};
}

QFont pixel_font(FontRole role, int pixels, int weight) {
    QFont font;
    font.setFamilies(font_families(role));
    font.setStyleHint(role == FontRole::serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QFont pixel_font(const FontSpec& wanted) {
    QFont font = pixel_font(wanted.role, wanted.pixels, wanted.weight);
    font.setUnderline(wanted.underline);
    return font;
}
