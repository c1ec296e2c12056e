#pragma once

#include "app/toggles.h"
#include "render/canvas.h"

#include <cstdint>
#include <vector>

// A button's picture as both screens show it: 0xAARRGGBB words row by row, the colour of its
// bottom-left pixel made see-through (all zero) so the picture sits on the button's face.
struct GlyphImage {
    Toggle button;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// The six button pictures painted on the given face colour, in the order they are painted.
std::vector<GlyphImage> glyph_images(Rgb face);
