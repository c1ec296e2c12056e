#include "app/glyphs.h"

#include "render/board.h"

#include <algorithm>

std::vector<GlyphImage> glyph_images(Rgb face) {
    std::vector<GlyphImage> images;
    for (const Glyph which : glyphs_in_order) {
        const Canvas glyph = paint_glyph(which, face);
        GlyphImage image{glyph_button(which), glyph.width(), glyph.height(), {}};
        const Rgb key = glyph.pixel(0, glyph.height() - 1);
        image.argb.assign(glyph.data(), glyph.data() + glyph.width() * glyph.height());
        std::replace(image.argb.begin(), image.argb.end(), key, Rgb{0});
        images.push_back(std::move(image));
    }
    return images;
}
