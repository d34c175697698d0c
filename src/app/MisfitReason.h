// The user's words for what a file format cannot hold of a drawing, shown
// when a save or export refuses to write it.
#pragma once

#include "model/DrawingFile.h"

#include <QString>

class CPluvoDoc;

// Why `format` cannot hold the drawing, as the reason of "Kan %1 niet
// opslaan: %2.": the format and what does not fit, for example
// een tekstbestand kan deze tekening niet precies bewaren (tekst 2, "ab ",
// eindigt op witruimte).
QString MisfitReason(const CPluvoDoc& doc, DrawingFormat format, const Misfit& misfit);
