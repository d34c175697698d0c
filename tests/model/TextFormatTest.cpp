// The text exchange format: the exact written form, round trips with the
// binary file and the reading rules.
#include "model/TextFormat.h"

#include "SampleDrawings.h"
#include "model/BinaryFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const std::string kWorkedExample =
    "Pluvo Versie 1c Qrtz3B\n"
    ";Pluvo Versie 1.0t\n"
    "Globale instellingen: SizeRaster, MetCoord, MetRaster, KleurAchtergrond, KleurRaster\n"
    "  32, 0, 1, 15790320, 16777110\n"
    "Thans actieve figuur\n"
    "   0,       0,       0, 6619008, 1, 0, 1, 1,     0,     0,     0,     0, 0,  0,  0, 3,   0\n"
    "\n"
    ";FiguurType, PolyPnt, KleurRand, KleurVul, MetRand, MetVul, RsterPnt,\n"
    ";LijnDikte, p1, p2, Stippel, TekstIndex, FontIndex, nHoek, Reserve\n"
    ";0=lijn, 1=ellips, 2=cirkel, 3=boogkwart, 4=rechthoek, 5=veelhoek, 6=opvullen, 7=tekst, "
    "(8=kopieer, 9=selecteer), 10 = polygoon\n"
    "Figuren, 1\n"
    ";Fig  PolyPnt,  KlRand,KleurVul, R, V, R,LD,           p1,           p2, S,TkI, FI,nH, Res\n"
    "   0,       0,       0, 6619008, 1, 0, 1, 1,    64,    32,   192,   128, 0,  0,  0, 3,   0\n"
    "Teksten, 1\n"
    "  Snelle tekst\n"
    ";Height, Width ,Escapement ,Orientation ,Weight ,Italic ,Underline ,StrikeOut ,CharSet "
    ",OutPrecision ,ClipPrecision ,Quality ,PitchAndFamily , FaceName\n"
    "Fonts, 1\n"
    "; Height,   Width,     Esc,  Orient,  Weight,Ita,Und,Str,ChS,OPr,CPr,Qua,PAF,FaceName\n"
    "     -16,       0,       0,       0,     400,  0,  0,  0,  0,  3,  2,  1, 34,Verdana"
    "                         \n"
    "\n"
    "Punten polygonen, 0\n";

std::string Written(const CPluvoDoc& doc) {
    std::string out;
    WriteText(doc, out);
    return out;
}

// A minimal valid file around the given body lines.
std::string File(const std::string& body) {
    return "Pluvo Versie 1c Qrtz3B\n"
           "Teksten\n  a\n"
           "Fonts\n  -16,0,0,0,400,0,0,0,0,3,2,1,34,Verdana\n" +
           body;
}

TextReadResult Read(CPluvoDoc& doc, const std::string& text) { return ReadText(doc, text); }

std::string Figures(const std::string& line) { return File("Figuren\n" + line + "\n"); }

} // namespace

TEST(TextFormat, WorkedExampleIsWrittenByteForByte) {
    EXPECT_EQ(Written(samples::OneLine()), kWorkedExample);
}

TEST(TextFormat, RoundTripsWithTheBinaryFileAreByteIdentical) {
    const CPluvoDoc original = samples::EveryKind();
    const std::string binary = StoreBinary(original);
    const std::string text = Written(original);

    CPluvoDoc fromText;
    ASSERT_TRUE(ReadText(fromText, text).ok);
    EXPECT_EQ(StoreBinary(fromText), binary) << "binary -> text -> binary";

    CPluvoDoc fromBinary;
    ASSERT_TRUE(LoadBinary(fromBinary, StoreBinary(fromText)));
    EXPECT_EQ(Written(fromBinary), text) << "text -> binary -> text";
}

