#include "render/canvas.h"

#include <algorithm>
#include <cstdlib>

Canvas::Canvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), white) {}

void Canvas::fill_span(int y, int x0, int x1, Rgb c) {
    if (y < 0 || y >= height_) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width_ - 1);
    if (x0 > x1) return;
    std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(index(x0, y)),
              pixels_.begin() + static_cast<std::ptrdiff_t>(index(x1, y)) + 1, c);
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    // A box off the surface draws nothing, and its far edges could overflow below.
    if (right <= 0 || left >= width_ || bottom <= 0 || top >= height_) return;
    const long long w = std::min<long long>(
        {pen_width_, static_cast<long long>(right) - left, static_cast<long long>(bottom) - top});
    const int y_first = std::max(top, 0);
    const int y_last = std::min(bottom, height_);
    for (int y = y_first; y < y_last; ++y) {
        const bool edge_row = y < top + w || y >= bottom - w;
        if (edge_row) {
            fill_span(y, left, right - 1, pen_color_);
        } else {
            const int wi = static_cast<int>(w);
            fill_span(y, left, left + wi - 1, pen_color_);
            fill_span(y, left + wi, right - wi - 1, brush_color_);
            fill_span(y, right - wi, right - 1, pen_color_);
        }
    }
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right == left || bottom == top) return;
    // A pixel belongs to the figure when its centre lies inside the inscribed ellipse; it is
    // outline when a four-neighbour does not, or when it is within the pen width of the edge.
    const double cx = (static_cast<double>(left) + right) / 2.0;
    const double cy = (static_cast<double>(top) + bottom) / 2.0;
    const double ax = (static_cast<double>(right) - left) / 2.0;
    const double ay = (static_cast<double>(bottom) - top) / 2.0;
    auto inside = [&](int x, int y) {
        const double u = (x + 0.5 - cx) / ax;
        const double v = (y + 0.5 - cy) / ay;
        return u * u + v * v <= 1.0;
    };
    const int w = pen_width_;
    const int x_first = std::max(left, 0);
    const int x_last = std::min(right, width_);
    const int y_first = std::max(top, 0);
    const int y_last = std::min(bottom, height_);
    for (int y = y_first; y < y_last; ++y) {
        for (int x = x_first; x < x_last; ++x) {
            if (!inside(x, y)) continue;
            bool outline = false;
            for (int k = 1; k <= w && !outline; ++k)
                outline = !inside(x - k, y) || !inside(x + k, y) || !inside(x, y - k) ||
                          !inside(x, y + k);
            set_pixel(x, y, outline ? pen_color_ : brush_color_);
        }
    }
}

void Canvas::move_to(int x, int y) {
    pen_x_ = x;
    pen_y_ = y;
}

void Canvas::pen_dot(int x, int y) {
    // A wide pen paints a square whose top-left pixel lies on the line.
    for (int dy = 0; dy < pen_width_; ++dy)
        for (int dx = 0; dx < pen_width_; ++dx) set_pixel(x + dx, y + dy, pen_color_);
}

void Canvas::line_to(int x1, int y1) {
    const int x0 = pen_x_;
    const int y0 = pen_y_;
    move_to(x1, y1);
    // A step to a neighbouring pixel (a field line's every step) paints its start alone, as the
    // walk below would.
    const long long step_x = static_cast<long long>(x1) - x0;
    const long long step_y = static_cast<long long>(y1) - y0;
    if (step_x >= -1 && step_x <= 1 && step_y >= -1 && step_y <= 1) {
        if (x1 != x0 || y1 != y0) pen_dot(x0, y0);
        return;
    }
    // Bresenham along the major axis; the end point itself is not painted.
    const bool x_major =
        std::llabs(static_cast<long long>(x1) - x0) >= std::llabs(static_cast<long long>(y1) - y0);
    const long long a0 = x_major ? x0 : y0; // major axis
    const long long a1 = x_major ? x1 : y1;
    const long long b0 = x_major ? y0 : x0; // minor axis
    const long long b1 = x_major ? y1 : x1;
    const long long major = std::llabs(a1 - a0);
    const long long minor = std::llabs(b1 - b0);
    if (major == 0) return;
    const int sa = a0 < a1 ? 1 : -1;
    const int sb = b0 < b1 ? 1 : -1;
    // A dot at c covers c .. c + pen_width - 1, so only these coordinates can reach the surface.
    const long long a_lo = 1 - pen_width_;
    const long long a_hi = (x_major ? width_ : height_) - 1;
    const long long b_lo = 1 - pen_width_;
    const long long b_hi = (x_major ? height_ : width_) - 1;
    // Walk only the steps whose major coordinate can paint, so far-off ends cost nothing.
    long long first = sa > 0 ? a_lo - a0 : a0 - a_hi;
    long long last = sa > 0 ? a_hi - a0 : a0 - a_lo;
    first = std::max(first, 0LL);
    last = std::min(last, major - 1);
    if (first > last) return;
    // Minor steps taken before step i: ceil((2 minor i - major) / (2 major)), and the error term
    // there; minor * i is split by major so that nothing leaves 64 bits.
    const unsigned long long um = static_cast<unsigned long long>(major);
    const unsigned long long prod =
        static_cast<unsigned long long>(minor) * static_cast<unsigned long long>(first);
    const unsigned long long rem = prod % um;
    const unsigned long long frac = (2 * rem + um - 1) / (2 * um);
    const long long steps = static_cast<long long>(prod / um + frac);
    long long err = 2 * static_cast<long long>(rem) + 2 * minor - major -
                    2 * major * static_cast<long long>(frac);
    long long a = a0 + sa * first;
    long long b = b0 + sb * steps;
    for (long long i = first; i <= last; ++i) {
        if (b >= b_lo && b <= b_hi) {
            const int ia = static_cast<int>(a);
            const int ib = static_cast<int>(b);
            if (x_major)
                pen_dot(ia, ib);
            else
                pen_dot(ib, ia);
        }
        if (err > 0) {
            b += sb;
            err -= 2 * major;
        }
        err += 2 * minor;
        a += sa;
    }
}

void Canvas::draw(const Canvas& src) {
    const int w = std::min(width_, src.width_);
    const int h = std::min(height_, src.height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(src.pixels_.begin() + static_cast<std::ptrdiff_t>(src.index(0, y)), w,
                    pixels_.begin() + static_cast<std::ptrdiff_t>(index(0, y)));
}
