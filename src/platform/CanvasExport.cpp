#include "CanvasExport.h"

#include "PngExport.h"
#include "QtSurface.h"
#include "model/CPluvoDoc.h"
#include "model/Geometry.h"
#include "render/OriginSurface.h"
#include "render/ViewGeometry.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

// The box of what the figures may paint: the left and top edges below zero
// only when a figure reaches there, the right and bottom edges exclusive.
struct Extent {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
    void Include(std::int64_t x, std::int64_t y) {
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
    }
    void IncludeLow(std::int64_t x, std::int64_t y) {
        left = std::min(left, x);
        top = std::min(top, y);
    }
};

void IncludeFigure(Extent& extent, const CPluvoDoc& doc, const Figuur& f, QtSurface& measure) {
    const std::int64_t pen = std::max(f.LijnDikte, 1) / 2 + 1;
    switch (f.FiguurType) {
    case Cirkel:
    case Veelhoek: {
        const std::int64_t r = Distance(f.p1, f.p2) + pen;
        extent.Include(f.p1.x + r, f.p1.y + r);
        extent.IncludeLow(f.p1.x - r, f.p1.y - r);
        return;
    }
    case Boogkwart: {
        const std::int64_t rx = std::llabs(std::int64_t{f.p1.x} - f.p2.x) + pen;
        const std::int64_t ry = std::llabs(std::int64_t{f.p1.y} - f.p2.y) + pen;
        extent.Include(f.p1.x + rx, f.p1.y + ry);
        extent.IncludeLow(f.p1.x - rx, f.p1.y - ry);
        return;
    }
    case Polygoon: {
        std::vector<POINT> vertices;
        doc.PolygonVertices(f, vertices);
        for (POINT q : vertices) {
            extent.Include(q.x + pen, q.y + pen);
            extent.IncludeLow(q.x - pen, q.y - pen);
        }
        return;
    }
    case Tekst: {
        const std::string* text = doc.TextOf(f);
        const LogFont* font = doc.FontOf(f);
        if (!text || !font) return;
        measure.SelectFont(*font);
        const SIZE size = measure.GetTextExtentPoint32(*text);
        const std::int64_t reach = std::max(size.cx, size.cy) + doc.SizeRaster;
        extent.Include(f.p1.x + reach, f.p1.y + reach);
        extent.IncludeLow(f.p1.x - reach, f.p1.y - reach);
        return;
    }
    case Opvullen:
        return;
    default:
        extent.Include(std::max(f.p1.x, f.p2.x) + pen, std::max(f.p1.y, f.p2.y) + pen);
        extent.IncludeLow(std::int64_t{std::min(f.p1.x, f.p2.x)} - pen,
                          std::int64_t{std::min(f.p1.y, f.p2.y)} - pen);
        return;
    }
}

std::int32_t Clamp(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 1, kMaxCanvasSide));
}

} // namespace

namespace {

Extent ExtentOf(const CPluvoDoc& doc) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch);
    Extent extent;
    for (const Figuur& f : doc.figures) IncludeFigure(extent, doc, f, measure);
    return extent;
}

} // namespace

CanvasSize DefaultCanvasSize(const CPluvoDoc& doc) {
    const Extent extent = ExtentOf(doc);
    const std::int64_t cell = std::max(doc.SizeRaster, 0);
    return {Clamp(extent.right + cell), Clamp(extent.bottom + cell)};
}

DrawingBounds CanvasBounds(const CPluvoDoc& doc) {
    const Extent extent = ExtentOf(doc);
    return {extent.left, extent.top, extent.right, extent.bottom};
}

QImage PaintCanvas(const CPluvoDoc& doc, std::int32_t width, std::int32_t height,
                   SelectionMarks marks, std::span<const POINT> polygonMarks, POINT origin) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtSurface surface(image);
        CanvasView view;
        view.width = width;
        view.height = height;
        view.marks = marks;
        view.polygonMarks = polygonMarks;
        view.origin = origin;
        if (origin == POINT{0, 0}) {
            OnDraw(surface, doc, view);
        } else {
            OriginSurface shifted(surface, origin);
            OnDraw(shifted, doc, view);
        }
    }
    return image;
}

bool ExportCanvasPng(const CPluvoDoc& doc, std::int32_t width, std::int32_t height,
                     const std::string& target, std::string& error) {
    if (width < 1 || height < 1 || width > kMaxCanvasSide || height > kMaxCanvasSide) {
        error = QCoreApplication::translate("CanvasExport", "ongeldige afmeting %1x%2")
                    .arg(width)
                    .arg(height)
                    .toStdString();
        return false;
    }
    const QImage image = PaintCanvas(doc, width, height, SelectionMarks::Hide);
    std::string message;
    if (WritePng(image, target, [&](const std::string& m) { message = m; })) return true;
    error = message.empty() ? QCoreApplication::translate("CanvasExport", "kan %1 niet schrijven")
                                  .arg(QFile::decodeName(target.c_str()))
                                  .toStdString()
                            : message;
    return false;
}
