#include "TextFormat.h"

#include "BinaryFile.h"

#include <charconv>

namespace {

// --- Writing ---------------------------------------------------------------

class LineWriter {
public:
    explicit LineWriter(std::string& out) : m_out(out) {}

    // printf's "%<width>d": right-aligned, padded with blanks on the left.
    void Int(std::int64_t v, int width) { Padded(v, width, 0); }
    // The first value of a figure or font line: padded as "%<width>d", and
    // with at least two blanks however wide the value, since the reader
    // takes only a line whose second character is a blank for a data line.
    void FirstInt(std::int64_t v, int width) { Padded(v, width, 2); }
    void Text(std::string_view s) { m_out.append(s); }
    void Char(char c) { m_out.push_back(c); }

private:
    void Padded(std::int64_t v, int width, int leastBlanks) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
        const auto n = static_cast<int>(end - digits);
        const int blanks = width - n > leastBlanks ? width - n : leastBlanks;
        if (blanks > 0) m_out.append(static_cast<std::size_t>(blanks), ' ');
        m_out.append(digits, end);
    }

    std::string& m_out;
};

void WriteFigure(LineWriter& w, const Figuur& f) {
    w.FirstInt(f.FiguurType, 4);
    w.Char(',');
    w.Int(f.PolyPnt, 8);
    w.Char(',');
    w.Int(f.KleurRand, 8);
    w.Char(',');
    w.Int(f.KleurVul, 8);
    w.Char(',');
    w.Int(f.MetRand, 2);
    w.Char(',');
    w.Int(f.MetVul, 2);
    w.Char(',');
    w.Int(f.RsterPnt, 2);
    w.Char(',');
    w.Int(f.LijnDikte, 2);
    w.Char(',');
    w.Int(f.p1.x, 6);
    w.Char(',');
    w.Int(f.p1.y, 6);
    w.Char(',');
    w.Int(f.p2.x, 6);
    w.Char(',');
    w.Int(f.p2.y, 6);
    w.Char(',');
    w.Int(f.Stippel, 2);
    w.Char(',');
    w.Int(f.TekstIndex, 3);
    w.Char(',');
    w.Int(f.FontIndex, 3);
    w.Char(',');
    w.Int(f.nHoek, 2);
    w.Char(',');
    w.Int(f.Reserve, 4);
    w.Char('\n');
}

void WriteFont(LineWriter& w, const LogFont& font) {
    w.FirstInt(font.lfHeight, 8);
    w.Char(',');
    for (std::int32_t v : {font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight}) {
        w.Int(v, 8);
        w.Char(',');
    }
    for (std::uint8_t v :
         {font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
          font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily}) {
        w.Int(v, 3);
        w.Char(',');
    }
    const std::string_view face = font.FaceName();
    w.Text(face);
    if (face.size() < kFaceSize)
        w.Text(std::string_view("                                ", kFaceSize - face.size()));
    w.Char('\n');
}

// --- Reading ---------------------------------------------------------------

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimRight(std::string_view s) {
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

// Hands out the stream's lines whole, whatever their length: a line ends
// at its line feed or at the end of the text, and a carriage return right
// before the line feed belongs to the line end. Lines are returned without
// their line end and cut at a zero byte.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}

    bool Next(std::string_view& line) {
        if (m_pos == m_text.size()) return false;
        const std::size_t nl = m_text.find('\n', m_pos);
        const std::size_t end = nl == std::string_view::npos ? m_text.size() : nl;
        line = m_text.substr(m_pos, end - m_pos);
        if (nl != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        m_pos = nl == std::string_view::npos ? end : end + 1;
        line = line.substr(0, line.find('\0'));
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The value of a decimal number as strtod reads it in the C locale, cut
// toward zero to a 64-bit integer and kept to its low 32 bits; 0 beyond the
// 64-bit range. `digits` is the number's text without its sign.
std::int32_t ConvertSlow(std::string_view digits, bool negative) {
    double v = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), v);
    if (result.ec != std::errc{}) return 0; // overflows and underflows both end at 0
    if (negative) v = -v;
    constexpr double kTwo63 = 9223372036854775808.0;
    if (!(v < kTwo63 && v >= -kTwo63)) return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(v)));
}

// Reads numbers and the commas between them from a data line.
class FieldParser {
public:
    explicit FieldParser(std::string_view s) : m_p(s.data()), m_end(s.data() + s.size()) {}

