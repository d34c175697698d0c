// Printing one page: the drawing comes out enlarged and is left exactly as
// it was.
#include "view/CanvasPrinting.h"
#include "../model/SampleDrawings.h"
#include "model/BinaryFile.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CanvasPrinting, APdfPageHoldsTheDrawingAndTheDrawingStaysAsItWas) {
    QTemporaryDir dir;
    CPluvoDoc doc = samples::EveryKind();
    WritableSelection(doc) = {0, 2};
    doc.PrintFactor = 10;
    // A coordinate whose enlargement leaves the 32-bit range comes back too.
    Writable(doc).figures[0].p2 = {300000000, 5};
    const std::string before = StoreBinary(doc);
    const Figuur current = doc.current;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    ASSERT_TRUE(PrintCanvas(doc, printer));

    EXPECT_EQ(StoreBinary(doc), before) << "printing only reads the drawing";
    EXPECT_EQ(doc.current, current);
    EXPECT_EQ(doc.Selection(), (std::vector<std::uint32_t>{0, 2}));
    QFile pdf(dir.filePath("page.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                  bytes.count("/Type /Page "),
              1)
        << "one page";
    EXPECT_TRUE(bytes.contains("/Subtype /Image")) << "the page is the painted image";
}
