// The preview of the selection's copies, or of the selection being moved or
// pasted, for a large selection. Not-xor twice at a pixel is
// an XOR with both colours, so the preview of all copies is one mask of XOR
// values; a copy moved by whole pixels covers the same pixels moved, so the
// mask is drawn once per gesture and applied shifted at every move. Only the
// copies that are pulled onto line ends at a position differ from the shifted
// mask: they are drawn away unpulled and drawn pulled, one by one.
#pragma once

#include "RasterSurface.h"

#include <cstdint>
#include <vector>

class CPluvoDoc;
class LineEndIndex;

class CopyPreview {
public:
    // Draws the copies of the selection moved so that the point `anchor`
    // lands on p, in not-xor, with the pixels that drawing each copy with
    // SchilderFiguur (pulled onto line ends as lineEnds finds them) gives on
    // an opaque canvas; drawing it again removes it. The surface (a raster
    // surface, or one in drawing coordinates over it) must have the raster
    // operation not-xor. False when it cannot (another surface, p off the
    // canvas, a canvas too large for a mask) and nothing was drawn.
    bool Draw(Surface& surface, const CPluvoDoc& doc, POINT anchor, POINT p,
              const LineEndIndex& lineEnds);

    // Lets go of the mask.
    void Forget();

private:
    bool Current(const RasterSurface& surface, const CPluvoDoc& doc, POINT anchor) const;
    void Build(const RasterSurface& surface, const CPluvoDoc& doc, POINT anchor, POINT p,
               const LineEndIndex& lineEnds);

    // What the mask was made for.
    std::uint64_t m_revision = 0;
    std::vector<std::uint32_t> m_selection;
    std::int32_t m_width = 0, m_height = 0;
    BkMode m_bkMode = BkMode::Opaque;
    POINT m_anchor;
    bool m_built = false;

    // The copies for a pointer at (m_width, m_height) on 2 m_width x
    // 2 m_height pixels: 0 where nothing was drawn, else 0xFF000000 | the
    // XOR of the not-xor colours. Rows m_top..m_bottom-1 and columns
    // m_left..m_right-1 hold all that is not 0.
    std::vector<Pixel> m_mask;
    std::int64_t m_left = 0, m_right = 0, m_top = 0, m_bottom = 0;
    // The figures in the mask whose copies a position may pull onto line
    // ends, and those drawn at every move: too far out for the mask, or
    // pulled where the gesture started.
    std::vector<std::uint32_t> m_snapping;
    std::vector<std::uint32_t> m_direct;
};
