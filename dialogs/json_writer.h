#pragma once

#include <string>
#include <string_view>
#include <utility>

// JSON written value by value, the commas placed by the writer: the one writer of the tables the
// program hands to its page (the form, the help dialogs).

// The text as a JSON string with its quotation marks; UTF-8 passes through unchanged.
inline std::string json_string(std::string_view text) {
    constexpr std::string_view hex = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xf];
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

class JsonWriter {
  public:
    JsonWriter& open_object() { return value("{").opened(); }
    JsonWriter& close_object() { return closed("}"); }
    JsonWriter& open_array() { return value("[").opened(); }
    JsonWriter& close_array() { return closed("]"); }
    // The member name of the value that follows.
    JsonWriter& key(std::string_view name) {
        separate();
        out_ += json_string(name);
        out_ += ':';
        after_key_ = true;
        return *this;
    }
    JsonWriter& string(std::string_view text) { return value(json_string(text)); }
    JsonWriter& number(long long n) { return value(std::to_string(n)); }
    JsonWriter& boolean(bool b) { return value(b ? "true" : "false"); }
    JsonWriter& null() { return value("null"); }
    // A number already written as JSON text.
    JsonWriter& raw_number(std::string_view text) { return value(text); }
    // A member of any of these kinds in one call.
    JsonWriter& member(std::string_view name, std::string_view text) {
        return key(name).string(text);
    }
    JsonWriter& member(std::string_view name, const char* text) { return key(name).string(text); }
    JsonWriter& member(std::string_view name, int n) { return key(name).number(n); }
    JsonWriter& member(std::string_view name, bool b) { return key(name).boolean(b); }
    const std::string& text() const { return out_; }

  private:
    JsonWriter& value(std::string_view piece) {
        if (!std::exchange(after_key_, false)) separate();
        out_ += piece;
        return *this;
    }
    JsonWriter& opened() {
        first_ = true;
        return *this;
    }
    JsonWriter& closed(std::string_view piece) {
        out_ += piece;
        first_ = false;
        return *this;
    }
    void separate() {
        if (!std::exchange(first_, false)) out_ += ',';
    }

    std::string out_;
    bool first_ = true;
    bool after_key_ = false;
};
