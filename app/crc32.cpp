#include "app/crc32.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> crc_table = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

} // namespace

std::uint32_t crc32(std::span<const unsigned char> bytes, std::uint32_t crc) {
    std::uint32_t c = crc ^ 0xFFFFFFFFu;
    for (const unsigned char byte : bytes) c = crc_table[(c ^ byte) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}
