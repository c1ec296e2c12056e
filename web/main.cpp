// The browser shell: the window logic in WebAssembly, mirrored into the page by page.js.
#include "app/accessible_names.h"
#include "app/picture.h"
#include "app/tform1.h"
#include "dialogs/dialogs_json.h"
#include "dialogs/script_metrics.h"
#include "model/field.h"
#include "render/board.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Canvas pixels are 0xffRRGGBB words; a page's ImageData wants the bytes R, G, B, A.
void to_rgba(const Canvas& canvas, std::vector<std::uint32_t>& out) {
    out.resize(static_cast<std::size_t>(canvas.width()) *
               static_cast<std::size_t>(canvas.height()));
    std::transform(canvas.data(), canvas.data() + out.size(), out.begin(), [](Rgb c) {
        return (c & 0xff00ff00u) | ((c >> 16) & 0xffu) | ((c & 0xffu) << 16);
    });
}

class WebScreen final : public Screen {
  public:
    bool take_board_change() { return std::exchange(board_changed_, false); }

    void board_changed() override { board_changed_ = true; }
    void show_error(std::string_view text) override {
        EM_ASM({ Ardenika.showError(UTF8ToString($0, $1)); }, text.data(), text.size());
    }
    // The page paints nothing while a handler runs, so the bar is shown once, when it ends.
    void progress_set_position(int position) override { position_ = std::clamp(position, 0, max_); }
    void progress_set_max(int max) override {
        max_ = std::max(max, 0);
        position_ = std::min(position_, max_);
    }
    void progress_step() override { position_ = std::min(position_ + 1, max_); }
    void open_description() override {
        EM_ASM({ Ardenika.openDialog("Opisprogramu1"); });
    }
    void open_about() override {
        EM_ASM({ Ardenika.openDialog("Oprogramie1"); });
    }
    void announce(std::string_view phrase) override {
        EM_ASM({ Ardenika.announce(UTF8ToString($0, $1)); }, phrase.data(), phrase.size());
    }
    void end_program() override {
        EM_ASM({ Ardenika.endProgram(); });
    }

    void show_progress() const {
        EM_ASM({ Ardenika.setProgress($0, $1); }, position_, max_);
    }

  private:
    bool board_changed_ = false;
    int position_ = 0;
    int max_ = 10000;
};

WebScreen screen;
std::optional<TForm1> form;
std::vector<std::uint32_t> rgba;

// Copies into the page whatever a handler may have changed.
void mirror() {
    if (screen.take_board_change()) {
        to_rgba(form->board(), rgba);
        EM_ASM({ Ardenika.showBoard($0, $1, $2); }, rgba.data(), form->board().width(),
               form->board().height());
    }
    for (int i = 0; i < toggle_count; ++i) {
        const std::string_view id = toggle_names[i];
        EM_ASM({ Ardenika.setPressed(UTF8ToString($0, $1), $2); }, id.data(), id.size(),
               form->down(static_cast<Toggle>(i)));
    }
    for (int i = 0; i < 5; ++i) {
        const std::string& text = form->labels()[static_cast<std::size_t>(i)];
        EM_ASM({ Ardenika.setLabel($0, UTF8ToString($1, $2)); }, i + 1, text.data(), text.size());
    }
    EM_ASM({ Ardenika.setBoardTooltip($0); }, form->board_tooltip());
    EM_ASM({ Ardenika.setCursor($0, $1); }, form->cursor()[0], form->cursor()[1]);
    screen.show_progress();
}

// What the first picture would otherwise pay for on its way: the field's tables, built on their
// first use (one term asked for builds them all), and the first write to each page of the grids,
// which the system backs with memory only then. Each value is written back as it is, so the
// grids stay as they are.
void prepare_first_picture() {
    static_cast<void>(field_term(0, 0));
    constexpr std::size_t cells = std::size_t{board_size} * board_size;
    constexpr std::size_t cells_per_page = 4096 / sizeof(double);
    for (double* grid : {&grid_V[0][0], &grid_Ex[0][0], &grid_Ey[0][0]}) {
        volatile double* cell = grid;
        for (std::size_t i = 0; i < cells; i += cells_per_page) cell[i] = cell[i];
        cell[cells - 1] = cell[cells - 1];
    }
}

} // namespace

