#include "render/canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

namespace {

constexpr Rgb red = rgb(255, 0, 0);
constexpr Rgb green = rgb(0, 255, 0);
constexpr Rgb blue = rgb(0, 0, 255);

// Equal surfaces, or the number of differing pixels and the first few of them.
testing::AssertionResult same_pixels(const Canvas& got, const Canvas& want) {
    if (got.width() != want.width() || got.height() != want.height())
        return testing::AssertionFailure() << "sizes differ";
    int differing = 0;
    std::string where;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y) && ++differing <= 8)
                where += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
    if (differing == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ:" << where;
}

// A one-pixel-pen box painted pixel by pixel: outline on its first and last columns and rows.
void paint_box(Canvas& c, int left, int top, int right, int bottom, Rgb pen, Rgb brush) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const bool edge = x == left || x == right - 1 || y == top || y == bottom - 1;
            c.set_pixel(x, y, edge ? pen : brush);
        }
}

void fill(Canvas& c, Rgb colour) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) c.set_pixel(x, y, colour);
}

int painted(const Canvas& c) {
    int n = 0;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) n += c.pixel(x, y) != white;
    return n;
}

} // namespace

TEST(Canvas, StartsWhiteWithBlackOnePixelPenAndWhiteBrush) {
    const Canvas c(7, 5);
    ASSERT_EQ(c.width(), 7);
    ASSERT_EQ(c.height(), 5);
    EXPECT_EQ(painted(c), 0);
    EXPECT_EQ(c.pen_color(), black);
    EXPECT_EQ(c.pen_width(), 1);
    EXPECT_EQ(c.brush_color(), white);
}

TEST(Canvas, NegativeSizeGivesAnEmptySurfaceThatIgnoresDrawing) {
    Canvas c(-3, 4);
    EXPECT_EQ(c.width(), 0);
    c.rectangle(0, 0, 5, 5);
    c.ellipse(0, 0, 5, 5);
    c.move_to(0, 0);
    c.line_to(5, 5);
    c.set_pixel(0, 0, red);
    EXPECT_EQ(c.pixel(0, 0), white);
}

TEST(CanvasRectangle, CoversItsBoxWithoutTheRightColumnAndBottomRow) {
    Canvas c(10, 10);
    c.set_pen_color(red);
    c.set_brush_color(green);
    c.rectangle(2, 3, 6, 8);
    Canvas want(10, 10);
    paint_box(want, 2, 3, 6, 8, red, green);
    EXPECT_TRUE(same_pixels(c, want));
    EXPECT_EQ(c.pixel(5, 7), red);
    EXPECT_EQ(c.pixel(6, 5), white);
    EXPECT_EQ(c.pixel(4, 8), white);
}

TEST(CanvasRectangle, IsClippedAtEachEdgeWithoutWrappingAround) {
    struct Box {
        int left, top, right, bottom;
    };
    for (const Box b : {Box{-3, 2, 3, 5}, Box{4, -6, 7, 2}, Box{7, 6, 14, 9}, Box{1, 8, 5, 30},
                        Box{-5, -5, 15, 15}}) {
        Canvas c(10, 10);
        c.set_pen_color(red);
        c.set_brush_color(green);
        c.rectangle(b.left, b.top, b.right, b.bottom);
        Canvas want(10, 10);
        paint_box(want, b.left, b.top, b.right, b.bottom, red, green);
        EXPECT_TRUE(same_pixels(c, want))
            << b.left << "," << b.top << "," << b.right << "," << b.bottom;
    }
}

