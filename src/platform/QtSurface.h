// The drawing surface over a QImage: every shape is rasterised here, pixel
// by pixel with exact colours and GDI's coverage rules, so that flood fill
// finds closed outlines and not-xor feedback can be drawn away again. Only
// text goes through QPainter.
#pragma once

#include "render/Surface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>
#include <vector>

// Whether the surface stands for the screen (or a bitmap) or for a printed
// page, which the canvas paints enlarged and without background.
enum class SurfaceKind { Screen, Printing };

class QtSurface final : public Surface {
public:
    // The image must stay alive while the surface draws on it; copies taken
    // of it meanwhile keep their pixels. It is converted to 32-bit RGB when
    // it has another format.
    explicit QtSurface(QImage& image, SurfaceKind kind = SurfaceKind::Screen);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    LogFont SelectFont(const LogFont& font) override;

    void LineTo(std::int32_t x, std::int32_t y) override;
    void Rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override;
    void Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override;
    void Arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, std::int32_t xs,
             std::int32_t ys, std::int32_t xe, std::int32_t ye) override;
    void Polygon(const POINT* points, std::int32_t count) override;
    void FloodFill(std::int32_t x, std::int32_t y, COLORREF boundary) override;
    void TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) override;
    SIZE GetTextExtentPoint32(std::string_view bytes) override;
    void FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                       COLORREF colour) override;

    std::int32_t HorzRes() const override { return m_width; }
    std::int32_t VertRes() const override { return m_height; }
    bool IsPrinting() const override { return m_kind == SurfaceKind::Printing; }

    // The QFont that a font record stands for (Windows-1252 face name,
    // negative height = character height in pixels, no antialiasing).
    static QFont FontFromLogFont(const LogFont& font);
    // The pixel value of a colour in the image.
    static QRgb ToRgb(COLORREF colour) {
        return qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    }

private:
    struct CachedFont {
        LogFont record;
        QFont font;
        QFontMetrics metrics;
    };
    // Inclusive pixel bounds; empty when x1 < x0 or y1 < y0.
    struct Box {
        std::int64_t x0, y0, x1, y1;
    };
    enum class Shape { Rectangle, Ellipse };

    void Attach();
    void Plot(std::int64_t x, std::int64_t y, QRgb colour);
    void FillSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, QRgb colour);
    void OutlinePixel(std::int64_t x, std::int64_t y, bool on);
    void ThinLine(POINT from, POINT to);
    void WideLine(POINT from, POINT to, std::int32_t width);
    void WideOutline(const POINT* points, std::int32_t count, std::int32_t width);
    void DrawShape(Shape shape, std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b);
    void DrawArc(const Box& outer, const Box& inner, double from, double span);
    const CachedFont& Font();
    QPainter& Painter();

    QImage& m_image;
    SurfaceKind m_kind;
    QRgb* m_bits = nullptr;
    std::int64_t m_stride = 0; // in pixels
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;

    std::vector<std::unique_ptr<CachedFont>> m_fonts;
    const CachedFont* m_font = nullptr;
    std::unique_ptr<QPainter> m_painter;
    std::vector<std::uint16_t> m_visited; // flood fill marks by generation
    std::uint16_t m_generation = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> m_seeds;
};