    // One value; a field without a number reads as 0 and consumes nothing.
    std::int32_t Number() {
        const char* p = m_p;
        while (p < m_end && IsSpace(*p)) ++p;
        bool negative = false;
        if (p < m_end && (*p == '+' || *p == '-')) negative = *p++ == '-';
        const char* intStart = p;
        std::uint64_t whole = 0;
        while (p < m_end && IsDigit(*p)) whole = whole * 10 + static_cast<unsigned>(*p++ - '0');
        const auto intDigits = static_cast<std::size_t>(p - intStart);
        std::size_t fracDigits = 0;
        if (p < m_end && *p == '.') {
            const char* frac = ++p;
            while (p < m_end && IsDigit(*p)) ++p;
            fracDigits = static_cast<std::size_t>(p - frac);
        }
        if (intDigits + fracDigits == 0) return 0; // no number: nothing consumed
        bool exponent = false;
        if (p < m_end && (*p == 'e' || *p == 'E')) {
            const char* e = p + 1;
            if (e < m_end && (*e == '+' || *e == '-')) ++e;
            if (e < m_end && IsDigit(*e)) {
                while (e < m_end && IsDigit(*e)) ++e;
                p = e;
                exponent = true;
            }
        }
        const char* numberStart = intStart;
        m_p = p;
        // Up to 15 significant digits and no exponent, the double that strtod
        // would give truncates to the integer part exactly.
        if (!exponent && intDigits + fracDigits <= 15) {
            const auto v = static_cast<std::int64_t>(whole);
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(negative ? -v : v));
        }
        return ConvertSlow(std::string_view(numberStart, static_cast<std::size_t>(p - numberStart)),
                           negative);
    }

    bool Comma() {
        if (m_p == m_end || *m_p != ',') return false;
        ++m_p;
        return true;
    }

    // Reads `count` values separated by commas.
    bool Numbers(std::int32_t* values, int count) {
        for (int i = 0; i < count; ++i) {
            if (i > 0 && !Comma()) return false;
            values[i] = Number();
        }
        return true;
    }

    std::string_view Rest() const { return {m_p, static_cast<std::size_t>(m_end - m_p)}; }

private:
    const char* m_p;
    const char* m_end;
};

enum class Section { None, Settings, Current, Figures, Texts, Fonts, Points };

Section SectionOf(std::string_view header) {
    switch (header.size() < 2 ? '\0' : header[1]) {
    case 'l':
        return Section::Settings;
    case 'h':
        return Section::Current;
    case 'i':
        return Section::Figures;
    case 'e':
        return Section::Texts;
    case 'o':
        return Section::Fonts;
    case 'u':
        return Section::Points;
    default:
        return Section::None;
    }
}

Figuur FigureFrom(const std::int32_t (&v)[17]) {
    Figuur f;
    f.FiguurType = v[0];
    f.PolyPnt = v[1];
    f.KleurRand = v[2];
    f.KleurVul = v[3];
    f.MetRand = v[4];
    f.MetVul = v[5];
    f.RsterPnt = v[6];
    f.LijnDikte = v[7];
    f.p1 = {v[8], v[9]};
    f.p2 = {v[10], v[11]};
    f.Stippel = v[12];
    f.TekstIndex = v[13];
    f.FontIndex = v[14];
    f.nHoek = v[15];
    f.Reserve = v[16];
    return f;
}

std::uint8_t LowByte(std::int32_t v) { return static_cast<std::uint8_t>(v & 0xFF); }

class TextReader {
public:
    explicit TextReader(StoredDrawing& out) : m_out(out), m_drawing(out.drawing) {}

