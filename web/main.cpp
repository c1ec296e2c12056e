// The browser shell: the window logic in WebAssembly, mirrored into the page by page.js.
#include "app/form.h"
#include "app/glyphs.h"
#include "app/picture.h"
#include "app/png_text.h"
#include "app/traced_lines.h"
#include "app/window_logic.h"
#include "app/words.h"
#include "dialogs/dialogs_json.h"
#include "dialogs/json_writer.h"
#include "dialogs/script_metrics.h"
#include "rgba.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// What the page benchmark's timed frame notes: the frame's start, the bar reset or given a
// maximum (each pass of the grids and pictures starts and ends so), the board changed, the
// window logic done, the board and controls mirrored, and the open measurement panel's mirroring
// begun and done.
enum class FrameMark {
    start,
    bar_zero,
    bar_max,
    board_changed,
    logic_done,
    mirrored,
    panel_start,
    panel_done,
    plot_done
};

class WebScreen final : public Screen {
  public:
    // A screen nobody sees shows, says and opens nothing: the page draws every picture on one
    // once while idle. It is this class and not another because the browser's optimising compiler
    // shapes each call of the screen after the class it met there, and throws that code away when
    // another class turns up: the first real picture would run in the slow code again.
    explicit WebScreen(bool seen = true) : seen_(seen) {}

    bool take_board_change() { return std::exchange(board_changed_, false); }
    // While timed, the passes' starts and ends are noted, each as what it was, the bar's
    // maximum and the time in ms.
    void time_passes(bool timed) {
        timed_ = timed;
        if (timed) marks_.clear();
    }
    void mark(FrameMark what, int value = 0) {
        if (timed_)
            marks_.insert(marks_.end(),
                          {static_cast<double>(what), 1.0 * value, emscripten_get_now()});
    }
    const std::vector<double>& marks() const { return marks_; }

    void board_changed() override {
        board_changed_ = true;
        mark(FrameMark::board_changed);
    }
    void show_error(std::string_view text) override {
        if (!seen_) return;
        EM_ASM({ Ardenika.showError(UTF8ToString($0, $1)); }, text.data(), text.size());
    }
    // The page paints nothing while a handler runs, so the bar is shown once, when it ends.
    void progress_set_position(int position) override {
        position_ = std::clamp(position, 0, max_);
        if (position == 0) mark(FrameMark::bar_zero);
    }
    void progress_set_max(int max) override {
        max_ = std::max(max, 0);
        position_ = std::min(position_, max_);
        mark(FrameMark::bar_max, max);
    }
    void progress_step() override { position_ = std::min(position_ + 1, max_); }
    void open_description() override {
        if (!seen_) return;
        EM_ASM({ Ardenika.openDialog("description"); });
    }
    void open_about() override {
        if (!seen_) return;
        EM_ASM({ Ardenika.openDialog("about"); });
    }
    void announce(std::string_view phrase) override {
        if (!seen_) return;
        EM_ASM({ Ardenika.announce(UTF8ToString($0, $1)); }, phrase.data(), phrase.size());
    }
    void announce_progress(std::string_view phrase) override {
        if (!seen_) return;
        EM_ASM({ Ardenika.announceProgress(UTF8ToString($0, $1)); }, phrase.data(), phrase.size());
    }
    void end_program() override {
        if (!seen_) return;
        EM_ASM({ Ardenika.endProgram(); });
    }
    // The page asks for the form's and the dialogs' words anew.
    void language_changed() override {
        if (!seen_) return;
        EM_ASM({ Ardenika.languageChanged(); });
    }

    void show_progress() const {
        EM_ASM({ Ardenika.setProgress($0, $1); }, position_, max_);
    }

  private:
    bool seen_;
    bool board_changed_ = false;
    int position_ = 0;
    int max_ = progress_start_max;
    bool timed_ = false;
    std::vector<double> marks_;
};

WebScreen screen;
// The benchmark's 14 charges with every kind of picture on them.
constexpr std::string_view warm_up_setup =
    "v1;n80,75;n80,45;n80,15;n80,-15;n80,-45;n80,-75;p-80,75;p-80,45;p-80,15;p-80,-15;p-80,-45;"
    "p-80,-75;p0,40;n0,-40;V;E;F;e30,20;f-20,10";
std::optional<WindowLogic> form;
std::vector<std::uint32_t> rgba;
// The page's address shows the setup of this change.
int address_shows = -1;
// A dragged charge has moved since the page was last mirrored (see ardenika_pointer).
bool moves_unmirrored = false;
// Bytes handed back to the page, valid until the next call that fills it.
std::vector<unsigned char> handed;

