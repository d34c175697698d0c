// Merging another binary drawing file into the drawing.
#pragma once

#include "DrawingEditor.h"

#include <string_view>

// Appends the figures of the binary drawing file `bytes` with their texts,
// fonts and points, shifting the figures' text, font and point indices past
// the lists as they were, and selects exactly the appended figures. The
// drawing's settings, current figure, undo copies and modified flag stay.
// A file that is not a whole drawing changes nothing and is Refused; a
// drawing file with empty lists adds nothing but still empties the
// selection.
enum class MergeResult { Refused, Empty, Added };
MergeResult Merge(DrawingEditor& editor, std::string_view bytes);
