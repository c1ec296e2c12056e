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
    // Coordinates this far off any surface can paint nothing worth the walk.
    constexpr long long far = 1 << 24;
    if (std::llabs(x0) > far || std::llabs(y0) > far || std::llabs(x1) > far ||
        std::llabs(y1) > far)
        return;
    long long x = x0;
    long long y = y0;
    const long long dx = std::llabs(static_cast<long long>(x1) - x0);
    const long long dy = std::llabs(static_cast<long long>(y1) - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    // Bresenham along the major axis; the end point itself is not painted.
    const bool x_major = dx >= dy;
    const long long major = x_major ? dx : dy;
    const long long minor = x_major ? dy : dx;
    long long err = 2 * minor - major;
    for (long long i = 0; i < major; ++i) {
        pen_dot(static_cast<int>(x), static_cast<int>(y));
        if (err > 0) {
            if (x_major)
                y += sy;
            else
                x += sx;
            err -= 2 * major;
        }
        err += 2 * minor;
        if (x_major)
            x += sx;
        else
            y += sy;
    }
}

void Canvas::draw(const Canvas& src) {
    const int w = std::min(width_, src.width_);
    const int h = std::min(height_, src.height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(src.pixels_.begin() + static_cast<std::ptrdiff_t>(src.index(0, y)), w,
                    pixels_.begin() + static_cast<std::ptrdiff_t>(index(0, y)));
}
