#include "CanvasSpeech.h"

#include "Gesture.h"
#include "ObjectList.h"
#include "ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "model/UserText.h"
#include "model/Win1252.h"
#include "render/FigureBox.h"
#include "render/ViewGeometry.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct NamedColour {
    COLORREF colour;
    const char* name;
};

// The colour bar's fifteen in its order, then black and the primaries and
// their darker halves.
constexpr std::array<NamedColour, 22> kNamedColours = {{
    {RGB(0x80, 0x64, 0x64), PLUVO_TEXT("Colours", "dof rood")},
    {RGB(0x64, 0x80, 0x64), PLUVO_TEXT("Colours", "dof groen")},
    {RGB(0x64, 0x64, 0x80), PLUVO_TEXT("Colours", "dof blauw")},
    {RGB(0xFF, 0x64, 0x64), PLUVO_TEXT("Colours", "lichtrood")},
    {RGB(0x64, 0xFF, 0x64), PLUVO_TEXT("Colours", "lichtgroen")},
    {RGB(0x64, 0x64, 0xFF), PLUVO_TEXT("Colours", "lichtblauw")},
    {RGB(0x80, 0x80, 0x80), PLUVO_TEXT("Colours", "grijs")},
    {RGB(0x80, 0x80, 0x00), PLUVO_TEXT("Colours", "olijfgroen")},
    {RGB(0x00, 0x80, 0x80), PLUVO_TEXT("Colours", "blauwgroen")},
    {RGB(0x80, 0x00, 0x80), PLUVO_TEXT("Colours", "paars")},
    {RGB(0xFF, 0xFF, 0xFF), PLUVO_TEXT("Colours", "wit")},
    {RGB(0xC0, 0xC0, 0xC0), PLUVO_TEXT("Colours", "lichtgrijs")},
    {RGB(0xFF, 0xFF, 0x00), PLUVO_TEXT("Colours", "geel")},
    {RGB(0x00, 0xFF, 0xFF), PLUVO_TEXT("Colours", "cyaan")},
    {RGB(0xFF, 0x00, 0xFF), PLUVO_TEXT("Colours", "magenta")},
    {RGB(0x00, 0x00, 0x00), PLUVO_TEXT("Colours", "zwart")},
    {RGB(0xFF, 0x00, 0x00), PLUVO_TEXT("Colours", "rood")},
    {RGB(0x00, 0xFF, 0x00), PLUVO_TEXT("Colours", "felgroen")},
    {RGB(0x00, 0x00, 0xFF), PLUVO_TEXT("Colours", "blauw")},
    {RGB(0x80, 0x00, 0x00), PLUVO_TEXT("Colours", "donkerrood")},
    {RGB(0x00, 0x80, 0x00), PLUVO_TEXT("Colours", "groen")},
    {RGB(0x00, 0x00, 0x80), PLUVO_TEXT("Colours", "donkerblauw")},
}};

std::string Pair(std::int64_t x, std::int64_t y) {
    return std::to_string(x) + "," + std::to_string(y);
}

std::int64_t Squared(int a, int b) { return std::int64_t{a - b} * (a - b); }

// The squared distance from p to the segment a-b.
double SegmentDistance2(POINT p, POINT a, POINT b) {
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double px = static_cast<double>(p.x) - a.x, py = static_cast<double>(p.y) - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
    const double ex = px - t * dx, ey = py - t * dy;
    return ex * ex + ey * ey;
}

bool BoxHolds(const PixelBox& box, POINT p) {
    return !box.Empty() && p.x >= box.left && p.x <= box.right && p.y >= box.top &&
           p.y <= box.bottom;
}

std::string Colour(std::int32_t value) { return ColourName(static_cast<COLORREF>(value)); }

