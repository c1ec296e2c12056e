// The browser shell: the window logic in WebAssembly, mirrored into the page by page.js.
#include "app/form.h"
#include "app/glyphs.h"
#include "app/picture.h"
#include "app/png_text.h"
#include "app/tform1.h"
#include "app/words.h"
#include "dialogs/dialogs_json.h"
#include "dialogs/script_metrics.h"

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

// Canvas pixels are 0xAARRGGBB words; a page's ImageData wants the bytes R, G, B, A.
void to_rgba(const std::uint32_t* pixels, std::size_t count, std::vector<std::uint32_t>& out) {
    out.resize(count);
    std::transform(pixels, pixels + count, out.begin(), [](std::uint32_t c) {
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
    void announce_progress(std::string_view phrase) override {
        EM_ASM({ Ardenika.announceProgress(UTF8ToString($0, $1)); }, phrase.data(), phrase.size());
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
    int max_ = progress_start_max;
};

WebScreen screen;
std::optional<TForm1> form;
std::vector<std::uint32_t> rgba;
// The page's address shows the setup of this change.
int address_shows = -1;
// Bytes handed back to the page, valid until the next call that fills it.
std::vector<unsigned char> handed;

// Copies into the page whatever a handler may have changed.
void mirror() {
    if (screen.take_board_change()) {
        const Canvas& board = form->board();
        to_rgba(board.data(), static_cast<std::size_t>(board.width() * board.height()), rgba);
        EM_ASM({ Ardenika.showBoard($0, $1, $2); }, rgba.data(), board.width(), board.height());
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
    EM_ASM({ Ardenika.setPointerShape($0, $1); }, static_cast<int>(form->pointer_shape()),
           form->dragging());
    EM_ASM({ Ardenika.setCursor($0, $1); }, form->cursor()[0], form->cursor()[1]);
    screen.show_progress();
    if (form->setup_changes() != address_shows) {
        address_shows = form->setup_changes();
        const std::string text = form->setup_text();
        EM_ASM({ Ardenika.setAddress(UTF8ToString($0, $1)); }, text.data(), text.size());
    }
}

const char* kind_name(FormControlKind kind) {
    switch (kind) {
    case FormControlKind::window:
        return "window";
    case FormControlKind::group_box:
        return "group_box";
    case FormControlKind::label:
        return "label";
    case FormControlKind::progress_bar:
        return "progress_bar";
    case FormControlKind::tool_button:
        return "tool_button";
    case FormControlKind::push_button:
        return "push_button";
    case FormControlKind::toggle_button:
        return "toggle_button";
    case FormControlKind::board:
        return "board";
    }
    return "";
}

// The form's controls and menus, and the words the page writes itself, as one JSON object.
std::string form_json() {
    std::string out = R"({"controls":[)";
    for (const FormControl& c : form_controls()) {
        if (out.back() != '[') out += ',';
        out += R"({"name":)" + json_string(c.name) + R"(,"kind":")" + kind_name(c.kind) +
               R"(","parent":)" + json_string(c.parent) + R"(,"left":)" + std::to_string(c.left) +
               R"(,"top":)" + std::to_string(c.top) + R"(,"width":)" + std::to_string(c.width) +
               R"(,"height":)" + std::to_string(c.height) + R"(,"caption":)" +
               json_string(c.caption) + R"(,"hint":)" + json_string(c.hint) + R"(,"spoken":)" +
               json_string(c.accessible_name) + R"(,"group":)" + std::to_string(c.group) +
               R"(,"font":")" + (c.font == ControlFont::panel ? "sans" : "dialog") + "\"}";
    }
    out += R"(],"narrow":[)";
    for (const NarrowPlace& n : narrow_layout()) {
        if (out.back() != '[') out += ',';
        out += R"({"name":)" + json_string(n.name) + R"(,"left":)" + std::to_string(n.left) +
               R"(,"top":)" + std::to_string(n.top) + R"(,"width":)" + std::to_string(n.width) +
               R"(,"height":)" + std::to_string(n.height) + "}";
    }
    out += R"(],"menu":[)";
    for (const MenuItem& m : menu_items()) {
        if (out.back() != '[') out += ',';
        out += R"({"name":)" + json_string(m.name) + R"(,"parent":)" + json_string(m.parent) +
               R"(,"caption":)" + json_string(m.caption) + R"(,"submenu":)" +
               (m.submenu ? "true" : "false") + "}";
    }
    const Words& w = words();
    out += R"(],"fontPixels":)" + std::to_string(form_font_pixels) + R"(,"progressMax":)" +
           std::to_string(progress_start_max) + R"(,"pngMaxFile":)" + std::to_string(png_max_file) +
           R"(,"words":{)";
    const std::pair<const char*, std::string_view> texts[] = {{"programName", w.program_name},
                                                              {"boardHint", w.board_hint},
                                                              {"ok", w.ok},
                                                              {"close", w.close},
                                                              {"menuBar", w.menu_bar},
                                                              {"programEnded", w.program_ended},
                                                              {"startAgain", w.start_again},
                                                              {"saveFailed", w.save_failed_here},
                                                              {"readFailed", w.read_failed},
                                                              {"pictureFile", picture_file_name}};
    for (const auto& [key, text] : texts) {
        if (out.back() != '{') out += ',';
        out += json_string(key) + ':' + json_string(text);
    }
    return out + "}}";
}

PointerEvent pointer(double x, double y, int button, int kind, double time_ms) {
    return {x, y, static_cast<PointerButton>(std::clamp(button, 0, 2)),
            static_cast<PointerKind>(std::clamp(kind, 0, 2)), time_ms};
}

} // namespace

