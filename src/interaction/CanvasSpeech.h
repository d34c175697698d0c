// What the canvas tells a screen reader: where the keyboard's cursor (or the
// pointer) stands in grid cells and pixels, what the gesture in progress
// would place there, which figures lie under it with their kinds and
// colours, and the tool. The texts are the interface's language (UserText),
// Dutch unless translated; the view hands them to Qt's accessibility.
#pragma once

#include "render/LineEndIndex.h"
#include "render/Surface.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CPluvoDoc;
class Gesture;

// A colour by name: the named colours (the colour bar's fifteen, black and
// the primaries among them) by their own name, any other as "ongeveer" the
// nearest of them.
std::string ColourName(COLORREF colour);

// A drawing point as the canvas speaks it: the grid point in cells ("2,2")
// when it lies on one, otherwise its pixels ("pixel 70,64"); a grid below 2
// pixels is no grid, and points are pixels ("70,64").
std::string SpokenPoint(POINT p, std::int32_t grid);

// The figures that lie under p, the topmost (the last in the list) first: a
// line whose pen reaches p, a flood fill seeded at p, and any other figure
// whose painted box (FigureBox) holds p. `lineEnds` describes the figure
// list as it is; texts are measured on `measure`.
std::vector<std::size_t> FiguresUnder(const CPluvoDoc& doc, POINT p, const LineEndIndex& lineEnds,
                                      Surface& measure);

class CanvasSpeech {
public:
    // The canvas's value for the point `at` (the cursor, or the pointer over
    // the canvas; nothing when neither is there), one sentence per part:
    // "Rasterpunt 5,4, pixel 160,128. Rechthoek van 2,2 tot 5,4. Onder de
    // cursor: Rechthoek 1, rand zwart, zonder vulling. Gereedschap:
    // Rechthoek".
    std::string Describe(const CPluvoDoc& doc, const Gesture& gesture, std::optional<POINT> at,
                         Surface& measure);

private:
    // The line ends of the drawing as it is, built again when it changed.
    const LineEndIndex& LineEnds(const CPluvoDoc& doc);

    LineEndIndex m_lineEnds;
    std::uint64_t m_revision = ~std::uint64_t{0};
    std::int32_t m_snap = 0;
};
