// The setup in a saved picture: the chunk goes in after IHDR leaving every other chunk as it
// was, comes back out, and every faulty file is refused with its reason.
#include "app/crc32.h"
#include "app/png_text.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes bytes(std::string_view s) {
    return {s.begin(), s.end()};
}

void put32(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

Bytes chunk(std::string_view type, std::string_view data) {
    // Room made first: GCC 12 misreads growing inserts into a vector that starts empty.
    Bytes out;
    out.reserve(12 + type.size() + data.size());
    put32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    put32(out, crc32(std::span(out).subspan(4)));
    return out;
}

Bytes joined(std::initializer_list<Bytes> pieces) {
    Bytes out;
    for (const Bytes& piece : pieces) out.insert(out.end(), piece.begin(), piece.end());
    return out;
}

using namespace std::string_view_literals;
const Bytes signature = bytes("\x89PNG\r\n\x1A\n"sv);
// 1 x 1, 8-bit RGB; one green pixel as a stored zlib block: header, the block's length and its
// complement, the filter byte and the pixel, and the Adler-32 of those four bytes.
const Bytes ihdr = chunk("IHDR", "\0\0\0\1\0\0\0\1\x08\x02\0\0\0"sv);
const Bytes idat = chunk("IDAT", "\x78\x01\x01\x04\x00\xFB\xFF\x00\xFF\x00\x00\x03\x01\x01\x00"sv);
const Bytes iend = chunk("IEND", "");
const Bytes picture = joined({signature, ihdr, idat, iend});

Bytes setup_chunk(std::string_view type, std::string_view after_keyword) {
    return chunk(type, std::string(setup_text_key) + '\0' + std::string(after_keyword));
}

} // namespace

TEST(Crc32, GivesTheCheckValuesOfPngAndZlib) {
    const Bytes digits = bytes("123456789");
    EXPECT_EQ(crc32(digits), 0xCBF43926u);
    EXPECT_EQ(crc32(std::span(digits).subspan(4), crc32(std::span(digits).first(4))), 0xCBF43926u);
    EXPECT_EQ(iend, bytes("\0\0\0\0IEND\xAE\x42\x60\x82"sv)); // every PNG's last twelve bytes
}

TEST(PngText, PutsTheChunkAfterTheHeaderInPlaceOfAnOlderOneAndLeavesTheRestAsItWas) {
    const Bytes titled = joined({signature, ihdr, chunk("tEXt", "Title\0Plansza"sv), idat, iend});
    const Bytes saved = with_text_chunk(titled, setup_text_key, "v1;p80,0");
    const Bytes expected = joined({signature, ihdr, setup_chunk("tEXt", "v1;p80,0"),
                                   chunk("tEXt", "Title\0Plansza"sv), idat, iend});
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(read_text_chunk(saved, setup_text_key).text, "v1;p80,0");

    const Bytes older = joined({signature, ihdr, idat, setup_chunk("iTXt", "\0\0\0\0v1"sv),
                                setup_chunk("zTXt", "\0x"sv), iend, bytes("after the end")});
    EXPECT_EQ(with_text_chunk(older, setup_text_key, "v1;V"),
              joined({signature, ihdr, setup_chunk("tEXt", "v1;V"), idat, iend}));
}

TEST(PngText, ReadsTheFirstUncompressedChunkOfItsKeywordAndRefusesEachFaultyFile) {
    struct Case {
        std::string name;
        Bytes file;
        PngTextError error;
        std::string text = {};
    };
    using enum PngTextError;
    const auto with = [](const Bytes& extra) {
        return joined({signature, ihdr, extra, idat, iend});
    };
    Bytes bad_crc = with(setup_chunk("tEXt", "v1"));
    bad_crc[45] ^= 1; // a byte of the keyword
    const std::vector<Case> cases{
        {"tEXt", with(setup_chunk("tEXt", "v1;V")), none, "v1;V"},
        {"iTXt", with(setup_chunk("iTXt", "\0\0pl\0Opis\0v1;E"sv)), none, "v1;E"},
        {"the first of two", with(joined({setup_chunk("tEXt", "v1;E"), setup_chunk("tEXt", "v1")})),
         none, "v1;E"},
        {"bytes after IEND", joined({with(setup_chunk("tEXt", "v1")), bytes("junk")}), none, "v1"},
        {"no text", picture, no_text},
        {"another keyword", with(chunk("tEXt", "Ardenika\0v1"sv)), no_text},
        {"compressed iTXt", with(setup_chunk("iTXt", "\1\0\0\0x"sv)), no_text},
        {"zTXt", with(setup_chunk("zTXt", "\0x"sv)), no_text},
        {"empty", {}, not_png},
        {"a GIF", bytes("GIF89a\1\0\1\0"), not_png},
        {"cut in the signature", bytes("\x89PN"), damaged},
        {"a bad CRC", bad_crc, damaged},
        {"a length over 2^31 - 1", joined({signature, ihdr, bytes("\x80\0\0\0IDAT"sv), iend}),
         damaged},
        {"a chunk past the end", joined({signature, ihdr, bytes("\0\0\1\0IDAT"sv), iend}), damaged},
        {"IDAT first", joined({signature, idat, ihdr, iend}), damaged},
        {"a short IHDR", joined({signature, chunk("IHDR", "\0\0\0\1"sv), iend}), damaged},
        {"two IHDR", joined({signature, ihdr, ihdr, iend}), damaged},
        {"no IEND", joined({signature, ihdr, idat}), damaged},
        {"a type not of letters", with(chunk("t3Xt", "")), damaged},
        {"an iTXt cut short", with(setup_chunk("iTXt", "\0\0pl\0"sv)), damaged},
        {"too long a text", with(setup_chunk("tEXt", std::string(png_max_text + 1, 'V'))),
         text_too_long},
        {"too large a file", Bytes(png_max_file + 1), too_large},
    };
    for (const Case& c : cases) {
        const PngTextResult read = read_text_chunk(c.file, setup_text_key);
        EXPECT_EQ(read.error, c.error) << c.name;
        EXPECT_EQ(read.text, c.text) << c.name;
    }
    const Bytes saved = with(setup_chunk("tEXt", "v1;V"));
    for (std::size_t size = 1; size < saved.size(); ++size)
        EXPECT_EQ(read_text_chunk(std::span(saved).first(size), setup_text_key).error, damaged)
            << size;
}

TEST(PngText, WritesNothingForAFaultyFileKeywordOrText) {
    const std::string longest_keyword(79, 'k');
    EXPECT_FALSE(with_text_chunk(picture, longest_keyword, "v1").empty());
    const std::vector<std::tuple<Bytes, std::string, std::string>> refused{
        {Bytes(picture.begin(), picture.end() - 1), "Ardenika setup", "v1"},
        {bytes("GIF89a"), "Ardenika setup", "v1"},
        {picture, "", "v1"},
        {picture, " Ardenika", "v1"},
        {picture, "Ardenika ", "v1"},
        {picture, "Ardenika  setup", "v1"},
        {picture, longest_keyword + "k", "v1"},
        {picture, "Ardenika\nsetup", "v1"},
        {picture, "Ardenika setup", std::string("v1\0V", 4)},
        {picture, "Ardenika setup", std::string(png_max_text + 1, 'V')},
    };
    for (const auto& [file, keyword, text] : refused)
        EXPECT_TRUE(with_text_chunk(file, keyword, text).empty()) << keyword << " " << file.size();
}
