// A drawing surface for tests that logs every call as text, such as
// "Ellipse(49,50,151,152)", so that rendering is testable without pixels.
#pragma once

#include "render/Surface.h"

#include <cstdio>
#include <string>
#include <vector>

class RecordingSurface : public Surface {
public:
    std::vector<std::string> calls;
    // Text is measured as charWidth per byte and textHeight high.
    std::int32_t charWidth = 5;
    std::int32_t textHeight = 12;
    std::int32_t width = 640;
    std::int32_t height = 480;
    bool printing = false;
    // Every font selected, in order, for checks of fields the log leaves out.
    std::vector<LogFont> selectedFonts;

    // The calls whose text starts with prefix, in order.
    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }

    Pen SelectPen(const Pen& pen) override {
        Log("SelectPen(" + Style(pen.style) + "," + N(pen.width) + "," + Hex(pen.colour) + ")");
        return Surface::SelectPen(pen);
    }
    Brush SelectBrush(const Brush& brush) override {
        Log(brush.style == BrushStyle::Hollow ? "SelectBrush(hollow)"
                                              : "SelectBrush(" + Hex(brush.colour) + ")");
        return Surface::SelectBrush(brush);
    }
    LogFont SelectFont(const LogFont& font) override {
        Log("SelectFont(" + std::string(font.FaceName()) + "," + N(font.lfHeight) + ")");
        selectedFonts.push_back(font);
        return Surface::SelectFont(font);
    }
    COLORREF SetTextColor(COLORREF colour) override {
        Log("SetTextColor(" + Hex(colour) + ")");
        return Surface::SetTextColor(colour);
    }
    BkMode SetBkMode(BkMode mode) override {
        Log(mode == BkMode::Transparent ? "SetBkMode(transparent)" : "SetBkMode(opaque)");
        return Surface::SetBkMode(mode);
    }
    Rop2 SetROP2(Rop2 rop) override {
        Log(rop == Rop2::NotXorPen ? "SetROP2(notxor)" : "SetROP2(copy)");
        return Surface::SetROP2(rop);
    }
    void MoveToEx(std::int32_t x, std::int32_t y) override {
        Log("MoveToEx(" + N(x) + "," + N(y) + ")");
        Surface::MoveToEx(x, y);
    }
    void LineTo(std::int32_t x, std::int32_t y) override {
        Log("LineTo(" + N(x) + "," + N(y) + ")");
        m_position = {x, y};
    }
    void Rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
        Log("Rectangle(" + N(l) + "," + N(t) + "," + N(r) + "," + N(b) + ")");
    }
    void Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) override {
        Log("Ellipse(" + N(l) + "," + N(t) + "," + N(r) + "," + N(b) + ")");
    }
    void Arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b, std::int32_t xs,
             std::int32_t ys, std::int32_t xe, std::int32_t ye) override {
        Log("Arc(" + N(l) + "," + N(t) + "," + N(r) + "," + N(b) + ", " + N(xs) + "," + N(ys) +
            ", " + N(xe) + "," + N(ye) + ")");
    }
    void Polygon(const POINT* points, std::int32_t count) override {
        std::string s = "Polygon(";
        for (std::int32_t i = 0; i < count; ++i)
            s += (i ? " " : "") + N(points[i].x) + "," + N(points[i].y);
        Log(s + ")");
    }
    void FloodFill(std::int32_t x, std::int32_t y, COLORREF boundary) override {
        Log("FloodFill(" + N(x) + "," + N(y) + "," + Hex(boundary) + ")");
    }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) override {
        Log("TextOut(" + N(x) + "," + N(y) + "," + std::string(bytes) + ")");
    }
    SIZE GetTextExtentPoint32(std::string_view bytes) override {
        return {charWidth * static_cast<std::int32_t>(bytes.size()), textHeight};
    }
    void FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy,
                       COLORREF colour) override {
        Log("FillSolidRect(" + N(x) + "," + N(y) + "," + N(cx) + "," + N(cy) + "," + Hex(colour) +
            ")");
    }
    std::int32_t HorzRes() const override { return width; }
    std::int32_t VertRes() const override { return height; }
    bool IsPrinting() const override { return printing; }

private:
    void Log(std::string s) { calls.push_back(std::move(s)); }
    static std::string N(std::int64_t v) { return std::to_string(v); }
    static std::string Hex(COLORREF c) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%06X", c);
        return buf;
    }
    static std::string Style(PenStyle s) {
        return s == PenStyle::Solid ? "solid" : s == PenStyle::Dot ? "dot" : "null";
    }
};
