// The readers of outside input under libFuzzer: a setup's text, as typed or in a link, and a
// picture's text chunk. Besides not crashing, whatever the setup reader takes writes and reads
// back the same, and every PNG the chunk reader finds sound takes a new setup and gives it back.
#include "app/png_text.h"
#include "app/setup.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

namespace {

void require(bool holds) {
    if (!holds) std::abort();
}

void read_and_write_back(std::string_view text) {
    const SetupResult read = read_setup(text);
    if (!read) return;
    require(static_cast<bool>(check_setup(read.setup)));
    const std::string written = write_setup(read.setup);
    const SetupResult again = read_setup(written);
    require(again && again.setup == read.setup && write_setup(again.setup) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> file(data, size);
    read_and_write_back({reinterpret_cast<const char*>(data), size});

    const PngTextResult found = read_text_chunk(file, setup_text_key);
    if (found) read_and_write_back(found.text);
    if (found.error == PngTextError::too_large) return 0;
    const bool sound = found.error == PngTextError::none || found.error == PngTextError::no_text ||
                       found.error == PngTextError::text_too_long;
    constexpr std::string_view setup = "v1;p80,0;n-80,0;V";
    const std::vector<unsigned char> saved = with_text_chunk(file, setup_text_key, setup);
    require(saved.empty() != sound);
    if (sound) require(read_text_chunk(saved, setup_text_key).text == setup);
    return 0;
}
