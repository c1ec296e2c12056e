#include "app/png_text.h"

#include "app/crc32.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace {

using Bytes = std::span<const unsigned char>;

constexpr std::array<unsigned char, 8> png_signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// A chunk's length field is at most 2^31 - 1.
constexpr std::uint32_t max_chunk_length = 0x7FFFFFFFu;
constexpr std::size_t max_keyword = 79;

std::uint32_t big_endian(Bytes b) {
    return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 |
           std::uint32_t{b[3]};
}

void put_big_endian(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

std::string_view chars(Bytes b) {
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

struct Chunk {
    std::string_view type;
    Bytes data;
    Bytes whole; // length, type, data and CRC, as in the file
};

bool is_letter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Calls visit with every chunk of a sound PNG, IHDR first, IEND last, and says whether the file
// is one. Chunks are checked before they are visited, so a file found damaged later has had
// sound chunks visited: a caller keeps nothing until the walk succeeds.
template <class Visit> PngTextError walk_chunks(Bytes file, Visit&& visit) {
    // A file cut within the signature is a damaged PNG; an empty one is none.
    if (file.empty() ||
        !std::equal(file.begin(), file.begin() + std::min(file.size(), png_signature.size()),
                    png_signature.begin()))
        return PngTextError::not_png;
    if (file.size() < png_signature.size()) return PngTextError::damaged;
    std::size_t at = png_signature.size();
    for (bool first = true;; first = false) {
        const std::size_t left = file.size() - at;
        if (left < 12) return PngTextError::damaged;
        const std::uint32_t length = big_endian(file.subspan(at, 4));
        if (length > max_chunk_length || left - 12 < length) return PngTextError::damaged;
        const Bytes whole = file.subspan(at, std::size_t{length} + 12);
        const Chunk chunk{chars(whole.subspan(4, 4)), whole.subspan(8, length), whole};
        if (!std::all_of(chunk.type.begin(), chunk.type.end(),
                         [](char c) { return is_letter(static_cast<unsigned char>(c)); }))
            return PngTextError::damaged;
        if (crc32(whole.subspan(4, std::size_t{length} + 4)) != big_endian(whole.last(4)))
            return PngTextError::damaged;
        if (first != (chunk.type == "IHDR") || (first && length != 13))
            return PngTextError::damaged;
        visit(chunk);
        if (chunk.type == "IEND") return PngTextError::none;
        at += whole.size();
    }
}

bool is_text_chunk(const Chunk& chunk) {
    return chunk.type == "tEXt" || chunk.type == "zTXt" || chunk.type == "iTXt";
}

// A text chunk's keyword: its bytes before the first NUL.
std::string_view keyword_of(const Chunk& chunk) {
    const std::string_view data = chars(chunk.data);
    return data.substr(0, data.find('\0'));
}

// PNG's rule: 1 to 79 printable Latin-1 characters, no space at either end nor two in a row.
bool is_keyword(std::string_view keyword) {
    if (keyword.empty() || keyword.size() > max_keyword) return false;
    if (keyword.front() == ' ' || keyword.back() == ' ') return false;
    if (keyword.find("  ") != std::string_view::npos) return false;
    return std::all_of(keyword.begin(), keyword.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 32 && u <= 126) || u >= 161;
    });
}

enum class Found { not_ours, malformed, text };

// Whether the chunk is an uncompressed text chunk with the keyword, and its text if so.
Found text_in(const Chunk& chunk, std::string_view keyword, std::string_view& text) {
    if (chunk.type != "tEXt" && chunk.type != "iTXt") return Found::not_ours;
    std::string_view data = chars(chunk.data);
    if (data.size() <= keyword.size() || data.substr(0, keyword.size()) != keyword ||
        data[keyword.size()] != '\0')
        return Found::not_ours;
    data.remove_prefix(keyword.size() + 1);
    if (chunk.type == "tEXt") {
        text = data;
        return Found::text;
    }
    // iTXt: compression flag and method, then the language tag and the translated keyword, each
    // ended by a NUL, then the text.
    if (data.size() < 2) return Found::malformed;
    if (data[0] != '\0') return Found::not_ours; // compressed
    data.remove_prefix(2);
    for (int field = 0; field < 2; ++field) {
        const std::size_t end = data.find('\0');
        if (end == std::string_view::npos) return Found::malformed;
        data.remove_prefix(end + 1);
    }
    text = data;
    return Found::text;
}

void append_text_chunk(std::vector<unsigned char>& out, std::string_view keyword,
                       std::string_view text, TextEncoding encoding) {
    const bool utf8 = encoding == TextEncoding::utf8;
    // iTXt adds the compression flag and method and two empty texts: the language tag and the
    // translated keyword, each ended by a NUL.
    const std::size_t header = keyword.size() + (utf8 ? 5 : 1);
    put_big_endian(out, static_cast<std::uint32_t>(header + text.size()));
    const std::size_t typed = out.size();
    if (utf8)
        out.insert(out.end(), {'i', 'T', 'X', 't'});
    else
        out.insert(out.end(), {'t', 'E', 'X', 't'});
    out.insert(out.end(), keyword.begin(), keyword.end());
    out.insert(out.end(), header - keyword.size(), 0);
    out.insert(out.end(), text.begin(), text.end());
    put_big_endian(out, crc32(Bytes(out).subspan(typed)));
}

} // namespace

std::vector<unsigned char> with_text_chunk(std::span<const unsigned char> png,
                                           std::string_view keyword, std::string_view text,
                                           TextEncoding encoding) {
    if (!is_keyword(keyword) || text.size() > png_max_text ||
        text.find('\0') != std::string_view::npos)
        return {};
    std::vector<unsigned char> out(png_signature.begin(), png_signature.end());
    out.reserve(png.size() + keyword.size() + text.size() + 13);
    const PngTextError walked = walk_chunks(png, [&](const Chunk& chunk) {
        if (is_text_chunk(chunk) && keyword_of(chunk) == keyword) return;
        out.insert(out.end(), chunk.whole.begin(), chunk.whole.end());
        if (chunk.type == "IHDR") append_text_chunk(out, keyword, text, encoding);
    });
    if (walked != PngTextError::none) return {};
    return out;
}

PngTextResult read_text_chunk(std::span<const unsigned char> file, std::string_view keyword) {
    PngTextResult result;
    if (file.size() > png_max_file) {
        result.error = PngTextError::too_large;
        return result;
    }
    std::optional<Found> found;
    std::string_view text;
    result.error = walk_chunks(file, [&](const Chunk& chunk) {
        if (found) return;
        if (const Found f = text_in(chunk, keyword, text); f != Found::not_ours) found = f;
    });
    if (result.error != PngTextError::none) return result;
    if (!found)
        result.error = PngTextError::no_text;
    else if (*found == Found::malformed)
        result.error = PngTextError::damaged;
    else if (text.size() > png_max_text)
        result.error = PngTextError::text_too_long;
    else
        result.text = text;
    return result;
}
