#include "desktop/fonts.h"

#include "desktop/qt_text.h"

QStringList font_families_of(FontRole role) {
    QStringList faces;
    for (std::string_view face : font_families(role)) faces << qt_text(face);
    return faces;
}

QFont pixel_font(FontRole role, int pixels, int weight) {
    QFont font;
    font.setFamilies(font_families_of(role));
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

QFont control_font(ControlFont font) {
    return pixel_font(font == ControlFont::panel ? FontRole::sans : FontRole::dialog,
                      form_font_pixels);
}