TEST(TextFormat, WorkedExampleReadsBackAndCrLfLinesReadTheSame) {
    std::string crlf;
    for (char c : kWorkedExample) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {kWorkedExample, crlf}) {
        CPluvoDoc doc;
        doc.PathName = "/tmp/x.txt";
        TakeSnapshot(doc);
        ASSERT_TRUE(ReadText(doc, text).ok);
        EXPECT_EQ(doc.drawing().figures, samples::OneLine().drawing().figures);
        EXPECT_EQ(doc.drawing().texts, std::vector<std::string>{"Snelle tekst"});
        ASSERT_EQ(doc.drawing().fonts.size(), 1u);
        EXPECT_EQ(doc.drawing().fonts[0], CPluvoDoc::DefaultFont("Verdana"));
        EXPECT_TRUE(doc.drawing().points.empty());
        EXPECT_FALSE(doc.CanUndo()) << "reading starts from the new-drawing reset";
        EXPECT_TRUE(doc.PathName.empty());
    }
}

TEST(TextFormat, VersionLineMustMatchExactly) {
    CPluvoDoc doc;
    EXPECT_TRUE(Read(doc, "Pluvo Versie 1c Qrtz3B  \t\n" + File("").substr(23)).ok)
        << "trailing blanks are allowed";
    for (const std::string& bad :
         {std::string(""), std::string("pluvo Versie 1c Qrtz3B\n"), std::string(" ") + File("")}) {
        const TextReadResult r = Read(doc, bad);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.line, 1);
    }
    const TextReadResult alone = Read(doc, "Pluvo Versie 1c Qrtz3B\n");
    EXPECT_FALSE(alone.ok) << "no text and no font";
    EXPECT_EQ(alone.line, 1);
}

TEST(TextFormat, FailureLeavesTheResetDrawingAndCountsEveryLine) {
    CPluvoDoc doc = samples::EveryKind();
    // Line 6 is the settings line, 7 a comment, 8 the figure header, 9 a
    // figure line with 16 values.
    const std::string text = File("Globale\n  8, 1, 1, 1, 1\n;comment\nFiguren\n"
                                  "  0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n");
    const TextReadResult r = Read(doc, text);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 10);
    EXPECT_EQ(doc.drawing().SizeRaster, 32) << "values read before the fault do not survive";
    EXPECT_EQ(doc.drawing().texts, std::vector<std::string>{"Snelle tekst"});
    EXPECT_EQ(doc.drawing().fonts.size(), 1u);
    EXPECT_TRUE(doc.drawing().figures.empty());
}

TEST(TextFormat, NumbersAreTruncatedAndWrappedTo32Bits) {
    struct Case {
        const char* value;
        std::int32_t expected;
    };
    for (const Case c :
         {Case{"3.9", 3}, Case{"-3.9", -3}, Case{"1e2", 100}, Case{"+7", 7},
          Case{"3e9", -1294967296}, Case{"4294967297", 1}, Case{"1e30", 0},
          Case{"12345678901234567890123", 0}, Case{"-2147483649", 2147483647},
          Case{"0.999999999999999999999", 1}, Case{" \t5", 5}, Case{"", 0}, Case{".5e1", 5}}) {
        CPluvoDoc doc;
        const std::string line = std::string("  1,") + c.value + ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
        ASSERT_TRUE(Read(doc, Figures(line)).ok) << c.value;
        ASSERT_EQ(doc.drawing().figures.size(), 1u);
        EXPECT_EQ(doc.drawing().figures[0].PolyPnt, c.expected) << c.value;
    }
    for (const char* notNumber : {"0x10", "inf", "nan", " ,", "1e"}) {
        CPluvoDoc doc;
        const std::string line = std::string("  1,") + notNumber + ",0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
        EXPECT_FALSE(Read(doc, Figures(line)).ok) << notNumber;
    }
}

TEST(TextFormat, DataLinesNeedTheirValuesButIgnoreWhatFollows) {
    CPluvoDoc doc;
    ASSERT_TRUE(Read(doc, Figures("  1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,99 extra")).ok)
        << "an 18th value is ignored";
    EXPECT_EQ(doc.drawing().figures.size(), 1u);
    EXPECT_FALSE(Read(doc, Figures("  1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0")).ok) << "16 values";

    ASSERT_TRUE(Read(doc, File("Punten\n  5,,7\nXu\n* 9,;8\n")).ok);
    EXPECT_EQ(doc.drawing().points, (std::vector<POINT>{{5, 0}, {9, 0}}))
        << "only the first comma is required, and the first character is never looked at";

    ASSERT_TRUE(Read(doc, File("Globale\n  10, 257, -255, 1, 2\n")).ok);
    EXPECT_EQ(doc.drawing().MetCoord, 1);
    EXPECT_EQ(doc.drawing().MetRaster, 1);
    EXPECT_EQ(doc.drawing().SizeRaster, 10);
}

