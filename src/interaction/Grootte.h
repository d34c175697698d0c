// The resize command's values: the two percentages by which the whole
// drawing is scaled, and applying them.
#pragma once

#include "Properties.h"

#include <cstdint>

class CPluvoDoc;

struct ResizePercentages {
    std::int32_t horizontal = 100;
    std::int32_t vertical = 100;
    friend bool operator==(const ResizePercentages&, const ResizePercentages&) = default;
};

inline constexpr IntegerRange kResizeRange{-200, 200};

// Remembers the percentages in ResizeX and ResizeY for the next dialog and
// scales the drawing (Schaal); negative percentages mirror. The change of
// the resize command's edit, which takes the undo copy first.
void ApplyGrootte(DrawingEditor& editor, ResizePercentages percentages);