// The measurement panel as the page last showed it: what it shows depends on the panel's own
// changes and on the board (a charge moved changes every value).
int panel_shows = -1;
int panel_setup_shows = -1;
bool panel_shown_open = false;
std::string panel_shown;
// The plot as the page last showed it.
bool plot_shown_open = false;
std::string plot_shown;

void write_table(JsonWriter& json, const TableView& table) {
    json.open_object().key("headers").open_array();
    for (const std::string& header : table.headers) json.string(header);
    json.close_array().key("rows").open_array();
    for (const auto& row : table.rows) {
        json.open_array();
        for (const std::string& cell : row) json.string(cell);
        json.close_array();
    }
    json.close_array().close_object();
}

// Everything the open panel shows, as one JSON object: labels, choices, tables, pressed buttons.
std::string panel_json() {
    JsonWriter json;
    json.open_object().key("labels").open_object();
    for (const FormControl& c : panel_controls().subspan(1))
        if (c.kind == FormControlKind::label) json.member(c.name, form->panel_text(c.name));
    json.close_object().key("choices").open_object();
    for (const FormControl& c : panel_controls())
        if (c.kind == FormControlKind::choice) {
            json.key(c.name).open_object().key("items").open_array();
            for (const std::string& item : form->panel_choices(c.name)) json.string(item);
            json.close_array().member("chosen", form->panel_chosen(c.name)).close_object();
        }
    json.close_object().key("tables").open_object();
    for (const FormControl& c : panel_controls())
        if (c.kind == FormControlKind::table)
            write_table(json.key(c.name), form->panel_table(c.name));
    json.close_object().key("pressed").open_object();
    for (const FormControl& c : panel_controls())
        if (c.kind == FormControlKind::toggle_button) json.member(c.name, form->panel_down(c.name));
    json.close_object().member("selectedRow", form->selected_recorded_row());
    return json.close_object().text();
}

// Shows the panel opened or closed, and while open whatever changed in it since it was shown.
bool mirror_panel(bool board_changed) {
    const bool open = form->panel_open();
    if (open != panel_shown_open) {
        panel_shown_open = open;
        panel_shows = -1;
        panel_shown.clear();
        EM_ASM({ Ardenika.showPanel($0); }, open);
    }
    if (!open || (!board_changed && form->panel_changes() == panel_shows &&
                  form->setup_changes() == panel_setup_shows))
        return false;
    screen.mark(FrameMark::panel_start);
    panel_shows = form->panel_changes();
    panel_setup_shows = form->setup_changes();
    std::string json = panel_json();
    if (json != panel_shown) {
        panel_shown = std::move(json);
        EM_ASM({ Ardenika.setPanel(JSON.parse(UTF8ToString($0, $1))); }, panel_shown.data(),
               panel_shown.size());
    }
    screen.mark(FrameMark::panel_done);
    return true;
}

// Shows the plot opened or closed, and while open its picture, reading and summary when they
// changed; the panel's own test of what changed holds for it, as it follows the same board.
void mirror_plot(bool panel_changed) {
    const bool open = form->plot_open();
    if (open != plot_shown_open) {
        plot_shown_open = open;
        plot_shown.clear();
        EM_ASM({ Ardenika.showPlot($0); }, open);
    }
    if (!open || !panel_changed) return;
    JsonWriter json;
    json.open_object().member("svg", form->plot_picture());
    json.member("reading", form->panel_text("plot_reading"));
    json.member("summary", form->panel_text("plot_summary"));
    json.member("at", form->plot_reading_sample().value_or(-1));
    json.member("samples", static_cast<int>(form->line_plot().samples.size()));
    std::string text = json.close_object().text();
    if (text != plot_shown) {
        plot_shown = std::move(text);
        EM_ASM({ Ardenika.setPlot(JSON.parse(UTF8ToString($0, $1))); }, plot_shown.data(),
               plot_shown.size());
    }
    screen.mark(FrameMark::plot_done);
}

