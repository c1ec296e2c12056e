#include "app/setup.h"

#include <utility>

namespace {

// An error names its token by at most this many bytes: enough to find it, never a whole input.
constexpr std::size_t quoted_token_limit = 32;
constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && is_space(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_space(s.back())) s.remove_suffix(1);
    return s;
}

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Every %XX escape replaced by its byte; a "%" that starts no escape stays as it is.
std::string unescaped(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 2 < s.size() && hex_digit(s[i + 1]) >= 0 &&
            hex_digit(s[i + 2]) >= 0) {
            out += static_cast<char>(hex_digit(s[i + 1]) * 16 + hex_digit(s[i + 2]));
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

std::string quoted(std::string_view token) {
    std::string out(token.substr(0, quoted_token_limit));
    for (char& c : out)
        if (c < 0x20 || c > 0x7E) c = '?';
    return out;
}

// An optional sign and one to nine digits: any such number fits an int.
std::optional<int> coordinate(std::string_view s) {
    s = trimmed(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 9) return std::nullopt;
    int value = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

struct Point {
    int x = 0;
    int y = 0;
};

std::optional<Point> point(std::string_view s) {
    const std::size_t comma = s.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<int> x = coordinate(s.substr(0, comma));
    const std::optional<int> y = coordinate(s.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return Point{*x, *y};
}

bool within_limits(int x, int y) {
    return x >= -setup_board_limit && x <= setup_board_limit && y >= -setup_board_limit &&
           y <= setup_board_limit;
}

enum class Version { none, ours, newer };

// "v" and a number without leading zeros; any number above ours is a newer program's.
Version version_of(std::string_view token) {
    if (token.size() < 2 || token.front() != 'v' || token[1] == '0') return Version::none;
    for (const char c : token.substr(1))
        if (c < '0' || c > '9') return Version::none;
    return token.substr(1) == std::to_string(setup_version) ? Version::ours : Version::newer;
}

bool takes_point(StepKind kind) {
    return is_charge(kind) || kind == StepKind::equipotential_at || kind == StepKind::field_line_at;
}

// Each kind of step and the letter that starts its token.
constexpr std::pair<StepKind, char> step_letters[] = {
    {StepKind::positive_charge, 'p'}, {StepKind::negative_charge, 'n'},
    {StepKind::colour_map, 'V'},      {StepKind::equipotentials, 'E'},
    {StepKind::field_lines, 'F'},     {StepKind::equipotential_at, 'e'},
    {StepKind::field_line_at, 'f'},
};

std::optional<StepKind> step_kind(char letter) {
    for (const auto& [kind, l] : step_letters)
        if (l == letter) return kind;
    return std::nullopt;
}

char step_letter(StepKind kind) {
    for (const auto& [k, letter] : step_letters)
        if (k == kind) return letter;
    return '?'; // a value outside the enumeration: written so that it reads back as damaged
}

void append_point(std::string& out, int x, int y) {
    out += std::to_string(x);
    out += ',';
    out += std::to_string(y);
}

std::string grid_token(const SetupCharge& charge) {
    std::string token = charge.sign > 0 ? "gp" : "gn";
    append_point(token, charge.x, charge.y);
    return token;
}

std::string point_token(int index, const MeasuringPoint& point) {
    std::string token = "m";
    token += point_letter(index);
    append_point(token, point.x, point.y);
    return token;
}

std::string step_token(const Step& step) {
    std::string token(1, step_letter(step.kind));
    if (takes_point(step.kind)) append_point(token, step.x, step.y);
    return token;
}

// Reads the tokens after the version one by one, keeping the order the text must follow.
class Reader {
  public:
    explicit Reader(SetupResult& result) : result_(result) {}

    // False when the token stops the reading; the result then says why.
    bool read(std::size_t number, std::string_view token) {
        number_ = number;
        token_ = token;
        if (token.empty()) return true;
        if (token.front() == 'g') return read_grid_source(token.substr(1));
        if (token.front() == 'm') return read_point(token.substr(1));
        const std::optional<StepKind> kind = step_kind(token.front());
        if (!kind) return fail(SetupError::damaged);
        Step step{*kind};
        if (takes_point(*kind)) {
            const std::optional<Point> at = point(token.substr(1));
            if (!at) return fail(SetupError::damaged);
            if (!within_limits(at->x, at->y)) return fail_at(*at);
            step.x = at->x;
            step.y = at->y;
        } else if (token.size() > 1) {
            return fail(SetupError::damaged);
        }
        if (is_charge(*kind) && ++charges_ > setup_max_charges)
            return fail(SetupError::too_many_charges);
        if (setup().steps.size() == setup_max_steps) return fail(SetupError::too_long);
        setup().steps.push_back(step);
        return true;
    }

  private:
    Setup& setup() { return result_.setup; }

    // "g" alone, or "gpX,Y" / "gnX,Y" each, and only before the first step.
    bool read_grid_source(std::string_view rest) {
        auto& source = setup().grid_source;
        if (!setup().steps.empty() || bare_grid_source_) return fail(SetupError::damaged);
        if (rest.empty()) {
            if (source) return fail(SetupError::damaged);
            source.emplace();
            bare_grid_source_ = true;
            return true;
        }
        if (rest.front() != 'p' && rest.front() != 'n') return fail(SetupError::damaged);
        const std::optional<Point> at = point(rest.substr(1));
        if (!at) return fail(SetupError::damaged);
        if (!within_limits(at->x, at->y)) return fail_at(*at);
        if (!source) source.emplace();
        if (source->size() == setup_max_charges) return fail(SetupError::too_many_charges);
        source->push_back({at->x, at->y, rest.front() == 'p' ? 1 : -1});
        return true;
    }

    // "mAX,Y": a measuring point, each letter at most once, anywhere after the version.
    bool read_point(std::string_view rest) {
        if (rest.empty() || rest.front() < 'A' ||
            rest.front() > point_letter(max_measuring_points - 1))
            return fail(SetupError::damaged);
        const std::optional<Point> at = point(rest.substr(1));
        if (!at) return fail(SetupError::damaged);
        if (!within_limits(at->x, at->y)) return fail_at(*at);
        auto& slot = setup().points.at(point_index(rest.front()));
        if (slot) return fail(SetupError::damaged);
        slot = MeasuringPoint{at->x, at->y};
        return true;
    }

    bool fail(SetupError error) {
        result_.error = error;
        result_.token_number = number_;
        result_.token = quoted(token_);
        result_.setup = {};
        return false;
    }

    bool fail_at(Point at) {
        result_.x = at.x;
        result_.y = at.y;
        return fail(SetupError::point_off_board);
    }

    SetupResult& result_;
    std::size_t number_ = 0;
    std::string_view token_;
    int charges_ = 0;
    bool bare_grid_source_ = false;
};

SetupResult failure(SetupError error) {
    SetupResult result;
    result.error = error;
    return result;
}

} // namespace

std::string write_setup(const Setup& setup) {
    // Appended piece by piece, which GCC 12 does not mistake for an overlapping copy.
    std::string text = "v";
    text += std::to_string(setup_version);
    if (setup.grid_source && setup.grid_source->empty()) text += ";g";
    if (setup.grid_source)
        for (const SetupCharge& charge : *setup.grid_source) {
            text += ';';
            text += grid_token(charge);
        }
    for (const Step& step : setup.steps) {
        text += ';';
        text += step_token(step);
    }
    for (int i = 0; i < max_measuring_points; ++i)
        if (const auto& point = setup.points.at(i)) {
            text += ';';
            text += point_token(i, *point);
        }
    return text;
}

SetupResult read_setup(std::string_view text) {
    if (text.size() > setup_max_text) return failure(SetupError::too_long);
    if (text.starts_with(byte_order_mark)) text.remove_prefix(byte_order_mark.size());
    // A whole link: the setup is its fragment.
    if (const std::size_t hash = text.find('#'); hash != std::string_view::npos)
        text.remove_prefix(hash + 1);
    const std::string plain = unescaped(text);
    std::string_view rest = trimmed(plain);
    if (rest.empty()) return failure(SetupError::empty);

    SetupResult result;
    Reader reader(result);
    for (std::size_t number = 1;; ++number) {
        const std::size_t end = rest.find(';');
        const std::string_view token = trimmed(rest.substr(0, end));
        if (number == 1) {
            const Version version = version_of(token);
            if (version == Version::none) return failure(SetupError::not_a_setup);
            if (version == Version::newer) return failure(SetupError::newer_version);
        } else if (!reader.read(number, token)) {
            return result;
        }
        if (end == std::string_view::npos) return result;
        rest.remove_prefix(end + 1);
    }
}

SetupResult check_setup(const Setup& setup) {
    SetupResult result;
    std::size_t number = 1;
    const auto fail = [&](SetupError error, const std::string& token) {
        result.error = error;
        result.token_number = number;
        result.token = quoted(token);
        return result;
    };
    const auto off_board = [&](int x, int y, const std::string& token) {
        result.x = x;
        result.y = y;
        return fail(SetupError::point_off_board, token);
    };
    if (setup.grid_source && setup.grid_source->empty()) ++number;
    if (setup.grid_source) {
        for (std::size_t i = 0; i < setup.grid_source->size(); ++i) {
            const SetupCharge& charge = (*setup.grid_source)[i];
            ++number;
            if (charge.sign != 1 && charge.sign != -1)
                return fail(SetupError::damaged, grid_token(charge));
            if (!within_limits(charge.x, charge.y))
                return off_board(charge.x, charge.y, grid_token(charge));
            if (i == setup_max_charges)
                return fail(SetupError::too_many_charges, grid_token(charge));
        }
    }
    int charges = 0;
    for (std::size_t i = 0; i < setup.steps.size(); ++i) {
        const Step& step = setup.steps[i];
        ++number;
        if (step_letter(step.kind) == '?' ||
            (!takes_point(step.kind) && (step.x != 0 || step.y != 0)))
            return fail(SetupError::damaged, step_token(step));
        if (takes_point(step.kind) && !within_limits(step.x, step.y))
            return off_board(step.x, step.y, step_token(step));
        if (is_charge(step.kind) && ++charges > setup_max_charges)
            return fail(SetupError::too_many_charges, step_token(step));
        if (i == setup_max_steps) return fail(SetupError::too_long, step_token(step));
    }
    for (int i = 0; i < max_measuring_points; ++i)
        if (const auto& point = setup.points.at(i)) {
            ++number;
            if (!within_limits(point->x, point->y))
                return off_board(point->x, point->y, point_token(i, *point));
        }
    return result;
}
