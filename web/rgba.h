#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Canvas pixels are 0xAARRGGBB words; a page's ImageData wants the bytes R, G, B, A.
void to_rgba(const std::uint32_t* pixels, std::size_t count, std::vector<std::uint32_t>& out);
