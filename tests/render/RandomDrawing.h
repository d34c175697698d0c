// Seeded random drawings on a small canvas, for comparing a fast painting
// road with the straightforward one: every figure kind, thin, wide and
// dotted pens, fills, flood fills, free polygons, texts, line ends close
// together so that figures snap, and some figures far outside the canvas.
#pragma once

#include "../model/TestAccess.h"
#include "model/CPluvoDoc.h"

#include <cstdint>

namespace samples {

class Random {
public:
    explicit Random(std::uint32_t seed) : m_state(seed * 2654435761u + 1) {}
    std::uint32_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    std::int32_t Range(std::int32_t lo, std::int32_t hi) { // both included
        return lo + static_cast<std::int32_t>(Next() % static_cast<std::uint32_t>(hi - lo + 1));
    }
    bool OneIn(std::uint32_t n) { return Next() % n == 0; }

private:
    std::uint32_t m_state;
};

// count figures over a canvas of width x height, with a flood fill about
// every fillEvery figures (none when 0).
inline CPluvoDoc RandomDrawing(std::uint32_t seed, int count, std::int32_t width,
                               std::int32_t height, int fillEvery) {
    Random r(seed);
    CPluvoDoc doc;
    Writable(doc).texts = {"Pluvo", "Caf\xE9 \x80"};
    Writable(doc).fonts.push_back(CPluvoDoc::DefaultFont("Arial"));
    LogFont turned = CPluvoDoc::DefaultFont("Arial");
    turned.lfEscapement = turned.lfOrientation = 900;
    Writable(doc).fonts.push_back(turned);
    const auto point = [&] {
        // Mostly on the canvas, on a coarse lattice so that ends meet; now
        // and then well outside it.
        if (r.OneIn(25)) return POINT{r.Range(-3 * width, 4 * width), r.Range(-3 * height, 4 * height)};
        return POINT{r.Range(-20, width + 20) / 4 * 4, r.Range(-20, height + 20) / 4 * 4};
    };
    for (int i = 0; i < count; ++i) {
        Figuur f;
        f.KleurRand = static_cast<std::int32_t>(r.Next() & 0xFFFFFF);
        f.KleurVul = static_cast<std::int32_t>(r.Next() & 0xFFFFFF);
        f.MetRand = r.OneIn(5) ? 0 : 1;
        f.MetVul = r.OneIn(3) ? 1 : 0;
        f.RsterPnt = r.OneIn(2) ? 1 : 0;
        f.LijnDikte = r.OneIn(2) ? 1 : r.Range(2, 6);
        f.Stippel = r.OneIn(4) ? 1 : 0;
        f.nHoek = r.Range(3, 9);
        f.p1 = point();
        f.p2 = r.OneIn(3) ? point()
                          : POINT{f.p1.x + r.Range(-60, 60), f.p1.y + r.Range(-45, 45)};
        static constexpr FiguurSoort kinds[] = {Lijn,      Lijn,      Ellips,   Cirkel, Boogkwart,
                                                Rechthoek, Veelhoek,  Polygoon, Tekst};
        f.FiguurType = kinds[r.Range(0, 8)];
        if (fillEvery > 0 && r.OneIn(static_cast<std::uint32_t>(fillEvery))) {
            f.FiguurType = Opvullen;
            f.p1 = {r.Range(0, width - 1), r.Range(0, height - 1)};
        }
        if (f.FiguurType == Polygoon) {
            f.PolyPnt = static_cast<std::int32_t>(doc.drawing().points.size());
            f.nHoek = r.Range(3, 7);
            for (std::int32_t k = 0; k < f.nHoek; ++k)
                Writable(doc).points.push_back({f.p1.x + r.Range(-50, 50), f.p1.y + r.Range(-40, 40)});
            f.p1 = doc.drawing().points[static_cast<std::size_t>(f.PolyPnt)];
        }
        if (f.FiguurType == Tekst) {
            f.TekstIndex = r.Range(0, 1);
            f.FontIndex = r.Range(0, 1);
        }
        Writable(doc).figures.push_back(f);
    }
    return doc;
}

} // namespace samples