// Copies into the page whatever a handler may have changed.
void mirror() {
    moves_unmirrored = false;
    // A frame still waiting for its field lines is not shown until they are drawn.
    const bool board_changed = !form->lines_due() && screen.take_board_change();
    if (board_changed) {
        // The board as shown: the measuring points drawn over the pictures.
        const Canvas& board = form->shown_board();
        to_rgba(board.data(), static_cast<std::size_t>(board.width() * board.height()), rgba);
        EM_ASM({ Ardenika.showBoard($0, $1, $2); }, rgba.data(), board.width(), board.height());
    }
    for (int i = 0; i < toggle_count; ++i) {
        const std::string_view id = toggle_names[i];
        EM_ASM({ Ardenika.setPressed(UTF8ToString($0, $1), $2); }, id.data(), id.size(),
               form->down(static_cast<Toggle>(i)));
    }
    const std::span<const std::string_view> names = readout_label_names();
    for (std::size_t i = 0; i < std::min(names.size(), form->labels().size()); ++i) {
        const std::string& text = form->labels()[i];
        EM_ASM({ Ardenika.setLabel(UTF8ToString($0, $1), UTF8ToString($2, $3)); }, names[i].data(),
               names[i].size(), text.data(), text.size());
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
    mirror_plot(mirror_panel(board_changed));
}

std::string_view kind_name(FormControlKind kind) {
    constexpr std::string_view names[] = {
        "window",        "group_box", "label",  "progress_bar", "tool_button", "push_button",
        "toggle_button", "board",     "choice", "table",        "plot"};
    return names[static_cast<std::size_t>(kind)];
}

// What the page sends for the pointer on the board.
enum class PointerPhase { pressed, moved, released, cancelled };

// The page's names of the codes it sends; the page reads them from the form JSON and types none.
constexpr std::pair<std::string_view, PointerPhase> pointer_phases[] = {
    {"pressed", PointerPhase::pressed},
    {"moved", PointerPhase::moved},
    {"released", PointerPhase::released},
    {"cancelled", PointerPhase::cancelled}};
// By the browser's PointerEvent.button.
constexpr std::pair<int, PointerButton> pointer_buttons[] = {
    {0, PointerButton::primary}, {1, PointerButton::middle}, {2, PointerButton::secondary}};
// By the browser's PointerEvent.pointerType.
constexpr std::pair<std::string_view, PointerKind> pointer_kinds[] = {
    {"mouse", PointerKind::mouse}, {"touch", PointerKind::touch}, {"pen", PointerKind::pen}};
// By the browser's KeyboardEvent.key.
constexpr std::pair<std::string_view, BoardKey> board_keys[] = {
    {"ArrowLeft", BoardKey::left}, {"ArrowRight", BoardKey::right}, {"ArrowUp", BoardKey::up},
    {"ArrowDown", BoardKey::down}, {"Home", BoardKey::home},        {"Enter", BoardKey::activate},
    {" ", BoardKey::activate},     {"Escape", BoardKey::escape},    {"v", BoardKey::say_values},
    {"V", BoardKey::say_values}};

// A code from the page, if it is one of the table's.
template <typename Code, typename Name, std::size_t n>
std::optional<Code> known(const std::pair<Name, Code> (&table)[n], int code) {
    for (const auto& entry : table)
        if (static_cast<int>(entry.second) == code) return entry.second;
    return std::nullopt;
}

template <typename Name, typename Code, std::size_t n>
void write_codes(JsonWriter& json, std::string_view name, const std::pair<Name, Code> (&table)[n]) {
    json.key(name).open_object();
    for (const auto& [key, code] : table) {
        if constexpr (std::is_same_v<Name, int>)
            json.member(std::to_string(key), static_cast<int>(code));
        else
            json.member(key, static_cast<int>(code));
    }
    json.close_object();
}

// The name of the form's one control of this kind.
std::string_view control_of(FormControlKind kind) {
    for (const FormControl& c : form_controls())
        if (c.kind == kind) return c.name;
    return {};
}

void write_control(JsonWriter& json, const FormControl& c, Language language) {
    const FormWords said = form_texts(c, language);
    json.open_object().member("name", c.name).member("kind", kind_name(c.kind));
    json.member("parent", c.parent).member("left", c.left).member("top", c.top);
    json.member("width", c.width).member("height", c.height).member("caption", said.caption);
    json.member("hint", said.hint).member("spoken", said.accessible_name);
    json.member("group", c.group);
    json.member("font", c.font == ControlFont::panel ? "sans" : "dialog").close_object();
}

// The form's controls, the measurement panel's and the plot's, and the menus, the names the page
// finds its parts by, the codes it sends, and the words the page writes itself, as one JSON
// object, in the language.
std::string form_json(Language language) {
    const Words& w = words_for(language);
    JsonWriter json;
    json.open_object().member("language", w.code).key("controls").open_array();
    for (const FormControl& c : form_controls()) write_control(json, c, language);
    json.close_array().key("panel").open_array();
    for (const FormControl& c : panel_controls()) write_control(json, c, language);
    json.close_array().key("plot").open_array();
    for (const FormControl& c : plot_controls()) write_control(json, c, language);
    json.close_array().key("narrow").open_array();
    for (const NarrowPlace& n : narrow_layout()) {
        json.open_object().member("name", n.name).member("left", n.left).member("top", n.top);
        json.member("width", n.width).member("height", n.height).close_object();
    }
    json.close_array().key("menu").open_array();
    for (const MenuItem& m : menu_items()) {
        json.open_object().member("name", m.name).member("parent", m.parent);
        json.member("caption", form_texts(m, language).caption).member("submenu", m.submenu);
        json.member("shortcut", m.shortcut);
        // The language an item chooses, if it is one of the language menu's.
        std::string_view chooses;
        for (const Language l : languages)
            if (WindowLogic::language_item(l) == m.name) chooses = words_for(l).code;
        json.member("chooses", chooses).close_object();
    }
    json.close_array().key("names").open_object();
    json.member("window", control_of(FormControlKind::window));
    json.member("board", control_of(FormControlKind::board));
    json.member("menuBar", menu_bar_name).member("panel", panel_name);
    json.member("recordShortcut", record_shortcut);
    // The panel's parts the page itself acts on: the buttons whose clipboard and file are the
    // page's, the table whose rows it selects, and the item that opens the panel.
    for (const auto& [key, name] :
         {std::pair<std::string_view, std::string_view>{"recordedTable", "recorded_table"},
          {"recordButton", "record_button"},
          {"deleteRow", "delete_row_button"},
          {"copyTable", "copy_table_button"},
          {"saveTable", "save_table_button"},
          {"measurementsItem", "measurements_item"},
          {"plotWindow", plot_window_name},
          {"copyPlot", "copy_plot_button"},
          {"savePlot", "save_plot_button"},
          {"copySamples", "copy_samples_button"},
          {"saveSamples", "save_samples_button"},
          {"plotSummary", "plot_summary"}})
        json.member(key, name);
    json.key("readout").open_array();
    for (const std::string_view name : readout_label_names()) json.string(name);
    json.close_array().close_object().key("codes").open_object();
    write_codes(json, "pointerPhases", pointer_phases);
    write_codes(json, "pointerButtons", pointer_buttons);
    write_codes(json, "pointerKinds", pointer_kinds);
    write_codes(json, "boardKeys", board_keys);
    json.close_object();
    json.member("fontPixels", form_font_pixels).member("progressMax", progress_start_max);
    json.member("pngMaxFile", static_cast<int>(png_max_file)).key("words").open_object();
    const std::pair<const char*, std::string_view> texts[] = {{"programName", w.program_name},
                                                              {"boardHint", w.board_hint},
                                                              {"ok", w.ok},
                                                              {"close", w.close},
                                                              {"menuBar", w.menu_bar},
                                                              {"programEnded", w.program_ended},
                                                              {"startAgain", w.start_again},
                                                              {"saveFailed", w.save_failed_here},
                                                              {"readFailed", w.read_failed},
                                                              {"pictureFile", picture_file_name},
                                                              {"csvFile", w.csv_file_name},
                                                              {"tableCopied", w.table_copied},
                                                              {"tableEmpty", w.table_empty},
                                                              {"plotCopied", w.plot_copied},
                                                              {"samplesCopied", w.samples_copied},
                                                              {"savePlot", w.save_plot},
                                                              {"svgFiles", w.svg_files},
                                                              {"pngFiles1x", w.png_files_1x},
                                                              {"pngFiles2x", w.png_files_2x},
                                                              {"plotFile", w.plot_file_name},
                                                              {"samplesFile", w.samples_file_name}};
    for (const auto& [key, text] : texts) json.member(key, text);
    return json.close_object().close_object().text();
}

} // namespace

