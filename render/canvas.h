#pragma once

#include <cstdint>
#include <vector>

// A colour as 0xffRRGGBB, the layout of a 32-bit RGB image row.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int r, int g, int b) {
    return 0xff000000u | (static_cast<Rgb>(r & 0xff) << 16) | (static_cast<Rgb>(g & 0xff) << 8) |
           static_cast<Rgb>(b & 0xff);
}
constexpr int red_of(Rgb c) {
    return static_cast<int>((c >> 16) & 0xff);
}
constexpr int green_of(Rgb c) {
    return static_cast<int>((c >> 8) & 0xff);
}
constexpr int blue_of(Rgb c) {
    return static_cast<int>(c & 0xff);
}

inline constexpr Rgb white = rgb(255, 255, 255);
inline constexpr Rgb black = rgb(0, 0, 0);

// A raster surface with a persistent pen and brush. Boxes are (left, top, right, bottom) with
// right and bottom excluded; a line paints its start and stops one pixel short of its end;
// anything off the surface is clipped.
class Canvas {
  public:
    // A new surface is white, with a black one-pixel pen and a white brush.
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // Row-major pixels, width() per row.
    const Rgb* data() const { return pixels_.data(); }
    Rgb* data() { return pixels_.data(); }

    Rgb pen_color() const { return pen_color_; }
    int pen_width() const { return pen_width_; }
    Rgb brush_color() const { return brush_color_; }
    void set_pen_color(Rgb c) { pen_color_ = c; }
    // Widths beyond max_pen_width are drawn at that width.
    void set_pen_width(int w) { pen_width_ = w < 1 ? 1 : (w > max_pen_width ? max_pen_width : w); }
    static constexpr int max_pen_width = 64;
    void set_brush_color(Rgb c) { brush_color_ = c; }

    // Interior in the brush, outline in the pen.
    void rectangle(int left, int top, int right, int bottom);
    // The ellipse inscribed in the box, filled with the brush and outlined with the pen.
    void ellipse(int left, int top, int right, int bottom);
    void move_to(int x, int y);
    void line_to(int x, int y);
    int pen_x() const { return pen_x_; }
    int pen_y() const { return pen_y_; }

    void set_pixel(int x, int y, Rgb c) {
        if (contains(x, y)) pixels_[index(x, y)] = c;
    }
    // White for a pixel off the surface.
    Rgb pixel(int x, int y) const { return contains(x, y) ? pixels_[index(x, y)] : white; }
    bool contains(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

    // Copies src with its top-left corner at (0, 0), clipped to this surface.
    void draw(const Canvas& src);

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    void fill_span(int y, int x0, int x1, Rgb c); // x0..x1 inclusive, clipped
    void pen_dot(int x, int y);

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
    Rgb pen_color_ = black;
    int pen_width_ = 1;
    Rgb brush_color_ = white;
    int pen_x_ = 0;
    int pen_y_ = 0;
};
