// What a canvas keeps of the drawing from one change to the next, followed
// through the summaries that the edit road tells: every figure's box, the
// drawing's extent, the line ends that free figures are pulled onto, and
// where the flood fills and the first text are. From a summary it works out
// the damage: the boxes that must be painted again so that the canvas
// equals a fresh paint, at a cost in proportion to the change.
#pragma once

#include "FigureBox.h"
#include "LineEndIndex.h"
#include "model/DrawingChange.h"
#include "model/Figuur.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CPluvoDoc;
class Surface;

class DrawingIndex {
public:
    // What one change spoils on the canvas.
    struct Damage {
        // The whole canvas: a new document, other settings, a change too
        // large to follow figure by figure, or one that a flood fill's area
        // may see.
        bool all = false;
        // Where figures that changed, came or went were and are now.
        std::vector<PixelBox> changed;
        // Where figures are that the line ends pull otherwise now (a line
        // placed, moved or taken away near their ends), before and after.
        std::vector<PixelBox> pulled;

        bool Empty() const { return !all && changed.empty() && pulled.empty(); }
    };

    // Indexes the whole drawing anew; texts are measured on `measure`.
    void Rebuild(const CPluvoDoc& doc, Surface& measure);
    // Follows one change of the drawing, as the road summarised it.
    Damage Follow(const CPluvoDoc& doc, const ChangeSummary& change, Surface& measure);

    // The line ends of the drawing as it is.
    const LineEndIndex& LineEnds() const { return m_lineEnds; }
    // The union of the figures' boxes with (0, 0), as DrawingExtent.
    DrawingBounds Extent() const;
    bool HasFills() const { return m_fills > 0; }
    // The first figure that draws a text, from which on a paint draws with
    // a transparent background; the figure count when there is none.
    std::size_t FirstText(const CPluvoDoc& doc) const;
    // The figures whose paint may reach into `box`, ascending.
    void FiguresIn(const PixelBox& box, std::vector<std::uint32_t>& out) const;
    // Whether the entries describe the drawing as it is now.
    bool Describes(const CPluvoDoc& doc) const;
    // What figure i's paint may touch.
    const PixelBox& ReachOf(std::size_t i) const { return m_reaches[i]; }

private:
    // The box and reach of figure i, worked out for the figure as it is.
    void Measure(const CPluvoDoc& doc, std::size_t i, Surface& measure);

    // One entry a figure, in list order: the figure as its box was worked
    // out (so that a change still knows what went), the box it paints
    // (FigureBox), and what its paint may touch (a text's glyphs overhang
    // its box). Kept apart, so that a search runs over the reaches alone.
    std::vector<Figuur> m_figures;
    std::vector<PixelBox> m_boxes;
    std::vector<PixelBox> m_reaches;
    LineEndIndex m_lineEnds;
    std::int32_t m_snap = 0;
    std::int32_t m_grid = 0;
    std::size_t m_fills = 0;
    bool m_built = false;
    // The drawing's revision that the entries describe.
    std::uint64_t m_revision = 0;
};