// A figure under the cursor: its kind and number as the objects list shows
// them, and its colours.
std::string FigureText(const CPluvoDoc& doc, std::size_t index) {
    const Figuur& f = doc.drawing().figures[index];
    std::string text = FigureKindName(f) + " " + std::to_string(index + 1);
    switch (f.FiguurType) {
    case Lijn:
        return text + ", " + FillIn(UserText("CanvasSpeech", "kleur %1"), {Colour(f.KleurRand)});
    case Opvullen:
        return text + ", " + FillIn(UserText("CanvasSpeech", "vulling %1"), {Colour(f.KleurVul)});
    case Tekst:
        if (const std::string* words = doc.TextOf(f)) text += " \"" + Win1252ToUtf8(*words) + "\"";
        return text + ", " + FillIn(UserText("CanvasSpeech", "kleur %1"), {Colour(f.KleurRand)});
    default:
        break;
    }
    text +=
        ", " + (f.MetRand != 0 ? FillIn(UserText("CanvasSpeech", "rand %1"), {Colour(f.KleurRand)})
                               : UserText("CanvasSpeech", "zonder rand"));
    if (f.FiguurType != Boogkwart)
        text += ", " + (f.MetVul != 0
                            ? FillIn(UserText("CanvasSpeech", "vulling %1"), {Colour(f.KleurVul)})
                            : UserText("CanvasSpeech", "zonder vulling"));
    return text;
}

std::string Position(POINT p, std::int32_t grid) {
    if (grid < 2) return FillIn(UserText("CanvasSpeech", "Pixel %1"), {Pair(p.x, p.y)});
    POINT nearest = p;
    Afronden(nearest, grid);
    const std::string cells = Pair(nearest.x / grid, nearest.y / grid);
    if (nearest == p)
        return FillIn(UserText("CanvasSpeech", "Rasterpunt %1, pixel %2"), {cells, Pair(p.x, p.y)});
    return FillIn(UserText("CanvasSpeech", "Pixel %1, bij rasterpunt %2"), {Pair(p.x, p.y), cells});
}

// What the gesture in progress would place with a click at `at`, or what a
// click there places at once; empty when a click only starts a gesture.
std::string GestureText(const CPluvoDoc& doc, const Gesture& gesture, POINT at) {
    const std::int32_t grid = doc.drawing().SizeRaster;
    const Figuur& current = doc.current;
    const auto point = [grid](POINT p) { return SpokenPoint(p, grid); };
    if (!gesture.Bezig())
        return current.FiguurType == Opvullen
                   ? FillIn(UserText("CanvasSpeech", "Vulling bij %1"), {point(at)})
                   : "";
    // The band's end, snapped and constrained as the click will be; the
    // cursor itself before the band shows.
    const POINT to = gesture.LaatstPunt().x != -1 || gesture.LaatstPunt().y != -1 ? current.p2 : at;
    if (gesture.Phase() == GesturePhase::Polygon) {
        const std::span<const POINT> corners = gesture.PolygonPoints();
        if (corners.empty() || !ClosesPolygon(corners.front(), to))
            return FillIn(UserText("CanvasSpeech", "Polygoon: hoek %1 bij %2"),
                          {std::to_string(gesture.NPunten() + 1), point(to)});
        if (corners.size() == 1) return UserText("CanvasSpeech", "Polygoon: sluit, plaatst niets");
        if (corners.size() == 2)
            return FillIn(
                UserText("CanvasSpeech", "Polygoon: sluit, boom van vierkanten van %1 tot %2"),
                {point(corners[0]), point(corners[1])});
        return FillIn(UserText("CanvasSpeech", "Polygoon van %1 hoeken: sluit bij %2"),
                      {std::to_string(corners.size()), point(corners.front())});
    }
    const std::string from = point(current.p1), end = point(to);
    switch (current.FiguurType) {
    case Lijn:
        return FillIn(UserText("CanvasSpeech", "Lijn van %1 tot %2"), {from, end});
    case Ellips:
        return FillIn(UserText("CanvasSpeech", "Ellips van %1 tot %2"), {from, end});
    case Cirkel:
        return FillIn(UserText("CanvasSpeech", "Cirkel om %1 door %2"), {from, end});
    case Boogkwart:
        return FillIn(UserText("CanvasSpeech", "Kwartboog van %1 tot %2"), {from, end});
    case Rechthoek:
        return FillIn(UserText("CanvasSpeech", "Rechthoek van %1 tot %2"), {from, end});
    case Veelhoek:
        return FillIn(UserText("CanvasSpeech", "Veelhoek met %1 hoeken om %2 door %3"),
                      {std::to_string(current.nHoek), from, end});
    case Tekst:
        return FillIn(UserText("CanvasSpeech", "Tekst bij %1"), {end});
    case Kopieer:
        return FillIn(UserText("CanvasSpeech", "Kopie van de selectie naar %1"), {end});
    case Selecteer:
        return FillIn(UserText("CanvasSpeech", "Selectie van %1 tot %2"), {from, end});
    default:
        return "";
    }
}

} // namespace

