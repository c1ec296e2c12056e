#pragma once

#include "app/toggles.h"
#include "app/words.h"

#include <optional>
#include <span>
#include <string_view>

// The main window as data: both screens build their controls and menus from these tables.

// The character height, in pixels, of the window's faces.
inline constexpr int form_font_pixels = 11;
// The progress bar's range before any computation sets it.
inline constexpr int progress_start_max = 10000;

enum class FormControlKind {
    window,
    group_box,
    label,
    progress_bar,
    tool_button,
    push_button,
    toggle_button,
    board,
    // The measurement panel's own kinds: a drop-down choice and a read-only table.
    choice,
    table,
    // The plot along a line: an SVG picture the logic makes, shown as it is.
    plot
};
// The window's own face, and the one its group boxes and Czyść use.
enum class ControlFont { window, panel };

struct FormControl {
    std::string_view name;
    FormControlKind kind;
    std::string_view parent; // empty for the window itself; the window's client area otherwise
    int left = 0;
    int top = 0;
    int width = 0; // a label's 0: as wide as its text
    int height = 0;
    std::string_view caption;
    std::string_view hint;
    // What a screen reader says; empty where the caption says it already.
    std::string_view accessible_name;
    // Toggle buttons of one group exclude each other; 0 for none.
    int group = 0;
    std::optional<Glyph> glyph;
    ControlFont font = ControlFont::window;
};

// Every control in the order they are created; those a user can reach with Tab come in the Tab
// order, the board last.
std::span<const FormControl> form_controls();
// The control of this form name, or nullptr.
const FormControl* form_control(std::string_view name);
// The labels that show the readout, top to bottom: x, y, V, Ex, Ey.
std::span<const std::string_view> readout_label_names();

// The window held upright on a phone: the board across the top, the panel's groups below it in
// two columns. The window's own entry gives its size; the others their place in it.
struct NarrowPlace {
    std::string_view name;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
std::span<const NarrowPlace> narrow_layout();

// The measurement panel ("Pomiary"): a window of its own beside the main one on the desktop, a
// box beside or below it on the page. Its first entry is the panel itself; the others sit in it,
// in the Tab order.
std::span<const FormControl> panel_controls();
const FormControl* panel_control(std::string_view name);
inline constexpr std::string_view panel_name = "measurement_panel";
// The plot along the pair's segment, a window of its own beside the panel, opened from the
// panel's "Wykres"; its first entry is the window itself.
std::span<const FormControl> plot_controls();
const FormControl* plot_control(std::string_view name);
inline constexpr std::string_view plot_window_name = "plot_window";

// "Zapisz pomiar" from anywhere in either window.
inline constexpr std::string_view record_shortcut = "Ctrl+Return";

struct MenuItem {
    std::string_view name;
    std::string_view parent; // the submenu it sits in; empty for an entry of the bar itself
    // "&" marks the accelerator letter.
    std::string_view caption;
    bool submenu = false;
    // A key that runs the item from anywhere in the window, as "Ctrl+M"; empty for none.
    std::string_view shortcut = {};
};

// The menu bar's own name, for a screen that names it as it names the controls.
inline constexpr std::string_view menu_bar_name = "menu_bar";

// The menu bar left to right, each submenu followed by its items.
std::span<const MenuItem> menu_items();

// A control's or a menu item's words in another language than the Polish of the tables above,
// by its form name; a menu item has only a caption.
struct FormWords {
    std::string_view name;
    std::string_view caption;
    std::string_view hint = {};
    std::string_view accessible_name = {};
};
// Every control and menu item of the form in the language; empty for Polish, whose words are
// the form's own.
std::span<const FormWords> form_words(Language language);
std::span<const FormWords> ukrainian_form_words();
std::span<const FormWords> english_form_words();
// A control's or menu item's words as the language says them; the Polish ones where a table
// lacks the name.
FormWords form_texts(const FormControl& control, Language language);
FormWords form_texts(const MenuItem& item, Language language);