TEST(CanvasPenAndBrush, PersistBetweenCallsUntilSet) {
    Canvas c(12, 6);
    c.set_pen_color(blue);
    c.set_brush_color(green);
    c.rectangle(0, 0, 4, 4);
    c.ellipse(4, 0, 8, 4);
    c.move_to(0, 5);
    c.line_to(12, 5);
    c.rectangle(8, 0, 12, 4);
    EXPECT_EQ(c.pen_color(), blue);
    EXPECT_EQ(c.brush_color(), green);
    EXPECT_EQ(c.pen_width(), 1);
    Canvas want(12, 6);
    paint_box(want, 0, 0, 4, 4, blue, green);
    paint_box(want, 8, 0, 12, 4, blue, green);
    for (int x = 0; x < 12; ++x) want.set_pixel(x, 5, blue);
    // The ellipse's own raster is checked elsewhere; here only its colours matter.
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x) {
            const Rgb p = c.pixel(x, y);
            EXPECT_TRUE(p == blue || p == green || p == white) << x << "," << y;
            want.set_pixel(x, y, p);
        }
    EXPECT_EQ(c.pixel(5, 1), green);
    EXPECT_TRUE(same_pixels(c, want));
}

TEST(CanvasLine, PaintsItsStartAndStopsOnePixelShortOfItsEnd) {
    Canvas c(10, 10);
    c.set_pen_color(red);
    c.move_to(1, 1);
    c.line_to(5, 1); // east
    c.move_to(8, 2);
    c.line_to(8, 6); // south
    c.move_to(1, 3);
    c.line_to(5, 7); // diagonal
    c.move_to(6, 9);
    c.line_to(2, 9); // west
    c.move_to(9, 9);
    c.line_to(9, 9); // to its own start: nothing
    c.move_to(6, 6);
    c.line_to(9, 6);
    EXPECT_EQ(c.pen_x(), 9);
    EXPECT_EQ(c.pen_y(), 6);
    c.line_to(9, 8); // a joined segment paints the shared corner once, as its own start
    Canvas want(10, 10);
    for (int x = 6; x <= 9; ++x) want.set_pixel(x, 6, red);
    want.set_pixel(9, 7, red);
    for (int x = 1; x <= 4; ++x) want.set_pixel(x, 1, red);
    for (int y = 2; y <= 5; ++y) want.set_pixel(8, y, red);
    for (int i = 0; i < 4; ++i) want.set_pixel(1 + i, 3 + i, red);
    for (int x = 3; x <= 6; ++x) want.set_pixel(x, 9, red);
    EXPECT_TRUE(same_pixels(c, want));
}

TEST(CanvasLine, SlopedLinesPaintOnePixelPerStepNearTheIdealLine) {
    struct Case {
        int x0, y0, x1, y1;
    };
    // A rounding tolerance: each pixel lies within half a pixel of the exact line, measured
    // across the major axis.
    constexpr double half_pixel = 0.5;
    for (const Case k :
         {Case{0, 0, 11, 4}, Case{11, 8, 0, 1}, Case{2, 0, 5, 9}, Case{9, 9, 6, 0}}) {
        Canvas c(12, 10);
        c.move_to(k.x0, k.y0);
        c.line_to(k.x1, k.y1);
        const int dx = k.x1 - k.x0;
        const int dy = k.y1 - k.y0;
        const bool x_major = std::abs(dx) >= std::abs(dy);
        const int steps = x_major ? std::abs(dx) : std::abs(dy);
        EXPECT_EQ(painted(c), steps);
        for (int i = 0; i < steps; ++i) {
            const int along = x_major ? k.x0 + (dx > 0 ? i : -i) : k.y0 + (dy > 0 ? i : -i);
            const double t = static_cast<double>(i) / steps;
            const double across = x_major ? k.y0 + t * dy : k.x0 + t * dx;
            int hits = 0;
            for (int a = 0; a < (x_major ? 10 : 12); ++a) {
                const Rgb p = x_major ? c.pixel(along, a) : c.pixel(a, along);
                if (p == black) {
                    ++hits;
                    EXPECT_LE(std::abs(a - across), half_pixel) << "step " << i;
                }
            }
            EXPECT_EQ(hits, 1) << "step " << i;
        }
    }
}

TEST(CanvasLine, IsClippedAtEachEdge) {
    Canvas c(10, 10);
    c.set_pen_color(red);
    c.move_to(-5, 4);
    c.line_to(15, 4);
    c.move_to(3, -5);
    c.line_to(3, 15);
    c.move_to(14, 6);
    c.line_to(-6, 6);
    c.move_to(-4, -4);
    c.line_to(14, 14);
    Canvas want(10, 10);
    for (int i = 0; i < 10; ++i) {
        want.set_pixel(i, 4, red);
        want.set_pixel(3, i, red);
        want.set_pixel(i, 6, red);
        want.set_pixel(i, i, red);
    }
    EXPECT_TRUE(same_pixels(c, want));
}

