#pragma once

#include "dialogs/script_metrics.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

// What the two help dialogs show, as plain data every shell lays out the same way: places and
// sizes in pixels of the client area, fonts as a family role and a character height in pixels,
// texts in UTF-8.

struct Colour {
    int red;
    int green;
    int blue;
    friend bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour ink_black{0, 0, 0};
inline constexpr Colour ink_blue{0, 0, 255};
inline constexpr Colour ink_red{255, 0, 0};

// The face a font asks for; each shell maps a role to that face and its stand-ins.
enum class FontRole {
    dialog, // MS Sans Serif
    sans,   // Arial
    serif,  // Times New Roman
    heavy,  // Arial Black
};

// The faces of a role, tried in order: the face it was laid out for first, then its metric
// twin, then a plain face of the same kind, so every screen resolves the same fonts.
std::span<const std::string_view> font_families(FontRole role);

// Weights on the common 100..900 scale.
inline constexpr int weight_normal = 400;
inline constexpr int weight_bold = 700;

struct FontSpec {
    FontRole role;
    int pixels;
    int weight = weight_normal;
    bool underline = false;
};

enum class ControlKind {
    picture,   // the decorative strip down the left edge
    label,     // one line of text
    bevel,     // only its bottom line is drawn
    rich_text, // read-only formatted text with a vertical scroll bar: the description runs
    memo,      // read-only plain text, wrapped, on the colour of button faces
    button,    // the default "OK" button, closing the dialog with the result OK
};

struct Control {
    std::string_view name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    std::string_view text = {};
    std::optional<FontSpec> font = {}; // none: the dialog's font
    std::optional<Colour> colour = {}; // none: the usual text colour
    std::string_view hint = {};        // shown when the pointer rests on the control
    bool grows = false;                // the width is a least one: wider faces are never cut
};

struct DialogContent {
    std::string_view class_name;
    std::string_view caption;
    int width; // client area
    int height;
    FontSpec font;
    // In tab order; the first holds the focus when the dialog opens.
    std::vector<Control> controls;
};

// The languages the dialogs are written in, by the codes the window's catalogue gives them ("pl",
// "uk", "en"); any other code reads Polish.
inline constexpr std::string_view dialogs_default_language = "pl";

// "Opis programu" and "O programie", in a language.
const DialogContent& description_dialog(std::string_view language = dialogs_default_language);
const DialogContent& about_dialog(std::string_view language = dialogs_default_language);

// Style bits of a run.
enum TextStyle : int { style_bold = 1, style_italic = 2, style_underline = 4 };

// One run of the description with the attributes it is written with.
struct DescriptionRun {
    std::string_view text;
    Colour colour = ink_black;
    int style = 0; // TextStyle bits
    ScriptMode script = ScriptMode::normal;
    bool starts_paragraph = false;
};

// The description, run by run in the order it is written into the view.
const std::vector<DescriptionRun>&
description_runs(std::string_view language = dialogs_default_language);
// The same page in Ukrainian and in English: the same paragraphs and formats, written as each
// language's physics teachers say it.
const std::vector<DescriptionRun>& ukrainian_description_runs();
const std::vector<DescriptionRun>& english_description_runs();

// The decorative strip down both dialogs' left edge as shapes, so that every shell paints the
// same strip: a vertical gradient, white curves of a dipole's field, the two charges with signs.
struct StripStop {
    double at; // 0 at the top, 1 at the bottom
    Colour colour;
};
// A white cubic curve, 1 pixel wide; a straight line has its control points at its ends.
struct StripCurve {
    double from_x, from_y, first_x, first_y, second_x, second_y, to_x, to_y;
    int alpha;
};
struct StripCharge {
    double x;
    double y;
    bool positive;
};
struct SideStrip {
    int width;
    int height;
    std::vector<StripStop> gradient;
    std::vector<StripCurve> curves;
    std::vector<StripCharge> charges;
    Colour positive;
    Colour negative;
    double charge_radius; // the disc, ringed in white
    double ring_width;
    double sign_half; // half the length of a sign's bar, drawn white
    double sign_width;
};
const SideStrip& side_strip();
