#include "app/traced_lines.h"

#include "render/drawing_buffers.h"
#include "render/field_lines.h"

#include <cstddef>
#include <memory>

std::vector<int> charge_numbers(const ChargeSet& charges) {
    std::vector<int> numbers;
    for (const Charge& c : charges.stored()) numbers.insert(numbers.end(), {c.x, c.y, c.sign});
    return numbers;
}

ChargeSet charges_from_numbers(std::span<const int> numbers) {
    ChargeSet charges;
    if (numbers.size() % 3 != 0 || numbers.size() / 3 > static_cast<std::size_t>(max_charges))
        return charges;
    for (std::size_t i = 0; i < numbers.size(); i += 3)
        charges.append({numbers[i], numbers[i + 1], numbers[i + 2]});
    return charges;
}

LineTracer::LineTracer() : buffers_(std::make_unique<DrawingBuffers>()) {}

LineTracer::~LineTracer() = default;

std::vector<int> LineTracer::traced_lines(const ChargeSet& charges) {
    trace_field_line_family(charges, *buffers_);
    const std::size_t passes = charges.stored().size() * 10;
    std::size_t length = 1 + passes;
    for (std::size_t pass = 0; pass < passes; ++pass) length += 2 * buffers_->passes[pass].size();
    std::vector<int> list(length);
    std::size_t at = 0;
    list[at++] = static_cast<int>(passes);
    for (std::size_t pass = 0; pass < passes; ++pass) {
        const std::vector<BoardPoint>& points = buffers_->passes[pass];
        list[at++] = static_cast<int>(points.size());
        for (const BoardPoint& p : points) {
            list[at++] = p.x;
            list[at++] = p.y;
        }
    }
    return list;
}

bool read_traced_lines(std::span<const int> list, int charges, DrawingBuffers& buffers) {
    const std::size_t passes = static_cast<std::size_t>(charges) * 10;
    if (charges < 0 || charges > max_charges || list.empty() || list[0] != static_cast<int>(passes))
        return false;
    // Checked whole before a pass is touched.
    std::size_t at = 1;
    for (std::size_t pass = 0; pass < passes; ++pass) {
        if (at >= list.size() || list[at] < 0 ||
            static_cast<std::size_t>(list[at]) > (list.size() - at - 1) / 2)
            return false;
        at += 1 + 2 * static_cast<std::size_t>(list[at]);
    }
    if (at != list.size()) return false;
    at = 1;
    for (std::size_t pass = 0; pass < passes; ++pass) {
        std::vector<BoardPoint>& points = buffers.passes[pass];
        points.resize(static_cast<std::size_t>(list[at++]));
        for (BoardPoint& p : points) {
            p = {list[at], list[at + 1]};
            at += 2;
        }
    }
    return true;
}
