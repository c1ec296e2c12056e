#include "dialogs/dialogs_json.h"

#include "dialogs/dialog_content.h"
#include "dialogs/json_writer.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

std::string_view role_name(FontRole role) {
    constexpr std::array<std::string_view, 4> names = {"dialog", "sans", "serif", "heavy"};
    return names[static_cast<std::size_t>(role)];
}

std::string_view kind_name(ControlKind kind) {
    constexpr std::array<std::string_view, 6> names = {"picture",   "label", "bevel",
                                                       "rich_text", "memo",  "button"};
    return names[static_cast<std::size_t>(kind)];
}

void write(JsonWriter& json, const Colour& c) {
    json.open_array().number(c.red).number(c.green).number(c.blue).close_array();
}

void write(JsonWriter& json, const FontSpec& f) {
    json.open_object().member("role", role_name(f.role)).member("pixels", f.pixels);
    json.member("weight", f.weight).member("underline", f.underline).close_object();
}

void write(JsonWriter& json, const Control& c) {
    json.open_object().member("name", c.name).member("kind", kind_name(c.kind));
    json.member("left", c.left).member("top", c.top);
    json.member("width", c.width).member("height", c.height).member("text", c.text).key("font");
    c.font ? write(json, *c.font) : void(json.null());
    json.key("colour");
    c.colour ? write(json, *c.colour) : void(json.null());
    json.member("hint", c.hint).member("grows", c.grows).close_object();
}

void write(JsonWriter& json, const DescriptionRun& r) {
    json.open_object().member("text", r.text).key("colour");
    write(json, r.colour);
    json.member("bold", (r.style & style_bold) != 0);
    json.member("italic", (r.style & style_italic) != 0);
    json.member("underline", (r.style & style_underline) != 0);
    json.member("script", static_cast<int>(r.script));
    json.member("paragraph", r.starts_paragraph).close_object();
}

// A dialog's object, left open for the members that follow.
void open_dialog(JsonWriter& json, const DialogContent& d) {
    json.open_object().member("class", d.class_name).member("caption", d.caption);
    json.member("width", d.width).member("height", d.height).key("font");
    write(json, d.font);
    json.key("controls").open_array();
    for (const Control& c : d.controls) write(json, c);
    json.close_array();
}

// Shapes' places are whole or half pixels; the shortest text that reads back the same double.
void write_place(JsonWriter& json, double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.17g", value);
    json.raw_number(text.data());
}

void write_strip(JsonWriter& json, const SideStrip& s) {
    json.open_object().member("width", s.width).member("height", s.height);
    json.key("gradient").open_array();
    for (const StripStop& stop : s.gradient) {
        json.open_object().key("at");
        write_place(json, stop.at);
        json.key("colour");
        write(json, stop.colour);
        json.close_object();
    }
    json.close_array().key("curves").open_array();
    for (const StripCurve& c : s.curves) {
        json.open_object().key("points").open_array();
        for (const double v :
             {c.from_x, c.from_y, c.first_x, c.first_y, c.second_x, c.second_y, c.to_x, c.to_y})
            write_place(json, v);
        json.close_array().member("alpha", c.alpha).close_object();
    }
    json.close_array().key("charges").open_array();
    for (const StripCharge& c : s.charges) {
        json.open_object().key("x");
        write_place(json, c.x);
        json.key("y");
        write_place(json, c.y);
        json.member("positive", c.positive).close_object();
    }
    json.close_array().key("positive");
    write(json, s.positive);
    json.key("negative");
    write(json, s.negative);
    const std::pair<const char*, double> sizes[] = {{"radius", s.charge_radius},
                                                    {"ring", s.ring_width},
                                                    {"signHalf", s.sign_half},
                                                    {"signWidth", s.sign_width}};
    for (const auto& [name, value] : sizes) {
        json.key(name);
        write_place(json, value);
    }
    json.close_object();
}

} // namespace

std::string help_dialogs_json(std::string_view language) {
    JsonWriter json;
    json.open_object().key("description");
    open_dialog(json, description_dialog(language));
    json.key("runs").open_array();
    for (const DescriptionRun& r : description_runs(language)) write(json, r);
    json.close_array().close_object().key("about");
    open_dialog(json, about_dialog(language));
    json.close_object();
    // Each role's faces in order, for the page's font stacks.
    json.key("families").open_object();
    for (int role = 0; role < 4; ++role) {
        const auto r = static_cast<FontRole>(role);
        json.key(role_name(r)).open_array();
        for (const std::string_view face : font_families(r)) json.string(face);
        json.close_array();
    }
    json.close_object().key("strip");
    write_strip(json, side_strip());
    return json.close_object().text();
}
