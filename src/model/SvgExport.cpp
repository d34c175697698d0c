#include "SvgExport.h"

#include "Geometry.h"
#include "TextFormat.h"
#include "Win1252.h"

#include <algorithm>
#include <charconv>

namespace {

// printf's "%<width>d".
void AppendInt(std::string& out, std::int32_t v, int width) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    const auto n = static_cast<int>(end - digits);
    if (n < width) out.append(static_cast<std::size_t>(width - n), ' ');
    out.append(digits, end);
}

void AppendColor(std::string& out, COLORREF c) {
    out += "rgb(";
    AppendInt(out, GetRValue(c), 3);
    out += ',';
    AppendInt(out, GetGValue(c), 3);
    out += ',';
    AppendInt(out, GetBValue(c), 3);
    out += ')';
}

void AppendStyle(std::string& out, const Figuur& f) {
    out += "style=\"";
    if (f.MetRand != 0) {
        out += "stroke:";
        AppendColor(out, static_cast<COLORREF>(f.KleurRand));
        out += "; stroke-width:";
        AppendInt(out, f.LijnDikte, 4);
        out += "; ";
    } else {
        out += "stroke-width:0; ";
    }
    if (f.Stippel != 0) out += "stroke-dasharray: 3, 3; ";
    if (f.MetVul != 0 && f.FiguurType != Boogkwart) {
        out += "fill:";
        AppendColor(out, static_cast<COLORREF>(f.KleurVul));
        out += ';';
    } else {
        out += "fill:none;";
    }
    out += '"';
}

// UTF-8 text with XML's reserved characters escaped; control characters
// that XML 1.0 does not allow become '?'. Returns whether any did.
bool AppendEscaped(std::string& out, std::string_view utf8) {
    bool replaced = false;
    for (char c : utf8) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default: {
            const auto u = static_cast<unsigned char>(c);
            const bool control = u < 0x20 && u != '\t' && u != '\n' && u != '\r';
            replaced = replaced || control;
            out += control ? '?' : c;
        }
        }
    }
    return replaced;
}

bool AppendStoredText(std::string& out, std::string_view win1252) {
    const bool plain = std::all_of(win1252.begin(), win1252.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return AppendEscaped(out, plain ? std::string(win1252) : Win1252ToUtf8(win1252));
}

// The export's 32-bit arithmetic: it wraps around as the drawing's stored
// values do, and notes when it did, since the number written is then not
// the one the figure means.
class Arithmetic {
public:
    std::int32_t add(std::int32_t a, std::int32_t b) { return Note(std::int64_t{a} + b); }
    std::int32_t sub(std::int32_t a, std::int32_t b) { return Note(std::int64_t{a} - b); }
    std::int32_t mul(std::int32_t a, std::int32_t b) { return Note(std::int64_t{a} * b); }
    std::int32_t neg(std::int32_t a) { return sub(0, a); }
    std::int32_t half(std::int32_t a, std::int32_t b) { return add(a, b) / 2; }
    bool Wrapped() const { return m_wrapped; }

private:
    std::int32_t Note(std::int64_t exact) {
        const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(exact));
        m_wrapped = m_wrapped || wrapped != exact;
        return wrapped;
    }
    bool m_wrapped = false;
};

// Hands the text written so far to the sink once it fills a piece, so that
// the text in memory stays near one piece even inside a long polygon.
struct Spill {
    const SvgSink* sink = nullptr;
    void operator()(std::string& out) const {
        if (sink == nullptr || out.size() < kSvgPieceSize) return;
        (*sink)(out);
        out.clear();
    }
};

void AppendPoints(std::string& out, const Figuur& f, const std::vector<POINT>& points,
                  const Spill& spill) {
    out += "<polygon points=\"";
    for (const POINT& p : points) {
        AppendInt(out, p.x, 4);
        out += ',';
        AppendInt(out, p.y, 4);
        out += ' ';
        spill(out);
    }
    out += "\" ";
    AppendStyle(out, f);
    out += " />\n";
}

struct Box {
    std::int32_t l, t, r, b;
};

Box Normalised(const Figuur& f) {
    return {std::min(f.p1.x, f.p2.x), std::min(f.p1.y, f.p2.y), std::max(f.p1.x, f.p2.x),
            std::max(f.p1.y, f.p2.y)};
}

// What the export could not write as the drawing holds it, the first
// thing found.
struct Losses {
    Misfit first;
    void Note(Misfit::Kind kind, std::int64_t item) {
        if (!first) first = {kind, item, 0};
    }
};