TEST(TextFormat, HeadersChooseSectionsByTheirSecondCharacter) {
    CPluvoDoc doc;
    const std::string fig = "  4,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\n";
    ASSERT_TRUE(Read(doc, File("Figuren, 7\n" + fig + "xi\n" + fig + "Teksten\n  b\n")).ok);
    EXPECT_EQ(doc.drawing().figures.size(), 2u) << "counts in headers are ignored, sections repeat";
    EXPECT_EQ(doc.drawing().texts, (std::vector<std::string>{"a", "b"}));

    for (const std::string& body : {"\n" + fig, "Zz\n" + fig, "X\n" + fig}) {
        const TextReadResult r = Read(doc, File(body));
        EXPECT_FALSE(r.ok) << "data line without a section";
        EXPECT_EQ(r.line, 7);
    }
    EXPECT_EQ(Read(doc, "Pluvo Versie 1c Qrtz3B\n  1, 2\n").line, 2) << "before any header";
}

TEST(TextFormat, IndicesAreCheckedAgainstTheListsAfterTheLastLine) {
    CPluvoDoc doc;
    const std::string figure = "  7,0,0,0,0,0,0,0,0,0,0,0,0,%T,%F,0,0";
    const auto with = [&](const std::string& t, const std::string& f) {
        std::string line = figure;
        line.replace(line.find("%T"), 2, t);
        line.replace(line.find("%F"), 2, f);
        return Figures(line) + ";trailing comment\n";
    };
    const TextReadResult text = Read(doc, with("1", "0"));
    EXPECT_FALSE(text.ok) << "TekstIndex equal to the number of texts";
    EXPECT_EQ(text.line, 8) << "the number of the last line read";
    EXPECT_FALSE(Read(doc, with("0", "1")).ok) << "FontIndex equal to the number of fonts";
    EXPECT_TRUE(Read(doc, with("-4", "-9")).ok) << "negative indices are kept";
    EXPECT_FALSE(Read(doc, "Pluvo Versie 1c Qrtz3B\nTeksten\n  a\n").ok) << "no font";
}

TEST(TextFormat, TextsAndFaceNamesKeepLeadingBlanks) {
    CPluvoDoc doc;
    ASSERT_TRUE(
        Read(doc, File("Teksten\n     three blanks  \n  \nFonts\n  1,2,3,4,5,6,7,8,9,10,11,12,"
                       "300, Face with blank   \n  0,0,0,0,0,0,0,0,0,0,0,0,0,"
                       "A face name that is far too long for the record\n"))
            .ok);
    EXPECT_EQ(doc.drawing().texts, (std::vector<std::string>{"a", "   three blanks", ""}));
    ASSERT_EQ(doc.drawing().fonts.size(), 3u);
    EXPECT_EQ(doc.drawing().fonts[1].FaceName(), " Face with blank");
    EXPECT_EQ(doc.drawing().fonts[1].lfPitchAndFamily, 300 & 0xFF);
    EXPECT_EQ(doc.drawing().fonts[1].lfOrientation, 4);
    EXPECT_EQ(doc.drawing().fonts[2].FaceName(), "A face name that is far too lon") << "cut to 31 bytes";
    EXPECT_FALSE(Read(doc, File("Fonts\n  1,2,3,4,5,6,7,8,9,10,11,12,13\n")).ok)
        << "comma before the face name";
}

TEST(TextFormat, LinesAreReadWholeWhateverTheirLength) {
    CPluvoDoc doc;
    const std::string longer = std::string(600, 'y') + "z  tail";
    ASSERT_TRUE(Read(doc, File("Teksten\n  " + longer + "\n  next\n")).ok);
    EXPECT_EQ(doc.drawing().texts, (std::vector<std::string>{"a", longer, "next"}));

    // A carriage return of a CRLF line end does not count as a character.
    ASSERT_TRUE(Read(doc, File("Teksten\r\n  " + std::string(496, 'w') + "\r\n  next\r\n")).ok);
    EXPECT_EQ(doc.drawing().texts.back(), "next");
}

