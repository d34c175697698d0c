#include "CanvasPrinting.h"

#include "platform/QtSurface.h"
#include "render/Canvas.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

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
        OnDraw(surface, doc, view);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(QRect(0, 0, page.width(), page.height()), image);
}