    // Parses one data line from its third character; false on a fault.
    bool DataLine(std::string_view data) {
        FieldParser in(data);
        switch (m_section) {
        case Section::None:
            return false;
        case Section::Settings: {
            // Each value is stored as soon as it is read.
            m_drawing.SizeRaster = in.Number();
            if (!in.Comma()) return false;
            m_drawing.MetCoord = LowByte(in.Number());
            if (!in.Comma()) return false;
            m_drawing.MetRaster = LowByte(in.Number());
            if (!in.Comma()) return false;
            m_drawing.KleurAchtergrond = static_cast<COLORREF>(in.Number());
            if (!in.Comma()) return false;
            m_drawing.KleurRaster = static_cast<COLORREF>(in.Number());
            return true;
        }
        case Section::Current:
        case Section::Figures: {
            std::int32_t v[17];
            if (!in.Numbers(v, 17)) return false;
            if (m_section == Section::Current)
                m_out.current = FigureFrom(v);
            else
                m_drawing.figures.push_back(FigureFrom(v));
            if (v[13] > m_maxText) m_maxText = v[13];
            if (v[14] > m_maxFont) m_maxFont = v[14];
            return true;
        }
        case Section::Texts:
            m_drawing.texts.emplace_back(TrimRight(data));
            return true;
        case Section::Fonts: {
            std::int32_t v[13];
            if (!in.Numbers(v, 13) || !in.Comma()) return false;
            LogFont font;
            font.lfHeight = v[0];
            font.lfWidth = v[1];
            font.lfEscapement = v[2];
            font.lfOrientation = v[3];
            font.lfWeight = v[4];
            font.lfItalic = LowByte(v[5]);
            font.lfUnderline = LowByte(v[6]);
            font.lfStrikeOut = LowByte(v[7]);
            font.lfCharSet = LowByte(v[8]);
            font.lfOutPrecision = LowByte(v[9]);
            font.lfClipPrecision = LowByte(v[10]);
            font.lfQuality = LowByte(v[11]);
            font.lfPitchAndFamily = LowByte(v[12]);
            // A face name longer than the record holds is cut to 31 bytes.
            font.SetFaceName(TrimRight(in.Rest()));
            m_drawing.fonts.push_back(font);
            return true;
        }
        case Section::Points: {
            std::int32_t v[2];
            if (!in.Numbers(v, 2)) return false;
            m_drawing.points.push_back({v[0], v[1]});
            return true;
        }
        }
        return false;
    }

    void Header(std::string_view line) { m_section = SectionOf(line); }

    bool IndicesFit() const {
        return !m_drawing.texts.empty() && !m_drawing.fonts.empty() &&
               m_maxText < static_cast<std::int64_t>(m_drawing.texts.size()) &&
               m_maxFont < static_cast<std::int64_t>(m_drawing.fonts.size());
    }

private:
    StoredDrawing& m_out;
    Drawing& m_drawing;
    Section m_section = Section::None;
    std::int64_t m_maxText = -1;
    std::int64_t m_maxFont = 0;
};

// A text or face name on a line of its own: a line feed would end the line
// and white space at its end is dropped when read.
Misfit OffLine(std::string_view s, Misfit::Kind lineFeed, Misfit::Kind endsInBlank,
               std::int64_t item) {
    if (s.find('\n') != std::string_view::npos) return {lineFeed, item};
    if (!s.empty() && IsSpace(s.back())) return {endsInBlank, item};
    return {};
}

Misfit IndexPast(const Drawing& drawing, const Figuur& f, std::int64_t item) {
    if (f.TekstIndex >= static_cast<std::int64_t>(drawing.texts.size()))
        return {Misfit::Kind::TextIndexPast, item, f.TekstIndex};
    if (f.FontIndex >= static_cast<std::int64_t>(drawing.fonts.size()))
        return {Misfit::Kind::FontIndexPast, item, f.FontIndex};
    return {};
}

TextReadResult Fail(StoredDrawing& out, std::int64_t line) {
    out = CPluvoDoc::NewDrawing();
    return {false, line};
}

} // namespace

