#include "rgba.h"

#include <algorithm>

void to_rgba(const std::uint32_t* pixels, std::size_t count, std::vector<std::uint32_t>& out) {
    out.resize(count);
    std::transform(pixels, pixels + count, out.begin(), [](std::uint32_t c) {
        return (c & 0xff00ff00u) | ((c >> 16) & 0xffu) | ((c & 0xffu) << 16);
    });
}
