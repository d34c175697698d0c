#include "CanvasPrinting.h"

#include "platform/QtSurface.h"
#include "render/Canvas.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

bool PrintCanvas(const CPluvoDoc& doc, QPrinter& printer, std::span<const POINT> polygonMarks) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The printable area in the printer's own pixels, and the same area at
    // the resolution the page is painted at.
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int dpi = std::clamp(printer.resolution(), 1, kMaxPrintDpi);
    const double scale = static_cast<double>(dpi) / printer.resolution();
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
    painter.drawImage(QRect(0, 0, page.width(), page.height()), image);
    return painter.end();
}