extern "C" {

// A button or menu item clicked, by its form name; false for a name the window does not know.
EMSCRIPTEN_KEEPALIVE bool ardenika_run(const char* id) {
    if (!form || !form->click(std::string_view(id))) return false;
    mirror();
    return true;
}

// The pointer on the board, by the codes of the form JSON's "codes": a phase, (x, y) in board
// pixels, the button and the kind of pointer. A code the tables do not hold is ignored.
EMSCRIPTEN_KEEPALIVE void ardenika_pointer(int phase, double x, double y, int button, int kind,
                                           double time_ms) {
    const auto at = known(pointer_phases, phase);
    if (!form || !at) return;
    const PointerEvent e{x, y, known(pointer_buttons, button).value_or(PointerButton::primary),
                         known(pointer_kinds, kind).value_or(PointerKind::mouse), time_ms};
    switch (*at) {
    case PointerPhase::pressed:
        form->pointer_pressed(e);
        break;
    case PointerPhase::moved:
        form->pointer_moved(e);
        break;
    case PointerPhase::released:
        form->pointer_released(e);
        break;
    case PointerPhase::cancelled:
        form->pointer_cancelled();
    }
    // A dragged charge's move only says where it is wanted: the readout and the rest are mirrored
    // with the board of the frame it asks for, so that the page shows them together and is not
    // laid out anew while that frame is drawn.
    if (*at == PointerPhase::moved && form->dragging()) {
        moves_unmirrored = true;
        EM_ASM({ Ardenika.setPointerShape($0, true); }, static_cast<int>(form->pointer_shape()));
        return;
    }
    mirror();
}

// A frame of the page: a dragged charge's board is redrawn for where the pointer last was.
EMSCRIPTEN_KEEPALIVE void ardenika_frame() {
    if (form && (form->frame() || moves_unmirrored)) mirror();
}

// The page's worker traces a frame's field lines while this thread draws the rest of it. A frame
// whose last picture is the field-line family hands its charges to the worker first
// (LineWorker.send: their count, then x, y and sign each), then is drawn without the lines; the
// board is shown when the worker's passes come (ardenika_finish_frame). True when the frame waits
// for them; false when it was drawn and shown whole, or was not due.
std::vector<int> lines_sent_for;

EMSCRIPTEN_KEEPALIVE bool ardenika_begin_frame() {
    if (!form || form->lines_due()) return false;
    lines_sent_for.clear();
    if (const std::optional<ChargeSet> charges = form->due_lines_charges()) {
        lines_sent_for = charge_numbers(*charges);
        EM_ASM({ LineWorker.send($0, $1); }, lines_sent_for.data(), charges->count());
    }
    if (!form->frame(true)) {
        if (moves_unmirrored) mirror();
        return false;
    }
    if (form->lines_due()) return true;
    mirror();
    return false;
}

// The passes of the frame's field lines as the worker listed them (ardenika_trace_lines), drawn,
// and the frame shown; lines traced for other charges than the board's, or a list that does not
// read as theirs, are traced here instead.
EMSCRIPTEN_KEEPALIVE bool ardenika_finish_frame(const int* list, int length) {
    if (!form || !form->lines_due()) return false;
    const bool theirs =
        list && length > 0 && charge_numbers(form->board_state().charges) == lines_sent_for;
    form->draw_due_lines(theirs ? std::span<const int>(list, static_cast<std::size_t>(length))
                                : std::span<const int>());
    mirror();
    return true;
}

// Whatever else the page asks of the program first finishes a frame still waiting for its
// lines, tracing them here.
EMSCRIPTEN_KEEPALIVE void ardenika_settle_frame() {
    if (!form || !form->lines_due()) return;
    form->draw_due_lines();
    mirror();
}

// The worker's one call, in its own instance of this module: the passes of the field-line family
// of the charges (x, y and sign each), listed as traced_lines lists them, after their length.
EMSCRIPTEN_KEEPALIVE const int* ardenika_trace_lines(const int* numbers, int count) {
    // Made on first use: the worker runs none of the module's constructors.
    static LineTracer tracer;
    static std::vector<int> list;
    const ChargeSet charges =
        charges_from_numbers({numbers, count > 0 ? static_cast<std::size_t>(count) * 3 : 0});
    list = tracer.traced_lines(charges);
    list.insert(list.begin(), static_cast<int>(list.size()));
    return list.data();
}

// ardenika_frame as the page benchmark times it: the marks noted on the way (three numbers each,
// see FrameMark), ended by a mark of -1.
EMSCRIPTEN_KEEPALIVE const double* ardenika_timed_frame() {
    static std::vector<double> marks;
    screen.time_passes(true);
    screen.mark(FrameMark::start);
    const bool drawn = form && form->frame();
    screen.mark(FrameMark::logic_done);
    if (drawn) mirror();
    screen.mark(FrameMark::mirrored);
    marks = screen.marks();
    screen.time_passes(false);
    marks.insert(marks.end(), {-1.0, 0.0, 0.0});
    return marks.data();
}

// An item chosen in one of the measurement panel's choices, by its form name.
EMSCRIPTEN_KEEPALIVE void ardenika_choose(const char* control, int index) {
    if (!form) return;
    form->choose(control, index);
    mirror();
}

// A row of the recorded table selected, or -1 for none.
EMSCRIPTEN_KEEPALIVE void ardenika_select_row(int row) {
    if (!form) return;
    form->select_recorded_row(row);
    mirror();
}

// The recorded table for the clipboard (tab-separated, in UTF-8) or as the bytes of its CSV file;
// its bytes start at the pointer returned, ardenika_handed_size() long, until the next call.
EMSCRIPTEN_KEEPALIVE const unsigned char* ardenika_recorded_table(bool csv) {
    const std::string text = !form ? std::string()
                             : csv ? form->recorded_table_csv()
                                   : form->recorded_table_text();
    handed.assign(text.begin(), text.end());
    return handed.data();
}

// The plot read at x across its picture, or moved along by samples.
EMSCRIPTEN_KEEPALIVE void ardenika_read_plot(double x) {
    if (!form) return;
    form->read_plot_at(x);
    mirror();
}
EMSCRIPTEN_KEEPALIVE void ardenika_step_plot(int samples) {
    if (!form) return;
    form->step_plot_reading(samples);
    mirror();
}

// The plot's picture (SVG) or its samples (tab-separated, or the bytes of their CSV file), handed
// as the recorded table is.
EMSCRIPTEN_KEEPALIVE const unsigned char* ardenika_plot_text(int what) {
    const std::string text = !form       ? std::string()
                             : what == 0 ? form->plot_picture()
                             : what == 1 ? form->plot_samples_text()
                                         : form->plot_samples_csv();
    handed.assign(text.begin(), text.end());
    return handed.data();
}

// Whether the recorded table holds any row.
EMSCRIPTEN_KEEPALIVE bool ardenika_recorded_rows() {
    return form && !form->recorded().empty();
}

// A press anywhere on the page but the board.
EMSCRIPTEN_KEEPALIVE void ardenika_pressed_elsewhere() {
    if (form) form->pressed_elsewhere();
}

// A key on the focused board, by its code in the form JSON's "codes"; any other is ignored.
EMSCRIPTEN_KEEPALIVE void ardenika_board_key(int key, bool shift, bool repeat) {
    const auto board_key = known(board_keys, key);
    if (!form || !board_key) return;
    form->board_key(*board_key, shift, repeat);
    mirror();
}

// The window's form and the page's words in the window's language, as JSON; the page reads it
// at start and when the language changes.
EMSCRIPTEN_KEEPALIVE const char* ardenika_form_json() {
    static std::array<std::string, languages.size()> json;
    const Language language = form ? form->language() : default_language;
    std::string& made = json[static_cast<std::size_t>(language)];
    if (made.empty()) made = form_json(language);
    return made.c_str();
}

// The help dialogs' content in the window's language, as a JSON text.
EMSCRIPTEN_KEEPALIVE const char* ardenika_dialogs_json() {
    static std::array<std::string, languages.size()> json;
    const Language language = form ? form->language() : default_language;
    std::string& made = json[static_cast<std::size_t>(language)];
    if (made.empty()) made = help_dialogs_json(words_for(language).code);
    return made.c_str();
}

// Chooses the window's language by its code ("pl", "uk", "en"); false, changing nothing, for a
// code the window does not speak.
EMSCRIPTEN_KEEPALIVE bool ardenika_set_language(const char* code) {
    const std::optional<Language> language = language_of(code);
    if (!form || !language) return false;
    form->set_language(*language);
    // The panel's and the plot's texts are all in the new words.
    panel_shows = -1;
    plot_shown.clear();
    mirror();
    return true;
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

// Draws every kind of picture once on a window of its own that nobody sees; the page calls it
// once, while idle after ardenika_prepare. Returns that window's charges (their count, then x, y
// and sign each), with which the page's worker warms its tracer up.
EMSCRIPTEN_KEEPALIVE const int* ardenika_warm_up() {
    static std::vector<int> charges;
    WebScreen unseen(false);
    WindowLogic scratch(unseen);
    scratch.open_setup(warm_up_setup);
    charges = charge_numbers(scratch.board_state().charges);
    charges.insert(charges.begin(), static_cast<int>(charges.size() / 3));
    return charges.data();
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
