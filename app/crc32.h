#pragma once

#include <cstdint>
#include <span>

// The CRC-32 of PNG chunks (and of zlib and gzip): reflected polynomial 0xEDB88320, started and
// finished with all bits set. Passing the previous result as crc continues it over more bytes:
// crc32(b, crc32(a)) is the CRC of a followed by b.
std::uint32_t crc32(std::span<const unsigned char> bytes, std::uint32_t crc = 0);
