#include "Grootte.h"

#include "model/CPluvoDoc.h"

void ApplyGrootte(CPluvoDoc& doc, ResizePercentages percentages) {
    doc.ResizeX = percentages.horizontal;
    doc.ResizeY = percentages.vertical;
    doc.Schaal(percentages.horizontal, percentages.vertical);
}
