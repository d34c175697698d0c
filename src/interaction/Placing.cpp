#include "Placing.h"

#include "model/CPluvoDoc.h"
#include "model/Operations.h"
#include "model/Geometry.h"
#include "render/LineEndIndex.h"
#include "render/SchilderFiguur.h"
#include "render/SquareTree.h"
#include "render/Surface.h"

#include <vector>

bool DrawAndAppend(Surface& surface, DrawingEditor& editor, const LineEndIndex& lineEnds) {
    CPluvoDoc& doc = editor.Doc();
    const DrawnFigure drawn = SchilderFiguur(surface, doc, doc.current, lineEnds);
    doc.current.p1 = drawn.figure.p1;
    doc.current.p2 = drawn.figure.p2;
    if (!drawn.storable) return false;
    AppendFigure(editor);
    return true;
}

std::size_t GroeiBoom(Surface& surface, DrawingEditor& editor, POINT a, POINT b,
                      std::int32_t kleurStap) {
    CPluvoDoc& doc = editor.Doc();
    const std::vector<BoomVorm> shapes = BoomVormen(a, b, editor.drawing().SizeRaster);
    // The tree adds no lines, so one index of the line ends serves it all.
    const LineEndIndex lineEnds(editor.figures.Get(), doc.SnapDistance);
    // Every step draws as on a fresh surface, so nothing that drawing the
    // figures selects may stay behind on the caller's surface.
    const Rop2 previousRop = surface.SetROP2(Rop2::CopyPen);
    const Pen previousPen = surface.CurrentPen();
    const Brush previousBrush = surface.CurrentBrush();
    editor.figures.reserve(editor.figures.size() + shapes.size());
    for (const BoomVorm& shape : shapes) {
        Figuur& f = doc.current;
        f.FiguurType = Polygoon;
        f.p1 = shape.p1;
        f.p2 = shape.p2;
        f.KleurVul = static_cast<std::int32_t>(BoomGroen(shape.level, kleurStap));
        f.PolyPnt = static_cast<std::int32_t>(editor.points.size());
        f.nHoek = shape.nCorners;
        editor.points.append(shape.corners.begin(), shape.corners.begin() + shape.nCorners);
        DrawAndAppend(surface, editor, lineEnds);
    }
    surface.SelectBrush(previousBrush);
    surface.SelectPen(previousPen);
    surface.SetROP2(previousRop);
    return shapes.size();
}

std::size_t TwoPointTree(Surface& surface, DrawingEditor& editor, POINT a, POINT b) {
    CPluvoDoc& doc = editor.Doc();
    const std::int32_t kleurVul = doc.current.KleurVul;
    const std::int32_t metVul = doc.current.MetVul;
    doc.current.MetVul = 1;
    const std::int32_t kleurStap = BoomKleurStap(Distance(a, b), editor.drawing().SizeRaster);
    const std::size_t added = GroeiBoom(surface, editor, a, b, kleurStap);
    doc.current.KleurVul = kleurVul;
    doc.current.MetVul = metVul;
    return added;
}
