// A surface in drawing coordinates over a canvas whose top-left pixel is not
// the drawing's (0, 0): every point is shifted by the canvas's origin on the
// way to the canvas's own surface. Pens, brushes, fonts and the raster
// operation are passed through, so either surface reports the same state.
#pragma once

#include "Surface.h"

#include <vector>

class OriginSurface final : public Surface {
public:
    // origin: the drawing coordinates of the canvas's top-left pixel. The
    // canvas surface must outlive this one.
    OriginSurface(Surface& canvas, POINT origin);

    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    LogFont SelectFont(const LogFont& font) override;
    COLORREF SetTextColor(COLORREF colour) override;
    BkMode SetBkMode(BkMode mode) override;
    Rop2 SetROP2(Rop2 rop) override;

    void MoveToEx(std::int32_t x, std::int32_t y) override;
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

    std::int32_t HorzRes() const override { return m_canvas.HorzRes(); }
    std::int32_t VertRes() const override { return m_canvas.VertRes(); }
    bool IsPrinting() const override { return m_canvas.IsPrinting(); }

    // The canvas's own surface and the drawing point at its top-left pixel.
    Surface& Canvas() const { return m_canvas; }
    POINT Origin() const { return m_origin; }

private:
    std::int32_t X(std::int32_t x) const;
    std::int32_t Y(std::int32_t y) const;

    Surface& m_canvas;
    POINT m_origin;
    std::vector<POINT> m_points;
};