void WriteFigure(const CPluvoDoc& doc, std::size_t index, std::string& out,
                 std::vector<POINT>& scratch, const Spill& spill, Losses& losses) {
    const Figuur& f = doc.drawing().figures[index];
    Arithmetic calc;
    const Box box = Normalised(f);
    const auto attr = [&](const char* name, std::int32_t v) {
        out += name;
        out += "=\"";
        AppendInt(out, v, 4);
        out += "\" ";
    };
    switch (f.FiguurType) {
    case Lijn:
        out += "<line ";
        attr("x1", f.p1.x);
        attr("y1", f.p1.y);
        attr("x2", f.p2.x);
        attr("y2", f.p2.y);
        break;
    case Ellips: {
        const std::int32_t cx = calc.half(box.l, box.r);
        const std::int32_t cy = calc.half(box.t, box.b);
        out += "<ellipse ";
        attr("cx", cx);
        attr("cy", cy);
        attr("rx", calc.sub(box.r, cx));
        attr("ry", calc.sub(box.b, cy));
        break;
    }
    case Cirkel:
        out += "<circle ";
        attr("cx", f.p1.x);
        attr("cy", f.p1.y);
        attr("r", Distance(f.p1, f.p2));
        break;
    case Boogkwart: {
        const std::int32_t rx = calc.mul(2, calc.sub(box.r, calc.half(box.l, box.r)));
        const std::int32_t ry = calc.mul(2, calc.sub(box.b, calc.half(box.t, box.b)));
        const bool falling =
            (f.p2.x < f.p1.x && f.p2.y < f.p1.y) || (f.p2.x > f.p1.x && f.p2.y > f.p1.y);
        const POINT start = falling ? POINT{f.p1.x, f.p2.y} : POINT{f.p2.x, f.p1.y};
        const POINT end = falling ? POINT{f.p2.x, f.p1.y} : POINT{f.p1.x, f.p2.y};
        out += "<path d=\"M ";
        AppendInt(out, start.x, 4);
        out += ',';
        AppendInt(out, start.y, 4);
        out += " A ";
        AppendInt(out, rx, 4);
        out += ',';
        AppendInt(out, ry, 4);
        out += " 0, 0, 0, ";
        AppendInt(out, end.x, 4);
        out += ", ";
        AppendInt(out, end.y, 4);
        out += "\" ";
        break;
    }
    case Rechthoek:
        out += "<rect ";
        attr("x", box.l);
        attr("y", box.t);
        attr("width", calc.sub(box.r, box.l));
        attr("height", calc.sub(box.b, box.t));
        break;
    case Veelhoek:
        if (f.nHoek < 1 || f.nHoek > kMaxSvgCorners) return;
        AppendPoints(out, f, RegularPolygonPoints(f.nHoek, f.p1, f.p2), spill);
        return;
    case Polygoon: {
        if (!doc.PolygonVertices(f, scratch)) return;
        AppendPoints(out, f, scratch, spill);
        return;
    }
    case Tekst: {
        const std::string* text = doc.TextOf(f);
        const LogFont* fontOf = doc.FontOf(f);
        if (!text || !fontOf) return;
        const LogFont& font = *fontOf;
        const auto item = static_cast<std::int64_t>(index);
        out += "<text ";
        attr("x", f.p1.x);
        attr("y", calc.sub(f.p1.y, font.lfHeight));
        attr("font-size", calc.neg(font.lfHeight));
        out += "fill=\"";
        AppendColor(out, static_cast<COLORREF>(f.KleurRand));
        out += "\" font-family=\"";
        if (AppendStoredText(out, font.FaceName()))
            losses.Note(Misfit::Kind::FaceControl, f.FontIndex);
        out += "\" ";
        const std::int32_t angle = (calc.sub(3600, font.lfOrientation) % 3600) / 10;
        if (angle != 0) {
            out += "transform=\"rotate(";
            AppendInt(out, angle, 4);
            out += ',';
            AppendInt(out, f.p1.x, 4);
            out += ',';
            AppendInt(out, f.p1.y, 4);
            out += ")\" ";
        }
        out += '>';
        if (AppendStoredText(out, *text)) losses.Note(Misfit::Kind::TextControl, f.TekstIndex);
        out += "</text>\n";
        if (calc.Wrapped()) losses.Note(Misfit::Kind::ValueWraps, item);
        return;
    }
    default:
        return; // opvullen, the tool values and unknown kinds
    }
    AppendStyle(out, f);
    out += " />\n";
    if (calc.Wrapped()) losses.Note(Misfit::Kind::ValueWraps, static_cast<std::int64_t>(index));
}

void WriteDocument(const CPluvoDoc& doc, std::string_view title, std::string& out,
                   const Spill& spill, Losses& losses) {
    out += "<?xml version=\"1.0\" standalone=\"no\"?>\n"
           "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
           "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
           "<svg width=\"100%\" height=\"100%\" version=\"1.1\" "
           "xmlns=\"http://www.w3.org/2000/svg\">\n"
           "<title>";
    AppendEscaped(out, title);
    out += "</title>\n<desc>Generated by ";
    out += VersionText;
    out += "</desc>\n";
    std::vector<POINT> scratch;
    for (std::size_t i = 0; i < doc.drawing().figures.size(); ++i) {
        WriteFigure(doc, i, out, scratch, spill, losses);
        spill(out);
    }
    out += "</svg>\n";
}

} // namespace

std::string SvgColor(COLORREF colour) {
    std::string out;
    AppendColor(out, colour);
    return out;
}

std::string SvgStyle(const Figuur& figure) {
    std::string out;
    AppendStyle(out, figure);
    return out;
}

void WriteSvg(const CPluvoDoc& doc, std::string_view title, std::string& out) {
    out.reserve(out.size() + 400 + doc.drawing().figures.size() * 150);
    Losses losses;
    WriteDocument(doc, title, out, Spill{}, losses);
}

void WriteSvg(const CPluvoDoc& doc, std::string_view title, const SvgSink& sink) {
    std::string piece;
    piece.reserve(kSvgPieceSize + 1024);
    Losses losses;
    WriteDocument(doc, title, piece, Spill{&sink}, losses);
    if (!piece.empty()) sink(piece);
}

Misfit SvgMisfit(const CPluvoDoc& doc) {
    // The export itself finds what it cannot write; its text goes nowhere.
    const SvgSink discard = [](std::string_view) {};
    std::string piece;
    Losses losses;
    WriteDocument(doc, "", piece, Spill{&discard}, losses);
    return losses.first;
}
