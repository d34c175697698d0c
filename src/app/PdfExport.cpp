#include "PdfExport.h"

#include "view/CanvasPrinting.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

QPageLayout DefaultPrintLayout() { return QPrinter(QPrinter::HighResolution).pageLayout(); }

FileError ExportPdf(const CPluvoDoc& doc, const QPageLayout& layout, const std::string& path) {
    return ReplaceFile(path, [&](const ByteSink& sink) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setCreator("Pluvo");
            writer.setTitle(QFileInfo(QString::fromLocal8Bit(path.c_str())).fileName());
            // The printed page is painted at most at this resolution anyway.
            writer.setResolution(kMaxPrintDpi);
            writer.setPageLayout(layout);
            QPainter painter(&writer);
            PaintPrintedPage(doc, painter, writer.pageLayout(), writer.resolution());
        }
        sink(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
}
