#include "CanvasPrinting.h"

#include "interaction/ViewMapping.h"
#include "model/CPluvoDoc.h"
#include "platform/QtSurface.h"
#include "render/Canvas.h"
#include "render/FigureBox.h"
#include "render/OriginSurface.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// The point of the enlarged drawing at the page's top-left: (0, 0), or the
// drawing's top-left corner less a grid cell when it reaches below zero.
POINT PrintedOrigin(const CPluvoDoc& doc, Surface& measure) {
    const std::int64_t factor = std::max(doc.PrintFactor, 1);
    const DrawingBounds extent = DrawingExtent(EnlargedForPrinting(doc), measure);
    if (extent.left >= 0 && extent.top >= 0) return {0, 0};
    constexpr std::int64_t kUncut = std::int64_t{1} << 40;
    return DrawingCanvas(extent, std::max(doc.drawing().SizeRaster, 0) * factor, kUncut, kUncut).origin;
}

} // namespace

bool PrintCanvas(const CPluvoDoc& doc, QPrinter& printer, std::span<const POINT> polygonMarks) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    PaintPrintedPage(doc, painter, printer.pageLayout(), printer.resolution(), polygonMarks);
    return painter.end();
}

void PaintPrintedPage(const CPluvoDoc& doc, QPainter& painter, const QPageLayout& layout,
                      int resolution, std::span<const POINT> polygonMarks) {
    // The printable area in the device's own pixels, and the same area at
    // the resolution the page is painted at.
    const QRect page = layout.paintRectPixels(resolution);
    const int dpi = std::clamp(resolution, 1, kMaxPrintDpi);
    const double scale = static_cast<double>(dpi) / resolution;
    const int width = std::max(1, static_cast<int>(std::lround(page.width() * scale)));
    const int height = std::max(1, static_cast<int>(std::lround(page.height() * scale)));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QtSurface surface(image, SurfaceKind::Printing);
        CanvasView view;
        view.width = width;
        view.height = height;
        view.polygonMarks = polygonMarks;
        view.origin = PrintedOrigin(doc, surface);
        if (view.origin == POINT{0, 0}) {
            OnDraw(surface, doc, view);
        } else {
            OriginSurface shifted(surface, view.origin);
            OnDraw(shifted, doc, view);
        }
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(QRect(0, 0, page.width(), page.height()), image);
}
