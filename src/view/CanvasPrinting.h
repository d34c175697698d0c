// The canvas on paper: one page, the drawing enlarged by its print factor.
#pragma once

#include "model/Figuur.h"

#include <span>

class CPluvoDoc;
class QPageLayout;
class QPainter;
class QPrinter;

// The highest resolution the page is painted at; a printer that offers more
// gets the page enlarged, which keeps the memory of a page bounded (an A4
// page at 300 dpi is about 35 MB).
inline constexpr int kMaxPrintDpi = 300;

// Paints the drawing in its printing form (figures, points and font heights
// enlarged by PrintFactor, no background) into an image at the printer's
// resolution, at most kMaxPrintDpi, and puts that image on one page, so that
// flood fills print exactly as on the screen. The page starts at the
// drawing's (0, 0), or at its top-left corner less a grid cell when it
// reaches below zero, so that nothing of it is lost. The drawing is only
// read.
// False when the printer could not be started.
// `polygonMarks` are the points of a free polygon being entered, printed
// enlarged as the screen shows their marks.
bool PrintCanvas(const CPluvoDoc& doc, QPrinter& printer, std::span<const POINT> polygonMarks = {});

// The same page painted with a painter already begun on a paged device of
// `resolution` dots per inch whose page has `layout` (a printer, a PDF
// writer). The image goes out losslessly where the device compresses images.
void PaintPrintedPage(const CPluvoDoc& doc, QPainter& painter, const QPageLayout& layout,
                      int resolution, std::span<const POINT> polygonMarks = {});