TEST(CanvasLine, WidePenDotsThatStartOffTheSurfaceStillReachIt) {
    Canvas c(5, 5);
    c.set_pen_width(3);
    c.move_to(-10, -1);
    c.line_to(-1, -1); // the last dot, at (-2, -1), covers columns -2..0 and rows -1..1
    Canvas want(5, 5);
    want.set_pixel(0, 0, black);
    want.set_pixel(0, 1, black);
    EXPECT_TRUE(same_pixels(c, want));
}

TEST(CanvasClipping, AbsurdCoordinatesDrawOnlyTheVisiblePart) {
    Canvas c(10, 10);
    c.set_pen_color(red);
    c.set_brush_color(green);
    c.rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    Canvas want(10, 10);
    fill(want, green);
    EXPECT_TRUE(same_pixels(c, want)) << "rectangle";

    c.ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_TRUE(same_pixels(c, want)) << "ellipse";

    c.rectangle(INT_MIN, 0, INT_MIN + 1, 5);
    c.rectangle(INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX);
    c.move_to(INT_MAX, 0);
    c.line_to(INT_MAX - 1000, 3);
    c.set_pen_width(Canvas::max_pen_width);
    c.move_to(INT_MAX - 5, INT_MAX - 5);
    c.line_to(INT_MAX, INT_MAX);
    c.set_pen_width(1);
    EXPECT_TRUE(same_pixels(c, want)) << "wholly off the surface";

    c.move_to(INT_MIN, 5);
    c.line_to(INT_MAX, 5);
    c.move_to(2, INT_MAX);
    c.line_to(2, INT_MIN);
    c.move_to(INT_MAX, INT_MAX);
    c.line_to(INT_MIN, INT_MIN);
    for (int i = 0; i < 10; ++i) {
        want.set_pixel(i, 5, red);
        want.set_pixel(2, i, red);
        want.set_pixel(i, i, red);
    }
    EXPECT_TRUE(same_pixels(c, want)) << "lines through the surface";
    EXPECT_EQ(c.pen_x(), INT_MIN);
    EXPECT_EQ(c.pen_y(), INT_MIN);
}

TEST(CanvasEllipse, IsInscribedInItsBoxAndSymmetric) {
    Canvas c(24, 24);
    c.set_pen_color(red);
    c.set_brush_color(green);
    c.ellipse(2, 2, 22, 22);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool in_box = x >= 2 && x < 22 && y >= 2 && y < 22;
            if (!in_box) {
                EXPECT_EQ(c.pixel(x, y), white) << x << "," << y;
            }
            EXPECT_EQ(c.pixel(x, y), c.pixel(23 - x, y)) << x << "," << y;
            EXPECT_EQ(c.pixel(x, y), c.pixel(x, 23 - y)) << x << "," << y;
            EXPECT_EQ(c.pixel(x, y), c.pixel(y, x)) << x << "," << y;
        }
    // The disc touches all four sides of its box in the middle and leaves the corners alone.
    EXPECT_EQ(c.pixel(2, 11), red);
    EXPECT_EQ(c.pixel(21, 12), red);
    EXPECT_EQ(c.pixel(11, 2), red);
    EXPECT_EQ(c.pixel(12, 12), green);
    EXPECT_EQ(c.pixel(2, 2), white);
    EXPECT_EQ(c.pixel(21, 21), white);
}

TEST(CanvasDraw, CopiesTheSourceAtTheTopLeftCornerClippedToTheTarget) {
    Canvas src(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) src.set_pixel(x, y, rgb(x, y, 7));
    Canvas target(3, 5);
    fill(target, red);
    target.draw(src);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(target.pixel(x, y), y < 3 ? rgb(x, y, 7) : red) << x << "," << y;
}