std::string ColourName(COLORREF colour) {
    colour &= 0xFFFFFF;
    const NamedColour* nearest = &kNamedColours.front();
    std::int64_t best = -1;
    for (const NamedColour& named : kNamedColours) {
        if (named.colour == colour) return UserText("Colours", named.name);
        const std::int64_t d = Squared(GetRValue(named.colour), GetRValue(colour)) +
                               Squared(GetGValue(named.colour), GetGValue(colour)) +
                               Squared(GetBValue(named.colour), GetBValue(colour));
        if (best < 0 || d < best) {
            best = d;
            nearest = &named;
        }
    }
    return FillIn(UserText("Colours", "ongeveer %1"), {UserText("Colours", nearest->name)});
}

std::string SpokenPoint(POINT p, std::int32_t grid) {
    if (grid < 2) return Pair(p.x, p.y);
    if (p.x % grid == 0 && p.y % grid == 0) return Pair(p.x / grid, p.y / grid);
    return FillIn(UserText("CanvasSpeech", "pixel %1"), {Pair(p.x, p.y)});
}

std::vector<std::size_t> FiguresUnder(const CPluvoDoc& doc, POINT p, const LineEndIndex& lineEnds,
                                      Surface& measure) {
    const std::vector<Figuur>& figures = doc.drawing().figures;
    std::vector<std::size_t> under;
    for (std::size_t i = figures.size(); i-- > 0;) {
        const Figuur& f = figures[i];
        bool hit;
        if (f.FiguurType == Opvullen) {
            hit = f.p1 == p;
        } else if (f.FiguurType == Lijn) {
            // Half the pen's width around its path, and a pixel for the
            // path's own steps.
            const double reach = std::max(f.LijnDikte, 1) / 2.0 + 1.0;
            hit = SegmentDistance2(p, f.p1, f.p2) <= reach * reach;
        } else {
            hit = BoxHolds(FigureBox(doc, f, lineEnds, measure), p);
        }
        if (hit) under.push_back(i);
    }
    return under;
}

const LineEndIndex& CanvasSpeech::LineEnds(const CPluvoDoc& doc) {
    if (m_revision != doc.Revision() || m_snap != doc.SnapDistance ||
        m_lineEnds.Covered() != doc.drawing().figures.size()) {
        m_lineEnds.Build(doc.drawing().figures, doc.SnapDistance);
        m_revision = doc.Revision();
        m_snap = doc.SnapDistance;
    }
    return m_lineEnds;
}

std::string CanvasSpeech::Describe(const CPluvoDoc& doc, const Gesture& gesture,
                                   std::optional<POINT> at, Surface& measure) {
    // At most this many figures under the cursor are named one by one.
    constexpr std::size_t kNamed = 5;
    std::vector<std::string> parts;
    if (!at) {
        parts.push_back(
            UserText("CanvasSpeech", "Geen cursor: een pijltjestoets zet hem op het raster"));
    } else {
        parts.push_back(Position(*at, doc.drawing().SizeRaster));
        if (std::string placing = GestureText(doc, gesture, *at); !placing.empty())
            parts.push_back(std::move(placing));
        const std::vector<std::size_t> under = FiguresUnder(doc, *at, LineEnds(doc), measure);
        if (under.empty()) {
            parts.push_back(UserText("CanvasSpeech", "Niets onder de cursor"));
        } else {
            std::string named;
            for (std::size_t k = 0; k < std::min(under.size(), kNamed); ++k)
                named += (k > 0 ? "; " : "") + FigureText(doc, under[k]);
            if (under.size() > kNamed)
                named += "; " + FillIn(UserText("CanvasSpeech", "en %1 meer"),
                                       {std::to_string(under.size() - kNamed)});
            parts.push_back(FillIn(UserText("CanvasSpeech", "Onder de cursor: %1"), {named}));
        }
    }
    const auto tool = static_cast<std::size_t>(doc.current.FiguurType);
    if (tool < kToolNames.size())
        parts.push_back(FillIn(UserText("CanvasSpeech", "Gereedschap: %1"), {ToolName(tool)}));
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ". ") + part;
    return text;
}