extern "C" {

// A button or menu item clicked, by its form name; false for a name the window does not know.
EMSCRIPTEN_KEEPALIVE bool ardenika_run(const char* id) {
    if (!form || !form->click(std::string_view(id))) return false;
    mirror();
    return true;
}

// The pointer over the board at pixel (x, y), already within the board.
EMSCRIPTEN_KEEPALIVE void ardenika_move(int x, int y) {
    if (!form) return;
    form->Image1MouseMove(x, y);
    mirror();
}

EMSCRIPTEN_KEEPALIVE void ardenika_board_click() {
    if (!form) return;
    form->Image1Click();
    mirror();
}

// A key on the focused board, as BoardKey's value (left, right, up, down, home, activate).
EMSCRIPTEN_KEEPALIVE void ardenika_board_key(int key, bool shift) {
    if (!form || key < 0 || key > static_cast<int>(BoardKey::activate)) return;
    form->board_key(static_cast<BoardKey>(key), shift);
    mirror();
}

// The controls' accessible names in Tab order, as a JSON array of [form name, name] pairs.
EMSCRIPTEN_KEEPALIVE const char* ardenika_accessible_names_json() {
    static const std::string json = [] {
        std::string out = "[";
        for (const AccessibleName& entry : accessible_names) {
            if (out.size() > 1) out += ',';
            out += '[' + json_string(entry.control) + ',' + json_string(entry.name) + ']';
        }
        return out + ']';
    }();
    return json.c_str();
}

// The help dialogs' content as a JSON text, read once by the page.
EMSCRIPTEN_KEEPALIVE const char* ardenika_dialogs_json() {
    static const std::string json = help_dialogs_json();
    return json.c_str();
}

// A description run's character height and baseline offset in twentieths of a point, from the
// height before, in a script mode (-1, 0, 1); packed as height * 65536 + offset + 32768.
EMSCRIPTEN_KEEPALIVE int ardenika_script_metrics(int height, int mode) {
    const CharMetrics m = script_metrics(height, static_cast<ScriptMode>(mode));
    return m.height * 65536 + m.offset + 32768;
}

// Readies the first picture; the page calls it once it is idle after start.
EMSCRIPTEN_KEEPALIVE void ardenika_prepare() {
    prepare_first_picture();
}

// The grids' digest, to compare the page's computation with the desktop's.
EMSCRIPTEN_KEEPALIVE unsigned ardenika_grids_digest() {
    return grids_digest();
}

} // extern "C"

// The board saved as a picture: page.js encodes the canvas and adds the text chunk itself.
extern "C" {

EMSCRIPTEN_KEEPALIVE const char* ardenika_picture_file_name() {
    static const std::string name(picture_file_name);
    return name.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* ardenika_picture_text_key() {
    static const std::string key(picture_text_key);
    return key.c_str();
}

// What the board shows, in UTF-8; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* ardenika_picture_description() {
    static std::string text;
    text = form ? form->picture_description() : std::string();
    return text.c_str();
}

} // extern "C"

int main() {
    form.emplace(screen);
    build_glyphs([](GlyphButton which, const Canvas& glyph) {
        to_rgba(glyph, rgba);
        const std::string_view id = toggle_names[static_cast<int>(glyph_button(which))];
        EM_ASM({ Ardenika.setGlyph(UTF8ToString($0, $1), $2, $3, $4); }, id.data(), id.size(),
               rgba.data(), glyph.width(), glyph.height());
    });
    mirror();
    EM_ASM({ Ardenika.started(); });
    return 0;
}
