#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Text chunks of PNG files, without decoding a pixel: a saved picture of the board carries its
// setup, and opening the picture rebuilds the board.

// The keyword of the chunk that holds the board's setup (write_setup's text, ASCII), in an
// uncompressed tEXt chunk right after IHDR.
inline constexpr std::string_view setup_text_key = "Ardenika setup";

// The reader looks at no larger file and takes no longer text. The largest picture the program
// saves, 1604 x 1604 pixels at 4x, takes at most about 10.3 MB even without compression.
inline constexpr std::size_t png_max_file = 16 * 1024 * 1024;
inline constexpr std::size_t png_max_text = 65536;

// Latin-1 text goes into a tEXt chunk; UTF-8 text into an uncompressed iTXt chunk with no
// language tag.
enum class TextEncoding { latin1, utf8 };

// The same PNG with an uncompressed text chunk keyword/text right after IHDR, in place of any
// text chunk (tEXt, zTXt, iTXt) with the same keyword; every other chunk unchanged and in order,
// nothing after IEND. Empty when the file is not a sound PNG (as read_text_chunk checks it), the
// keyword is not 1 to 79 printable Latin-1 characters without leading, trailing or double
// spaces, or the text holds a NUL byte or is longer than png_max_text.
std::vector<unsigned char> with_text_chunk(std::span<const unsigned char> png,
                                           std::string_view keyword, std::string_view text,
                                           TextEncoding encoding = TextEncoding::latin1);

enum class PngTextError {
    none,
    too_large,     // more than png_max_file bytes: not looked at
    not_png,       // no PNG signature
    damaged,       // cut short, a bad CRC, a chunk past the end, no IHDR first, no IEND
    no_text,       // a sound PNG without an uncompressed text chunk of that keyword
    text_too_long, // the chunk's text is longer than png_max_text
};

struct PngTextResult {
    PngTextError error = PngTextError::none;
    std::string text; // the bytes as stored: Latin-1 from tEXt, UTF-8 from iTXt
    explicit operator bool() const { return error == PngTextError::none; }
};

// The text of the first tEXt chunk, or uncompressed iTXt chunk, with that keyword, in a PNG whose
// every chunk up to IEND lies within the file and has a correct CRC. Compressed text is not
// read: the program never writes it. Never throws.
PngTextResult read_text_chunk(std::span<const unsigned char> file, std::string_view keyword);