extern "C" {

// A button or menu item clicked, by its form name; false for a name the window does not know.
EMSCRIPTEN_KEEPALIVE bool ardenika_run(const char* id) {
    if (!form || !form->click(std::string_view(id))) return false;
    mirror();
    return true;
}

// The pointer on the board: phase 0 pressed, 1 moved, 2 released, 3 cancelled; (x, y) in board
// pixels; button 0 primary, 1 secondary, 2 middle; kind 0 mouse, 1 touch, 2 pen.
EMSCRIPTEN_KEEPALIVE void ardenika_pointer(int phase, double x, double y, int button, int kind,
                                           double time_ms) {
    if (!form) return;
    const PointerEvent e = pointer(x, y, button, kind, time_ms);
    switch (phase) {
    case 0:
        form->pointer_pressed(e);
        break;
    case 1:
        form->pointer_moved(e);
        break;
    case 2:
        form->pointer_released(e);
        break;
    default:
        form->pointer_cancelled();
    }
    mirror();
}

// A frame of the page: a dragged charge's board is redrawn for where the pointer last was.
EMSCRIPTEN_KEEPALIVE void ardenika_frame() {
    if (form && form->frame()) mirror();
}

// A press anywhere on the page but the board.
EMSCRIPTEN_KEEPALIVE void ardenika_pressed_elsewhere() {
    if (form) form->pressed_elsewhere();
}

// A key on the focused board, as BoardKey's value (left, right, up, down, home, activate).
EMSCRIPTEN_KEEPALIVE void ardenika_board_key(int key, bool shift, bool repeat) {
    if (!form || key < 0 || key > static_cast<int>(BoardKey::activate)) return;
    form->board_key(static_cast<BoardKey>(key), shift, repeat);
    mirror();
}

// The window's form and the page's words, as JSON, read once by the page.
EMSCRIPTEN_KEEPALIVE const char* ardenika_form_json() {
    static const std::string json = form_json();
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
    if (form) form->prepare();
}

// The grids' digest, to compare the page's computation with the desktop's.
EMSCRIPTEN_KEEPALIVE unsigned ardenika_grids_digest() {
    return form ? form->grids_digest() : 0;
}

// Opens a setup or a link holding one; a refusal is said in the error box.
EMSCRIPTEN_KEEPALIVE bool ardenika_open_setup(const char* text) {
    if (!form) return false;
    const bool opened = form->open_setup(text);
    mirror();
    return opened;
}

// Opens a saved picture from the bytes the page copied into the module's memory.
EMSCRIPTEN_KEEPALIVE bool ardenika_open_picture(const unsigned char* bytes, int size) {
    if (!form || size < 0) return false;
    const bool opened = form->open_picture({bytes, static_cast<std::size_t>(size)});
    mirror();
    return opened;
}

EMSCRIPTEN_KEEPALIVE bool ardenika_undo() {
    if (!form || !form->undo()) return false;
    mirror();
    return true;
}

EMSCRIPTEN_KEEPALIVE bool ardenika_redo() {
    if (!form || !form->redo()) return false;
    mirror();
    return true;
}

// The browser's PNG of the board with the description and the setup added; its bytes start at
// the pointer returned, ardenika_handed_size() long, and stay until the next call.
EMSCRIPTEN_KEEPALIVE const unsigned char* ardenika_picture_png(const unsigned char* png, int size) {
    handed = form && size > 0 ? form->with_picture_texts({png, static_cast<std::size_t>(size)})
                              : std::vector<unsigned char>();
    return handed.data();
}

EMSCRIPTEN_KEEPALIVE int ardenika_handed_size() {
    return static_cast<int>(handed.size());
}

// What the board shows, in UTF-8; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* ardenika_picture_description() {
    static std::string text;
    text = form ? form->picture_description() : std::string();
    return text.c_str();
}

} // extern "C"

int main() {
    EM_ASM({ Ardenika.build(JSON.parse(UTF8ToString($0))); }, ardenika_form_json());
    form.emplace(screen);
    // The page's button face, as the window's buttons show it.
    const Rgb face = static_cast<Rgb>(EM_ASM_INT({ return Ardenika.buttonFace(); }));
    for (const GlyphImage& glyph : glyph_images(face)) {
        to_rgba(glyph.argb.data(), glyph.argb.size(), rgba);
        const std::string_view id = toggle_names[static_cast<int>(glyph.button)];
        EM_ASM({ Ardenika.setGlyph(UTF8ToString($0, $1), $2, $3, $4); }, id.data(), id.size(),
               rgba.data(), glyph.width, glyph.height);
    }
    mirror();
    EM_ASM({ Ardenika.started(); });
    return 0;
}
