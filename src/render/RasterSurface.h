// The drawing surface over a plain 32-bit pixel buffer: every shape is
// rasterised here, pixel by pixel with exact colours and GDI's coverage
// rules, so that flood fill finds closed outlines and not-xor feedback can be
// drawn away again. Text needs fonts and is left to a subclass.
#pragma once

#include "Surface.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// Whether the surface stands for the screen (or a bitmap) or for a printed
// page, which the canvas paints enlarged and without background.
enum class SurfaceKind { Screen, Printing };

// One pixel as 0xAARRGGBB, the layout of Qt's QRgb; drawing writes alpha 0xFF.
using Pixel = std::uint32_t;

class RasterSurface : public Surface {
public:
    // Draws on width x height pixels whose row y starts at pixels + y * stride.
    // The buffer must stay alive while the surface draws on it.
    RasterSurface(Pixel* pixels, std::int32_t width, std::int32_t height, std::int64_t stride,
                  SurfaceKind kind = SurfaceKind::Screen);
    RasterSurface(const RasterSurface&) = delete;
    RasterSurface& operator=(const RasterSurface&) = delete;

    void LineTo(std::int32_t x, std::int32_t y) override;
    void Rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override;
    void Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override;
    void Arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, std::int32_t xs,
             std::int32_t ys, std::int32_t xe, std::int32_t ye) override;
    void Polygon(const POINT* points, std::int32_t count) override;
    void FloodFill(std::int32_t x, std::int32_t y, COLORREF boundary) override;
    // Without fonts there is no text: nothing is drawn and it measures 0 x 0.
    void TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) override;
    SIZE GetTextExtentPoint32(std::string_view bytes) override;
    void FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                       COLORREF colour) override;

    std::int32_t HorzRes() const override { return m_width; }
    std::int32_t VertRes() const override { return m_height; }
    bool IsPrinting() const override { return m_kind == SurfaceKind::Printing; }

    bool LimitRows(std::int32_t top, std::int32_t bottom) override;

    // Takes up the canvas where it is now, as every drawing operation does
    // first (see Refresh), so that HorzRes and VertRes are current.
    void Update() { Refresh(); }

    // XORs each pixel (x, y) with the colour bits of the mask's pixel
    // (x + ox, y + oy) and gives it the mask's alpha bits, over the mask's
    // columns left..right-1 and rows top..bottom-1 (maskStride pixels a row):
    // what a series of not-xor drawings did to a canvas of 0s, done again.
    // A mask pixel of 0 leaves the canvas pixel alone.
    void XorMask(const Pixel* mask, std::int64_t maskStride, std::int64_t left, std::int64_t top,
                 std::int64_t right, std::int64_t bottom, std::int64_t ox, std::int64_t oy);
    std::unique_ptr<Surface> RowBand(std::int32_t top, std::int32_t bottom) override;
    std::unique_ptr<Surface> Window(std::int32_t left, std::int32_t top, std::int32_t width,
                                    std::int32_t height) override;

    // The pixels drawn on since the last call, as a box of whole rows and
    // columns that covers them (empty when nothing was drawn); the view
    // reduces again only that part of its canvas for the zoom steps below
    // 100 %.
    struct Touched {
        std::int64_t left, top, right, bottom; // inclusive
        bool Empty() const { return left > right || top > bottom; }
    };
    Touched TakeTouched();

    // The pixel value of a colour.
    static constexpr Pixel ToPixel(COLORREF colour) {
        return 0xFF000000u | (static_cast<Pixel>(GetRValue(colour)) << 16) |
               (static_cast<Pixel>(GetGValue(colour)) << 8) | static_cast<Pixel>(GetBValue(colour));
    }

protected:
    // Text drawn by a subclass: the box of the pixels it may have set.
    void Touch(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
        m_touched.left = std::min(m_touched.left, left);
        m_touched.top = std::min(m_touched.top, top);
        m_touched.right = std::max(m_touched.right, right);
        m_touched.bottom = std::max(m_touched.bottom, bottom);
    }
    // The box of a and b widened by a pen's width on every side.
    void TouchAround(POINT a, POINT b, std::int64_t pen) {
        Touch(std::int64_t{std::min(a.x, b.x)} - pen, std::int64_t{std::min(a.y, b.y)} - pen,
              std::int64_t{std::max(a.x, b.x)} + pen, std::int64_t{std::max(a.y, b.y)} + pen);
    }
    // Called at the start of every drawing operation. A subclass whose pixels
    // can move between operations (an image that detaches from a copy) points
    // the surface at them again here with Attach.
    virtual void Refresh() {}
    void Attach(Pixel* pixels, std::int32_t width, std::int32_t height, std::int64_t stride);
    // The rows drawn on: top..bottom-1.
    std::int32_t RowsTop() const { return m_top; }
    std::int32_t RowsBottom() const { return m_bottom; }
    // The buffer, for a subclass that makes bands of it.
    Pixel* Pixels() const { return m_pixels; }
    std::int64_t Stride() const { return m_stride; }
    // Takes over the state and the row limits of another surface, as RowBand
    // does.
    void StartBand(const Surface& from, std::int32_t top, std::int32_t bottom) {
        CopyStateFrom(from);
        LimitRows(top, bottom);
    }

private:
    // Inclusive pixel bounds; empty when x1 < x0 or y1 < y0.
    struct Box {
        std::int64_t x0, y0, x1, y1;
    };
    enum class Shape { Rectangle, Ellipse };

    // Pixel and span primitives (RasterInternal.h), clipped to the buffer and
    // combined with the canvas by the raster operation.
    inline void Plot(std::int64_t x, std::int64_t y, Pixel colour);
    inline void FillSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, Pixel colour);
    inline void OutlinePixel(std::int64_t x, std::int64_t y, bool on);

    void ThinLine(POINT from, POINT to);
    void WideLine(POINT from, POINT to, std::int32_t width);
    void WideOutline(const POINT* points, std::int32_t count, std::int32_t width);
    void FillPolygon(const POINT* points, std::int32_t count, Pixel colour);
    void DrawShape(Shape shape, std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b);
    template <class Rows> void FillShape(const Rows& inner, Pixel colour);
    template <class Rows> void SolidShape(const Rows& outer, const Rows& inner);
    void DottedShape(Shape shape, const Box& outer, const Box& inner);
    void DrawArc(const Box& outer, const Box& inner, double from, double span);

    static constexpr Touched kNothingTouched{INT64_MAX, INT64_MAX, INT64_MIN, INT64_MIN};

    Pixel* m_pixels = nullptr;
    std::int64_t m_stride = 0; // in pixels
    Touched m_touched = kNothingTouched;
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    // The rows drawn on, within 0..m_height.
    std::int32_t m_top = 0;
    std::int32_t m_bottom = 0;
    SurfaceKind m_kind;

    // Kept between operations, so that painting thousands of figures does
    // not allocate for each one.
    std::vector<std::uint16_t> m_visited; // flood fill marks by generation
    std::uint16_t m_generation = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> m_seeds;
    std::vector<double> m_scratch;
};
