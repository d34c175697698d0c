// The drawing as a PDF file: the page exactly as printing puts it on paper.
#pragma once

#include "model/FileIo.h"

#include <QPageLayout>

#include <string>

class CPluvoDoc;

// The page Print starts with: the default printer's paper and margins.
QPageLayout DefaultPrintLayout();

// Writes one page with `layout`, painted as PrintCanvas paints it (the same
// PrintFactor, the image at the print resolution, losslessly compressed),
// and replaces `path` with it atomically. Needs a QGuiApplication.
FileError ExportPdf(const CPluvoDoc& doc, const QPageLayout& layout, const std::string& path);