void WriteText(const CPluvoDoc& doc, std::string& out) {
    std::size_t estimate =
        1200 + doc.drawing().figures.size() * 92 + doc.drawing().points.size() * 16 + doc.drawing().fonts.size() * 110;
    for (const std::string& text : doc.drawing().texts) estimate += text.size() + 3;
    out.reserve(out.size() + estimate);

    LineWriter w(out);
    w.Text(CPluvoDoc::VersionMagic);
    w.Text("\n;");
    w.Text(VersionText);
    w.Text("\nGlobale instellingen: SizeRaster, MetCoord, MetRaster, KleurAchtergrond, "
           "KleurRaster\n  ");
    w.Int(doc.drawing().SizeRaster, 0);
    w.Text(", ");
    w.Int(doc.drawing().MetCoord, 0);
    w.Text(", ");
    w.Int(doc.drawing().MetRaster, 0);
    w.Text(", ");
    w.Int(static_cast<std::int32_t>(doc.drawing().KleurAchtergrond), 0);
    w.Text(", ");
    w.Int(static_cast<std::int32_t>(doc.drawing().KleurRaster), 0);
    w.Text("\nThans actieve figuur\n");
    WriteFigure(w, doc.current);
    w.Text("\n"
           ";FiguurType, PolyPnt, KleurRand, KleurVul, MetRand, MetVul, RsterPnt,\n"
           ";LijnDikte, p1, p2, Stippel, TekstIndex, FontIndex, nHoek, Reserve\n"
           ";0=lijn, 1=ellips, 2=cirkel, 3=boogkwart, 4=rechthoek, 5=veelhoek, 6=opvullen, "
           "7=tekst, (8=kopieer, 9=selecteer), 10 = polygoon\n"
           "Figuren, ");
    w.Int(static_cast<std::int64_t>(doc.drawing().figures.size()), 0);
    w.Text("\n;Fig  PolyPnt,  KlRand,KleurVul, R, V, R,LD,           p1,           p2, "
           "S,TkI, FI,nH, Res\n");
    for (const Figuur& f : doc.drawing().figures) WriteFigure(w, f);
    w.Text("Teksten, ");
    w.Int(static_cast<std::int64_t>(doc.drawing().texts.size()), 0);
    w.Char('\n');
    for (const std::string& text : doc.drawing().texts) {
        w.Text("  ");
        w.Text(text);
        w.Char('\n');
    }
    w.Text(";Height, Width ,Escapement ,Orientation ,Weight ,Italic ,Underline ,StrikeOut "
           ",CharSet ,OutPrecision ,ClipPrecision ,Quality ,PitchAndFamily , FaceName\n"
           "Fonts, ");
    w.Int(static_cast<std::int64_t>(doc.drawing().fonts.size()), 0);
    w.Text("\n; Height,   Width,     Esc,  Orient,  "
           "Weight,Ita,Und,Str,ChS,OPr,CPr,Qua,PAF,FaceName\n");
    for (const LogFont& font : doc.drawing().fonts) WriteFont(w, font);
    w.Text("\nPunten polygonen, ");
    w.Int(static_cast<std::int64_t>(doc.drawing().points.size()), 0);
    w.Char('\n');
    for (const POINT& p : doc.drawing().points) {
        w.Text("  ");
        w.Int(p.x, 0);
        w.Text(", ");
        w.Int(p.y, 0);
        w.Char('\n');
    }
}

Misfit TextMisfit(const Drawing& drawing, const Figuur& current) {
    using Kind = Misfit::Kind;
    if (const Misfit shared = BinaryMisfit(drawing)) return shared;
    if (drawing.FileReserved != 0) return {Kind::FileReserved, 0, drawing.FileReserved};
    for (std::size_t i = 0; i < drawing.texts.size(); ++i)
        if (const Misfit off = OffLine(drawing.texts[i], Kind::TextLineFeed,
                                       Kind::TextEndsInBlank, static_cast<std::int64_t>(i)))
            return off;
    for (std::size_t i = 0; i < drawing.fonts.size(); ++i) {
        const auto item = static_cast<std::int64_t>(i);
        const LogFont& font = drawing.fonts[i];
        const std::string_view face = font.FaceName();
        if (face.size() == kFaceSize) return {Kind::FaceTooLong, item};
        if (const Misfit off = OffLine(face, Kind::FaceLineFeed, Kind::FaceEndsInBlank, item))
            return off;
        for (std::size_t b = face.size(); b < kFaceSize; ++b)
            if (font.lfFaceName[b] != 0) return {Kind::FaceHiddenBytes, item};
    }
    if (drawing.texts.empty()) return {Kind::NoText};
    if (drawing.fonts.empty()) return {Kind::NoFont};
    if (const Misfit past = IndexPast(drawing, current, -1)) return past;
    for (std::size_t i = 0; i < drawing.figures.size(); ++i) {
        const auto item = static_cast<std::int64_t>(i);
        if (const Misfit past = IndexPast(drawing, drawing.figures[i], item)) return past;
    }
    return {};
}

TextReadResult ReadText(std::string_view text, StoredDrawing& out) {
    out = CPluvoDoc::NewDrawing();
    out.drawing.texts.clear();
    out.drawing.fonts.clear();
    out.drawing.points.clear();

    LineReader lines(text);
    std::string_view line;
    if (!lines.Next(line) || TrimRight(line) != CPluvoDoc::VersionMagic) return Fail(out, 1);

    TextReader reader(out);
    std::int64_t number = 1;
    while (lines.Next(line)) {
        ++number;
        if (!line.empty() && line[0] == ';') continue;
        if (line.size() < 2 || line[1] != ' ') {
            reader.Header(line);
            continue;
        }
        if (!reader.DataLine(line.substr(2))) return Fail(out, number);
    }
    if (!reader.IndicesFit()) return Fail(out, number);
    return {true, 0};
}