TEST(TextFormat, WideValuesTakeTheRoomTheyNeedAndBytesAreUnsigned) {
    CPluvoDoc doc;
    Writable(doc).KleurAchtergrond = 0xFFFFFFFF;
    Writable(doc).MetCoord = 255;
    Figuur f;
    f.FiguurType = 10;
    f.PolyPnt = INT32_MIN;
    f.KleurRand = INT32_MAX;
    f.p1 = {-1000000, 123456};
    f.p2 = {INT32_MAX, 5};
    f.TekstIndex = 1234;
    f.Reserve = -99999;
    Writable(doc).figures = {f};
    LogFont font = CPluvoDoc::DefaultFont(std::string(31, 'F'));
    font.lfHeight = -1234567;
    font.lfCharSet = 255;
    font.lfQuality = 128;
    LogFont unterminated = font;
    std::memset(unterminated.lfFaceName, 'G', kFaceSize);
    Writable(doc).fonts = {font, unterminated};

    const std::string text = Written(doc);
    EXPECT_NE(text.find("\n  32, 255, 1, -1, 16777110\n"), std::string::npos)
        << "colours are written as signed values";
    EXPECT_NE(text.find("\n  10,-2147483648,2147483647,       0, 0, 0, 0, 0,-1000000,123456,"
                        "2147483647,     5, 0,1234,  0, 0,-99999\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n  -1234567,       0,       0,       0,     400,  0,  0,  0,255,  3,  2,"
                        "128, 34," +
                        std::string(31, 'F') + " \n"),
              std::string::npos)
        << "a 31-character face name takes one blank of padding, and a font line two blanks "
           "before its height, however wide";
    EXPECT_NE(text.find(",128, 34," + std::string(32, 'G') + "\n"), std::string::npos)
        << "a face name without terminator is written as its 32 bytes, no more";
}

TEST(TextFormat, RepeatedSectionsOverwriteAndTheCurrentFigureCountsForTheIndexCheck) {
    CPluvoDoc doc;
    const std::string current = "Thans\n  5,0,0,0,0,0,0,0,0,0,0,0,0,%T,0,9,0\n";
    std::string body = "Globale\n  8, 1, 1, 1, 1\n" + current + "Globale\n  12, 0, 0, 2, 3\n" +
                       "Thans\n  4,0,0,0,0,0,0,0,0,0,0,0,0,0,0,6,0\n";
    body.replace(body.find("%T"), 2, "0");
    ASSERT_TRUE(Read(doc, File(body)).ok);
    EXPECT_EQ(doc.drawing().SizeRaster, 12) << "the second settings section wins";
    EXPECT_EQ(doc.drawing().KleurRaster, 3u);
    EXPECT_EQ(doc.current.FiguurType, 4) << "the second current figure wins";
    EXPECT_EQ(doc.current.nHoek, 6);

    std::string badCurrent = current;
    badCurrent.replace(badCurrent.find("%T"), 2, "1");
    const TextReadResult r = Read(doc, File(badCurrent));
    EXPECT_FALSE(r.ok) << "the current figure's TekstIndex is checked too";
    EXPECT_EQ(r.line, 7);
}

TEST(TextFormat, ReadingLeavesWhatTheFormatDoesNotCarryAtTheResetValues) {
    CPluvoDoc original = samples::EveryKind();
    Writable(original).texts.push_back("trailing blanks   ");
    CPluvoDoc doc = original;
    Writable(doc).FileReserved = 7;
    doc.PrintFactor = 10;
    doc.ResizeX = 50;
    doc.TextPath = "/tmp/kept.txt";
    WritableSelection(doc) = {1};
    ASSERT_TRUE(ReadText(doc, Written(original)).ok);
    EXPECT_EQ(doc.drawing().FileReserved, 0);
    EXPECT_EQ(doc.PrintFactor, 5);
    EXPECT_EQ(doc.ResizeX, 100);
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_EQ(doc.TextPath, "/tmp/kept.txt") << "the remembered file names stay";
    EXPECT_EQ(doc.drawing().texts.back(), "trailing blanks");
    EXPECT_EQ(doc.drawing().figures, original.drawing().figures);
    EXPECT_EQ(doc.current, original.current);
    EXPECT_EQ(doc.drawing().points, original.drawing().points);
}
