// The drawing surface that all rendering goes to: the window's canvas, a
// printer page or an off-screen image, with the semantics of a GDI device
// context. Pens, brushes and fonts are values; selecting one returns the
// previous one, so putting it back is a plain call.
#pragma once

#include "model/Figuur.h"
#include "model/Geometry.h"

#include <cstdint>
#include <memory>
#include <string_view>

enum class PenStyle { Solid, Dot, Null };

struct Pen {
    PenStyle style = PenStyle::Solid;
    std::int32_t width = 1;
    COLORREF colour = 0;
    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Hollow };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    COLORREF colour = 0xFFFFFF;
    friend bool operator==(const Brush&, const Brush&) = default;

    static Brush Solid(COLORREF colour) { return {BrushStyle::Solid, colour}; }
    static Brush Hollow() { return {BrushStyle::Hollow, 0}; }
};

// Whether text and the gaps of a dotted pen paint their background.
enum class BkMode { Opaque, Transparent };

// How drawn pixels combine with the canvas: plain copy, or
// NOT(pen XOR pixel), which drawing twice undoes.
enum class Rop2 { CopyPen, NotXorPen };

struct SIZE {
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    // --- State --------------------------------------------------------------
    virtual Pen SelectPen(const Pen& pen) { return Exchange(m_pen, pen); }
    virtual Brush SelectBrush(const Brush& brush) { return Exchange(m_brush, brush); }
    virtual LogFont SelectFont(const LogFont& font) { return Exchange(m_font, font); }
    virtual COLORREF SetTextColor(COLORREF colour) { return Exchange(m_textColour, colour); }
    virtual BkMode SetBkMode(BkMode mode) { return Exchange(m_bkMode, mode); }
    virtual Rop2 SetROP2(Rop2 rop) { return Exchange(m_rop, rop); }

    const Pen& CurrentPen() const { return m_pen; }
    const Brush& CurrentBrush() const { return m_brush; }
    const LogFont& CurrentFont() const { return m_font; }
    COLORREF TextColor() const { return m_textColour; }
    COLORREF BkColor() const { return m_bkColour; }
    BkMode GetBkMode() const { return m_bkMode; }
    Rop2 GetROP2() const { return m_rop; }

    // --- Drawing ------------------------------------------------------------
    // The current position for LineTo.
    virtual void MoveToEx(std::int32_t x, std::int32_t y) { m_position = {x, y}; }
    // A line from the current position; the end pixel itself is left out.
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    // Cover columns l..r-1 and rows t..b-1; with the null pen one less each.
    virtual void Rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) = 0;
    virtual void Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) = 0;
    // The outline of the ellipse in the box, counter-clockwise on screen from
    // the ray towards (xs, ys) to the ray towards (xe, ye).
    virtual void Arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b,
                     std::int32_t xs, std::int32_t ys, std::int32_t xe, std::int32_t ye) = 0;
    // A closed outline whose interior is filled in alternate mode.
    virtual void Polygon(const POINT* points, std::int32_t count) = 0;
    // Fills the 4-connected area around (x, y) bounded by pixels of exactly
    // the colour boundary with the current brush.
    virtual void FloodFill(std::int32_t x, std::int32_t y, COLORREF boundary) = 0;
    // (x, y) is the top-left corner of the unrotated text box; the bytes are
    // Windows-1252.
    virtual void TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) = 0;
    virtual SIZE GetTextExtentPoint32(std::string_view bytes) = 0;
    virtual void FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                               COLORREF colour) = 0;

    // --- Device -------------------------------------------------------------
    // The canvas size in pixels (the printable area for a printer).
    virtual std::int32_t HorzRes() const = 0;
    virtual std::int32_t VertRes() const = 0;
    virtual bool IsPrinting() const { return false; }

    // --- Rows ---------------------------------------------------------------
    // For painting with rows split between threads. A surface that can
    // limits its drawing to rows top..bottom-1 (clamped to the canvas) and
    // returns true; coordinates stay the canvas's. LimitRows(0, VertRes())
    // gives the whole canvas back. A flood fill reads and fills the whole
    // canvas whatever the rows: it must not run while another thread draws.
    virtual bool LimitRows(std::int32_t /*top*/, std::int32_t /*bottom*/) { return false; }
    // A second surface on the same canvas, limited to rows top..bottom-1,
    // with this surface's pen, brush, font, modes and position, that may
    // draw on another thread while this one draws other rows; null when the
    // surface cannot. The canvas must stay where it is meanwhile.
    virtual std::unique_ptr<Surface> RowBand(std::int32_t /*top*/, std::int32_t /*bottom*/) {
        return nullptr;
    }

    // --- Windows ------------------------------------------------------------
    // A fresh surface (the state of a new one) over the part of the canvas
    // from (left, top), width x height pixels, whose own (0, 0) is that
    // corner and which draws nothing outside it: for painting a damaged
    // part of the canvas again. Null when the surface cannot, or when the
    // part does not lie within the canvas.
    virtual std::unique_ptr<Surface> Window(std::int32_t /*left*/, std::int32_t /*top*/,
                                            std::int32_t /*width*/, std::int32_t /*height*/) {
        return nullptr;
    }

protected:
    // Takes over another surface's pen, brush, font, modes and position.
    void CopyStateFrom(const Surface& other) {
        m_pen = other.m_pen;
        m_brush = other.m_brush;
        m_font = other.m_font;
        m_textColour = other.m_textColour;
        m_bkColour = other.m_bkColour;
        m_bkMode = other.m_bkMode;
        m_rop = other.m_rop;
        m_position = other.m_position;
    }

    POINT m_position;

private:
    template <class T> static T Exchange(T& slot, const T& value) {
        T previous = slot;
        slot = value;
        return previous;
    }

    Pen m_pen;
    Brush m_brush = Brush::Solid(0xFFFFFF);
    LogFont m_font;
    COLORREF m_textColour = 0;
    COLORREF m_bkColour = 0xFFFFFF;
    BkMode m_bkMode = BkMode::Opaque;
    Rop2 m_rop = Rop2::CopyPen;
};

// Selects a pen, a brush and a raster operation on a surface for the length
// of a scope and puts the surface's own back at its end: feedback drawn as
// on a fresh surface leaves the surface's state as it found it.
class ScopedDrawingState {
public:
    ScopedDrawingState(Surface& surface, const Pen& pen, const Brush& brush, Rop2 rop)
        : m_surface(surface), m_pen(surface.SelectPen(pen)), m_brush(surface.SelectBrush(brush)),
          m_rop(surface.SetROP2(rop)) {}
    ScopedDrawingState(const ScopedDrawingState&) = delete;
    ScopedDrawingState& operator=(const ScopedDrawingState&) = delete;
    ~ScopedDrawingState() {
        m_surface.SetROP2(m_rop);
        m_surface.SelectBrush(m_brush);
        m_surface.SelectPen(m_pen);
    }

private:
    Surface& m_surface;
    Pen m_pen;
    Brush m_brush;
    Rop2 m_rop;
};
