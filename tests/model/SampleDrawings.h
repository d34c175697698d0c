// Drawings that the file format tests share: the worked example of one line
// and a drawing that uses every figure kind, texts, fonts and points.
#pragma once

#include "TestAccess.h"
#include "model/CPluvoDoc.h"

#include <memory>
#include <string>
#include <vector>

namespace samples {

// The figures of the one-level undo copy; empty when there is none.
inline std::vector<Figuur> UndoFigures(const CPluvoDoc& doc) {
    return doc.UndoState() ? doc.UndoState()->figures : std::vector<Figuur>{};
}
inline std::size_t UndoPointCount(const CPluvoDoc& doc) {
    return doc.UndoState() ? doc.UndoState()->points.size() : 0;
}
inline std::size_t UndoFontCount(const CPluvoDoc& doc) {
    return doc.UndoState() ? doc.UndoState()->fonts.size() : 0;
}
// Some earlier state that Undo could bring back.
inline void GiveUndo(CPluvoDoc& doc, std::vector<Figuur> figures) {
    TestAccess::SetUndo(doc, std::make_shared<const UndoCopy>(UndoCopy{std::move(figures), {}, {}}));
}

// A new drawing with one line from (64, 32) to (192, 128).
inline CPluvoDoc OneLine() {
    CPluvoDoc doc;
    doc.current.p1 = {64, 32};
    doc.current.p2 = {192, 128};
    Writable(doc).figures.push_back(doc.current);
    doc.current.p1 = doc.current.p2 = {0, 0};
    return doc;
}

inline Figuur Make(FiguurSoort type, POINT p1, POINT p2) {
    Figuur f;
    f.FiguurType = type;
    f.KleurRand = 0x0000FF;
    f.KleurVul = 0x64FF80;
    f.MetRand = 1;
    f.LijnDikte = 2;
    f.RsterPnt = 1;
    f.nHoek = 3;
    f.p1 = p1;
    f.p2 = p2;
    return f;
}

// Every stored figure kind, Windows-1252 texts, three fonts and a polygon.
inline CPluvoDoc EveryKind() {
    CPluvoDoc document;
    Drawing& doc = Writable(document);
    doc.SizeRaster = 16;
    doc.MetCoord = 1;
    doc.MetRaster = 0;
    doc.KleurAchtergrond = 0x123456;
    doc.KleurRaster = 0xABCDEF;
    doc.texts.push_back("Caf\xE9 \x80 \x93quote\x94");
    doc.texts.push_back("  leading blanks");
    LogFont bold = CPluvoDoc::DefaultFont("Arial Black");
    bold.lfHeight = -40;
    bold.lfWeight = 700;
    bold.lfItalic = 1;
    LogFont turned = CPluvoDoc::DefaultFont("Courier New");
    turned.lfEscapement = turned.lfOrientation = 900;
    doc.fonts.push_back(bold);
    doc.fonts.push_back(turned);
    doc.points = {{10, 10}, {60, 5}, {80, 70}, {20, 90}, {-5, -7}};

    doc.figures.push_back(Make(Lijn, {64, 32}, {192, 128}));
    Figuur dotted = Make(Lijn, {-1000, 5}, {10000, -20});
    dotted.Stippel = 1;
    doc.figures.push_back(dotted);
    Figuur ellipse = Make(Ellips, {10, 20}, {111, 81});
    ellipse.MetVul = 1;
    doc.figures.push_back(ellipse);
    doc.figures.push_back(Make(Cirkel, {100, 100}, {103, 104}));
    doc.figures.push_back(Make(Boogkwart, {10, 20}, {110, 80}));
    doc.figures.push_back(Make(Rechthoek, {300, 200}, {250, 150}));
    Figuur hexagon = Make(Veelhoek, {100, 100}, {150, 100});
    hexagon.nHoek = 6;
    doc.figures.push_back(hexagon);
    doc.figures.push_back(Make(Opvullen, {40, 40}, {40, 40}));
    Figuur text = Make(Tekst, {50, 60}, {50, 60});
    text.TekstIndex = 1;
    text.FontIndex = 2;
    doc.figures.push_back(text);
    Figuur polygon = Make(Polygoon, {200, 200}, {250, 195});
    polygon.PolyPnt = 0;
    polygon.nHoek = 4;
    doc.figures.push_back(polygon);
    document.current = Make(Veelhoek, {1, 2}, {3, 4});
    document.current.nHoek = 7;
    document.current.TekstIndex = 2;
    document.current.FontIndex = 1;
    return document;
}

} // namespace samples
