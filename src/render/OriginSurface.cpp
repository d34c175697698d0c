#include "OriginSurface.h"

#include "model/Int32.h"

OriginSurface::OriginSurface(Surface& canvas, POINT origin) : m_canvas(canvas), m_origin(origin) {
    Surface::SelectPen(canvas.CurrentPen());
    Surface::SelectBrush(canvas.CurrentBrush());
    Surface::SelectFont(canvas.CurrentFont());
    Surface::SetTextColor(canvas.TextColor());
    Surface::SetBkMode(canvas.GetBkMode());
    Surface::SetROP2(canvas.GetROP2());
}

std::int32_t OriginSurface::X(std::int32_t x) const { return i32::sub(x, m_origin.x); }
std::int32_t OriginSurface::Y(std::int32_t y) const { return i32::sub(y, m_origin.y); }

Pen OriginSurface::SelectPen(const Pen& pen) {
    m_canvas.SelectPen(pen);
    return Surface::SelectPen(pen);
}
Brush OriginSurface::SelectBrush(const Brush& brush) {
    m_canvas.SelectBrush(brush);
    return Surface::SelectBrush(brush);
}
LogFont OriginSurface::SelectFont(const LogFont& font) {
    m_canvas.SelectFont(font);
    return Surface::SelectFont(font);
}
COLORREF OriginSurface::SetTextColor(COLORREF colour) {
    m_canvas.SetTextColor(colour);
    return Surface::SetTextColor(colour);
}
BkMode OriginSurface::SetBkMode(BkMode mode) {
    m_canvas.SetBkMode(mode);
    return Surface::SetBkMode(mode);
}
Rop2 OriginSurface::SetROP2(Rop2 rop) {
    m_canvas.SetROP2(rop);
    return Surface::SetROP2(rop);
}

void OriginSurface::MoveToEx(std::int32_t x, std::int32_t y) {
    Surface::MoveToEx(x, y);
    m_canvas.MoveToEx(X(x), Y(y));
}
void OriginSurface::LineTo(std::int32_t x, std::int32_t y) {
    m_position = {x, y};
    m_canvas.LineTo(X(x), Y(y));
}
void OriginSurface::Rectangle(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    m_canvas.Rectangle(X(l), Y(t), X(r), Y(b));
}
void OriginSurface::Ellipse(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
    m_canvas.Ellipse(X(l), Y(t), X(r), Y(b));
}
void OriginSurface::Arc(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b,
                        std::int32_t xs, std::int32_t ys, std::int32_t xe, std::int32_t ye) {
    m_canvas.Arc(X(l), Y(t), X(r), Y(b), X(xs), Y(ys), X(xe), Y(ye));
}
void OriginSurface::Polygon(const POINT* points, std::int32_t count) {
    m_points.assign(points, points + (count > 0 ? count : 0));
    for (POINT& p : m_points) p = {X(p.x), Y(p.y)};
    m_canvas.Polygon(m_points.data(), count);
}
void OriginSurface::FloodFill(std::int32_t x, std::int32_t y, COLORREF boundary) {
    m_canvas.FloodFill(X(x), Y(y), boundary);
}
void OriginSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) {
    m_canvas.TextOut(X(x), Y(y), bytes);
}
SIZE OriginSurface::GetTextExtentPoint32(std::string_view bytes) {
    return m_canvas.GetTextExtentPoint32(bytes);
}
void OriginSurface::FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx,
                                  std::int32_t cy, COLORREF colour) {
    m_canvas.FillSolidRect(X(x), Y(y), cx, cy, colour);
}
