#include "CanvasExport.h"

#include "PngExport.h"
#include "QtSurface.h"
#include "model/CPluvoDoc.h"
#include "render/OriginSurface.h"
#include "render/Reduce.h"

#include <QPainter>

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

CanvasSize DefaultCanvasSize(const CPluvoDoc& doc) {
    const DrawingBounds extent = CanvasBounds(doc);
    const std::int64_t cell = std::max(doc.drawing().SizeRaster, 0);
    const auto clamp = [](std::int64_t v) {
        return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 1, kMaxCanvasSide));
    };
    return {clamp(extent.right + cell), clamp(extent.bottom + cell)};
}

DrawingBounds CanvasBounds(const CPluvoDoc& doc) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch);
    return DrawingExtent(doc, measure);
}

CanvasLayout WholeDrawingCanvas(const CPluvoDoc& doc) {
    return DrawingCanvas(CanvasBounds(doc), doc.drawing().SizeRaster, kMaxCanvasSide,
                         kMaxViewPixels);
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

void HalveInto(const QImage& from, QImage& to) {
    const QSize size(HalvedLength(from.width()), HalvedLength(from.height()));
    if (to.size() != size || to.format() != from.format()) to = QImage(size, from.format());
    HalvePart(from, to, from.rect());
}

QRect HalvePart(const QImage& from, QImage& to, QRect part) {
    // Whole 2 x 2 blocks: from an even pixel to an odd one, or the edge.
    part &= from.rect();
    if (part.isEmpty()) return {};
    const int left = part.left() & ~1, top = part.top() & ~1;
    const int right = std::min(part.right() | 1, from.width() - 1);
    const int bottom = std::min(part.bottom() | 1, from.height() - 1);
    constexpr qsizetype kPixelBytes = sizeof(Pixel);
    const qsizetype fromStride = from.bytesPerLine() / kPixelBytes;
    const qsizetype toStride = to.bytesPerLine() / kPixelBytes;
    HalveImage(reinterpret_cast<const Pixel*>(from.constBits()) + top * fromStride + left,
               right - left + 1, bottom - top + 1, fromStride,
               reinterpret_cast<Pixel*>(to.bits()) + (top / 2) * toStride + left / 2, toStride);
    return QRect(QPoint(left / 2, top / 2), QPoint(right / 2, bottom / 2));
}

QImage PaintReducedPlane(const CPluvoDoc& doc, const CanvasLayout& content,
                         const DrawingBounds& region, int halvings) {
    const std::int64_t unit = std::int64_t{1} << halvings;
    const auto reduced = [unit](std::int64_t length) { return (length + unit - 1) / unit; };
    QImage plane(static_cast<int>(reduced(region.right - region.left)),
                 static_cast<int>(reduced(region.bottom - region.top)), QImage::Format_RGB32);
    if (plane.isNull()) return plane;
    // Tiles of a whole number of reduced pixels; the labels run along the
    // content's top and left edges, within a label's height and width of
    // them.
    constexpr std::int64_t kTile = 1024;
    constexpr std::int64_t kLabelReach = 256;
    QImage tile, halves[2];
    QPainter out(&plane);
    for (std::int64_t top = region.top; top < region.bottom; top += kTile) {
        for (std::int64_t left = region.left; left < region.right; left += kTile) {
            const int w = static_cast<int>(std::min(kTile, region.right - left));
            const int h = static_cast<int>(std::min(kTile, region.bottom - top));
            if (tile.size() != QSize(w, h)) tile = QImage(w, h, QImage::Format_RGB32);
            {
                QtSurface surface(tile);
                OriginSurface shifted(surface, {static_cast<std::int32_t>(left),
                                                static_cast<std::int32_t>(top)});
                shifted.FillSolidRect(content.origin.x, content.origin.y, content.width,
                                      content.height, doc.drawing().KleurAchtergrond);
                if (doc.drawing().MetRaster != 0)
                    SchilderRaster(shifted, doc, doc.drawing().SizeRaster, content.width, content.height,
                                   content.origin);
                if (doc.drawing().MetCoord != 0 && (top < content.origin.y + kLabelReach ||
                                          left < content.origin.x + kLabelReach))
                    SchilderCoordinaten(shifted, doc, content.width, content.height,
                                        content.origin);
            }
            const QImage* from = &tile;
            for (int i = 0; i < halvings; ++i) {
                HalveInto(*from, halves[i % 2]);
                from = &halves[i % 2];
            }
            out.drawImage(QPoint(static_cast<int>((left - region.left) / unit),
                                 static_cast<int>((top - region.top) / unit)),
                          *from);
        }
    }
    return plane;
}

bool ExportCanvasPng(const CPluvoDoc& doc, std::int32_t width, std::int32_t height,
                     const std::string& target, std::string& error, POINT origin) {
    if (width < 1 || height < 1 || width > kMaxCanvasSide || height > kMaxCanvasSide) {
        error = QCoreApplication::translate("CanvasExport", "ongeldige afmeting %1x%2")
                    .arg(width)
                    .arg(height)
                    .toStdString();
        return false;
    }
    const QImage image = PaintCanvas(doc, width, height, SelectionMarks::Hide, {}, origin);
    std::string message;
    if (WritePng(image, target, [&](const std::string& m) { message = m; })) return true;
    error = message.empty() ? QCoreApplication::translate("CanvasExport", "kan %1 niet schrijven")
                                  .arg(QFile::decodeName(target.c_str()))
                                  .toStdString()
                            : message;
    return false;
}
