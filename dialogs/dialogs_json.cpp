#include "dialogs/dialogs_json.h"

#include "dialogs/dialog_content.h"

#include <array>
#include <string>

std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr std::string_view hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[static_cast<unsigned char>(c) >> 4];
                out += hex[static_cast<unsigned char>(c) & 0xf];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

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

// Appends pieces of JSON one after another.
class Json {
  public:
    Json& raw(std::string_view piece) {
        out_ += piece;
        return *this;
    }
    Json& number(int value) { return raw(std::to_string(value)); }
    Json& boolean(bool value) { return raw(value ? "true" : "false"); }
    Json& string(std::string_view text) { return raw(json_string(text)); }
    Json& colour(const Colour& c) {
        return raw("[").number(c.red).raw(",").number(c.green).raw(",").number(c.blue).raw("]");
    }
    Json& font(const FontSpec& f) {
        return raw(R"({"role":")")
            .raw(role_name(f.role))
            .raw(R"(","pixels":)")
            .number(f.pixels)
            .raw(R"(,"weight":)")
            .number(f.weight)
            .raw(R"(,"underline":)")
            .boolean(f.underline)
            .raw("}");
    }
    Json& control(const Control& c) {
        raw(R"({"name":)").string(c.name).raw(R"(,"kind":")").raw(kind_name(c.kind));
        raw(R"(","left":)").number(c.left).raw(R"(,"top":)").number(c.top);
        raw(R"(,"width":)").number(c.width).raw(R"(,"height":)").number(c.height);
        raw(R"(,"text":)").string(c.text).raw(R"(,"font":)");
        c.font ? font(*c.font) : raw("null");
        raw(R"(,"colour":)");
        c.colour ? colour(*c.colour) : raw("null");
        return raw(R"(,"hint":)").string(c.hint).raw(R"(,"grows":)").boolean(c.grows).raw("}");
    }
    Json& run(const DescriptionRun& r) {
        raw(R"({"text":)").string(r.text).raw(R"(,"colour":)").colour(r.colour);
        raw(R"(,"bold":)").boolean((r.style & style_bold) != 0);
        raw(R"(,"italic":)").boolean((r.style & style_italic) != 0);
        raw(R"(,"underline":)").boolean((r.style & style_underline) != 0);
        raw(R"(,"script":)").number(static_cast<int>(r.script));
        return raw(R"(,"paragraph":)").boolean(r.starts_paragraph).raw("}");
    }
    // A dialog's object, left open for the members that follow.
    Json& dialog(const DialogContent& d) {
        raw(R"({"class":)").string(d.class_name).raw(R"(,"caption":)").string(d.caption);
        raw(R"(,"width":)").number(d.width).raw(R"(,"height":)").number(d.height);
        raw(R"(,"font":)").font(d.font).raw(R"(,"controls":[)");
        for (std::size_t i = 0; i < d.controls.size(); ++i) {
            if (i > 0) raw(",");
            control(d.controls[i]);
        }
        return raw("]");
    }
    std::string text() const { return out_; }

  private:
    std::string out_;
};

} // namespace

std::string help_dialogs_json() {
    Json json;
    json.raw(R"({"description":)").dialog(description_dialog()).raw(R"(,"runs":[)");
    const std::vector<DescriptionRun>& runs = description_runs();
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (i > 0) json.raw(",");
        json.run(runs[i]);
    }
    json.raw(R"(]},"about":)").dialog(about_dialog()).raw("}");
    // Each role's faces in order, for the page's font stacks.
    json.raw(R"(,"families":{)");
    for (int role = 0; role < 4; ++role) {
        const auto r = static_cast<FontRole>(role);
        json.raw(role > 0 ? "," : "").string(role_name(r)).raw(":[");
        const auto faces = font_families(r);
        for (std::size_t i = 0; i < faces.size(); ++i) json.raw(i > 0 ? "," : "").string(faces[i]);
        json.raw("]");
    }
    json.raw("}}");
    return json.text();
}
