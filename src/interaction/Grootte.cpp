#include "Grootte.h"

#include "model/CPluvoDoc.h"
#include "model/Operations.h"

void ApplyGrootte(DrawingEditor& editor, ResizePercentages percentages) {
    CPluvoDoc& doc = editor.Doc();
    doc.ResizeX = percentages.horizontal;
    doc.ResizeY = percentages.vertical;
    Schaal(editor, percentages.horizontal, percentages.vertical);
}
