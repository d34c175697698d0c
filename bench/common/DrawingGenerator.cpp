#include "DrawingGenerator.h"

#include <map>
#include <string>

namespace {

// A small PRNG of our own (xorshift32 over a splitmix-scrambled seed), so
// that the drawings do not depend on the standard library's distributions.
class Rng {
public:
    explicit Rng(std::uint32_t seed) {
        std::uint64_t z = seed + 0x9E3779B97F4A7C15ull;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        m_state = static_cast<std::uint32_t>(z ^ (z >> 31));
        if (m_state == 0) m_state = 0x6D2B79F5u;
    }
    std::uint32_t Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    // A value in lo..hi, both included.
    std::int32_t Range(std::int32_t lo, std::int32_t hi) {
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo + 1);
        return static_cast<std::int32_t>(
            lo + static_cast<std::int64_t>((std::uint64_t{Next()} * span) >> 32));
    }
    COLORREF Colour() { return Next() & 0xFFFFFFu; }

private:
    std::uint32_t m_state;
};

constexpr std::int32_t kWidth = 1920;
constexpr std::int32_t kHeight = 1080;
constexpr std::int32_t kMaxW = 400;
constexpr std::int32_t kMaxH = 300;

} // namespace

CPluvoDoc GenerateDrawing(std::size_t figureCount, std::uint32_t seed) {
    Rng rng(seed);
    CPluvoDoc doc;
    Writable(doc).texts = {"Snelle tekst", "Pluvo", "Caf\xE9 \x80 5", "Een langere tekst voor de meting"};
    LogFont bold = CPluvoDoc::DefaultFont("Arial");
    bold.lfHeight = -24;
    bold.lfWeight = 700;
    LogFont turned = CPluvoDoc::DefaultFont("Courier New");
    turned.lfEscapement = turned.lfOrientation = 900;
    Writable(doc).fonts.push_back(bold);
    Writable(doc).fonts.push_back(turned);
    Writable(doc).figures.reserve(figureCount);
    Writable(doc).points.reserve(figureCount / 8 * 6 + 8);

    for (std::size_t i = 0; i < figureCount; ++i) {
        Figuur f;
        f.KleurRand = static_cast<std::int32_t>(rng.Colour());
        f.KleurVul = static_cast<std::int32_t>(rng.Colour());
        f.MetRand = 1;
        f.MetVul = static_cast<std::int32_t>(rng.Next() % 3 == 0);
        f.RsterPnt = static_cast<std::int32_t>(rng.Next() & 1);
        f.LijnDikte = 1;
        f.nHoek = 3;
        const std::int32_t w = rng.Range(1, kMaxW);
        const std::int32_t h = rng.Range(1, kMaxH);
        f.p1 = {rng.Range(0, kWidth - w), rng.Range(0, kHeight - h)};
        f.p2 = {f.p1.x + w, f.p1.y + h};

        const std::int32_t pick = rng.Range(0, 99);
        if (pick < 30) {
            f.FiguurType = Lijn;
            f.LijnDikte = rng.Next() & 1 ? 1 : rng.Range(2, 5);
            f.Stippel = static_cast<std::int32_t>(rng.Range(0, 4) == 0);
            f.MetVul = 0;
        } else if (pick < 44) {
            f.FiguurType = Ellips;
        } else if (pick < 58) {
            f.FiguurType = Cirkel;
            f.p2 = {f.p1.x + w / 2, f.p1.y};
        } else if (pick < 72) {
            f.FiguurType = Rechthoek;
        } else if (pick < 84) {
            f.FiguurType = Veelhoek;
            f.nHoek = rng.Range(3, 12);
            f.p1 = {f.p1.x + w / 2, f.p1.y + h / 2};
        } else if (pick < 96) {
            f.FiguurType = Polygoon;
            f.nHoek = rng.Range(4, 8);
            f.PolyPnt = static_cast<std::int32_t>(doc.drawing().points.size());
            for (std::int32_t k = 0; k < f.nHoek; ++k)
                Writable(doc).points.push_back({rng.Range(f.p1.x, f.p2.x), rng.Range(f.p1.y, f.p2.y)});
            f.p1 = doc.drawing().points[static_cast<std::size_t>(f.PolyPnt)];
            f.p2 = doc.drawing().points[static_cast<std::size_t>(f.PolyPnt) + 1];
        } else {
            f.FiguurType = Tekst;
            f.TekstIndex = rng.Range(0, static_cast<std::int32_t>(doc.drawing().texts.size()) - 1);
            f.FontIndex = rng.Range(0, static_cast<std::int32_t>(doc.drawing().fonts.size()) - 1);
            f.p2 = f.p1;
            f.MetVul = 0;
        }
        Writable(doc).figures.push_back(f);
    }
    return doc;
}

CPluvoDoc& CachedDrawing(std::size_t figureCount) {
    static std::map<std::size_t, CPluvoDoc> cache;
    auto it = cache.find(figureCount);
    if (it == cache.end()) it = cache.emplace(figureCount, GenerateDrawing(figureCount)).first;
    return it->second;
}
