// Opening and saving by file name: the format chosen by the name, and what a
// rejected or unreadable file leaves behind.
#include "model/DrawingFile.h"

#include "SampleDrawings.h"
#include "TestAccess.h"
#include "model/BinaryFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>
#include <unistd.h>

TEST(DrawingFile, OnlyLowerCaseTxtNamesUseTheTextFormat) {
    const CPluvoDoc doc = samples::OneLine();
    EXPECT_EQ(SerializeDrawing(doc, "/tmp/a.TXT"), StoreBinary(doc));
    EXPECT_EQ(SerializeDrawing(doc, "/tmp/a.plv"), StoreBinary(doc));
    EXPECT_TRUE(SerializeDrawing(doc, "/tmp/a.txt").starts_with("Pluvo Versie 1c Qrtz3B\n;"));

    CPluvoDoc loaded;
    EXPECT_EQ(LoadDrawing(loaded, "x.txt", SerializeDrawing(doc, "x.txt")).status,
              OpenStatus::Opened);
    EXPECT_EQ(loaded.drawing().figures, doc.drawing().figures);
    EXPECT_EQ(LoadDrawing(loaded, "x.TXT", SerializeDrawing(doc, "x.txt")).status,
              OpenStatus::Rejected);
}

TEST(DrawingFile, OpeningNamesTheDrawingAndDropsTheUndoCopies) {
    CPluvoDoc doc = samples::OneLine();
    TakeSnapshot(doc);
    doc.SetModifiedFlag(true);
    for (const char* name : {"/tmp/a.plv", "/tmp/a.txt"}) {
        TakeSnapshot(doc);
        ASSERT_EQ(LoadDrawing(doc, name, SerializeDrawing(samples::EveryKind(), name)).status,
                  OpenStatus::Opened);
        EXPECT_EQ(doc.PathName, name);
        EXPECT_FALSE(doc.CanUndo());
        EXPECT_EQ(samples::UndoFontCount(doc), 0u);
        EXPECT_EQ(samples::UndoPointCount(doc), 0u);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.drawing().figures, samples::EveryKind().drawing().figures);
    }
}

TEST(DrawingFile, RejectedFileLeavesAnUnnamedNewDrawingAndExplainsWhy) {
    CPluvoDoc doc = samples::EveryKind();
    doc.PathName = "/tmp/old.plv";
    const OpenResult binary = LoadDrawing(doc, "/tmp/bad.plv", "not a drawing");
    EXPECT_EQ(binary.status, OpenStatus::Rejected);
    EXPECT_TRUE(doc.PathName.empty());
    EXPECT_TRUE(doc.drawing().figures.empty());
    EXPECT_EQ(RejectionMessages(binary), std::vector<std::string>{"Incorrect bestand"});

    const OpenResult text = LoadDrawing(doc, "/tmp/bad.txt", "Pluvo Versie 1c Qrtz3B\n\n  1\n");
    EXPECT_EQ(text.status, OpenStatus::Rejected);
    EXPECT_TRUE(doc.PathName.empty());
    EXPECT_EQ(RejectionMessages(text),
              (std::vector<std::string>{"Fout in bestand op regel 3", "Incorrect bestand"}));
}

TEST(DrawingFile, UnreadableFileChangesNothing) {
    CPluvoDoc doc = samples::EveryKind();
    doc.PathName = "/tmp/kept.plv";
    for (const std::string path : {"/nonexistent/pluvo/x.txt", "/tmp"}) {
        const OpenResult r = OpenDrawing(doc, path);
        EXPECT_EQ(r.status, OpenStatus::Unreadable) << path;
        EXPECT_TRUE(r.error);
        EXPECT_EQ(doc.PathName, "/tmp/kept.plv");
        EXPECT_EQ(doc.drawing().figures, samples::EveryKind().drawing().figures);
    }
}

TEST(DrawingFile, ZeroByteBinaryFileOpensWithoutClearingTheDrawing) {
    CPluvoDoc doc = samples::EveryKind();
    doc.SetModifiedFlag(true);
    TakeSnapshot(doc);
    const OpenResult r = LoadDrawing(doc, "/tmp/empty.plv", "");
    EXPECT_EQ(r.status, OpenStatus::Opened) << "nothing to read is no rejection";
    EXPECT_TRUE(RejectionMessages(r).empty());
    EXPECT_EQ(doc.drawing().figures, samples::EveryKind().drawing().figures);
    EXPECT_EQ(doc.drawing().texts, samples::EveryKind().drawing().texts);
    EXPECT_EQ(doc.drawing().SizeRaster, 16);
    EXPECT_EQ(doc.PathName, "/tmp/empty.plv");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
}

TEST(DrawingFile, EmptyTextFileIsRejectedAtItsFirstLine) {
    CPluvoDoc doc = samples::EveryKind();
    const OpenResult r = LoadDrawing(doc, "/tmp/empty.txt", "");
    EXPECT_EQ(r.status, OpenStatus::Rejected);
    EXPECT_EQ(RejectionMessages(r),
              (std::vector<std::string>{"Fout in bestand op regel 1", "Incorrect bestand"}));
    EXPECT_TRUE(doc.drawing().figures.empty());
    EXPECT_TRUE(doc.PathName.empty());
}

TEST(DrawingFile, SaveWritesTheFormatOfTheNameAndNamesTheDrawing) {
    const std::string dir = ::testing::TempDir();
    for (const std::string name : {"pluvo-save.plv", "pluvo-save.txt"}) {
        const std::string path = dir + name;
        CPluvoDoc doc = samples::EveryKind();
        doc.SetModifiedFlag(true);
        ASSERT_FALSE(SaveDrawing(doc, path)) << name;
        EXPECT_EQ(doc.PathName, path);
        EXPECT_FALSE(doc.IsModified());
        CPluvoDoc back;
        ASSERT_EQ(OpenDrawing(back, path).status, OpenStatus::Opened) << name;
        EXPECT_EQ(back.drawing().figures, doc.drawing().figures) << name;
        EXPECT_EQ(back.drawing().texts, doc.drawing().texts) << name;
        std::remove(path.c_str());
    }
}

TEST(DrawingFile, FailedSaveKeepsTheDrawingModifiedAndItsName) {
    CPluvoDoc doc = samples::EveryKind();
    doc.PathName = "/tmp/kept.plv";
    doc.SetModifiedFlag(true);
    const FileError error = SaveDrawing(doc, "/nonexistent/pluvo/x.plv");
    EXPECT_TRUE(error);
    EXPECT_EQ(error.Reason(), "map bestaat niet");
    EXPECT_EQ(doc.PathName, "/tmp/kept.plv");
    EXPECT_TRUE(doc.IsModified());
}

namespace {

// Drawings with values at the edges of the formats: wide numbers, long
// texts and, now and then, what a format cannot carry (blanks at the end,
// line ends, zero bytes, odd face names, empty lists, indices past them).
class RandomDrawings {
public:
    CPluvoDoc Next() {
        StoredDrawing stored;
        Drawing& d = stored.drawing;
        d.SizeRaster = Int();
        d.MetCoord = Rarely() ? 256 : Below(2);
        d.MetRaster = Rarely() ? -1 : 255;
        d.KleurAchtergrond = static_cast<COLORREF>(Int());
        d.FileReserved = Rarely() ? 5 : 0;
        for (int n = Rarely() ? 0 : 1 + Below(3); n > 0; --n)
            d.texts.push_back(Text(Below(8) == 0 ? 600 : 12));
        for (int n = Rarely() ? 0 : 1 + Below(2); n > 0; --n) d.fonts.push_back(Font());
        for (int n = Below(4); n > 0; --n) d.points.push_back({Int(), Int()});
        for (int n = Below(5); n > 0; --n) d.figures.push_back(Figure(d));
        stored.current = Figure(d);
        return CPluvoDoc(std::move(stored));
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool Rarely() { return Below(30) == 0; }
    std::int32_t Int() {
        static constexpr std::int32_t kWide[] = {100,      -10,      999,       -99999,   1234567,
                                                 -1234567, 10000000, INT32_MIN, INT32_MAX};
        return Below(2) == 0 ? Below(200) - 20 : kWide[Below(std::size(kWide))];
    }
    std::string Text(int most) {
        std::string text;
        for (int n = Below(most); n > 0; --n) text += "abZ;,1\xe9"[Below(7)];
        if (Rarely())
            text.insert(static_cast<std::size_t>(Below(static_cast<int>(text.size()) + 1)), 1,
                        "\n\r\t\0 "[Below(5)]);
        return text;
    }
    LogFont Font() {
        LogFont font = CPluvoDoc::DefaultFont(Text(Rarely() ? 40 : 10));
        font.lfHeight = Int();
        font.lfWeight = Int();
        font.lfQuality = static_cast<std::uint8_t>(Below(256));
        if (Rarely()) font.lfFaceName[kFaceSize - 1] = 'x';
        return font;
    }
    // An index into a list of n entries, past it now and then.
    std::int32_t Index(std::size_t n) {
        return Rarely() ? static_cast<std::int32_t>(n) : Below(static_cast<int>(n) + 1) - 1;
    }
    Figuur Figure(const Drawing& d) {
        Figuur f;
        f.FiguurType = Below(4) == 0 ? Int() : Below(11);
        f.PolyPnt = Int();
        f.KleurRand = Int();
        f.p1 = {Int(), Int()};
        f.p2 = {Int(), Int()};
        f.LijnDikte = Int();
        f.TekstIndex = Index(d.texts.size());
        f.FontIndex = Index(d.fonts.size());
        f.nHoek = Int();
        f.Reserve = Int();
        return f;
    }

    std::mt19937 m_rng{20240611};
};

// The drawing of every kind, changed by `change`.
CPluvoDoc EveryKindBut(void (*change)(Drawing&, Figuur& current)) {
    CPluvoDoc doc = samples::EveryKind();
    change(Writable(doc), doc.current);
    return doc;
}

} // namespace

TEST(DrawingFile, EveryFormatReadsBackWhatItWritesOrSaysWhatDoesNotFit) {
    using K = Misfit::Kind;
    using D = Drawing;
    using F = Figuur;
    // clang-format off
    const struct {
        const char* name;
        CPluvoDoc doc;
        Misfit binary, text, svg;
    } cases[] = {
        {"new drawing", CPluvoDoc(), {}, {}, {}},
        {"every kind", samples::EveryKind(), {}, {}, {}},
        {"text of 600 characters", EveryKindBut([](D& d, F&) { d.texts[0] = std::string(600, 'x'); }), {}, {}, {}},
        // A font line that starts without two blanks was taken for a header.
        {"font height grown by resizing", EveryKindBut([](D& d, F&) { d.fonts[1].lfHeight = -1234567; }), {}, {}, {}},
        {"figure kind of three characters", EveryKindBut([](D& d, F&) { d.figures[0].FiguurType = -10; }), {}, {}, {}},
        {"text ending in a blank", EveryKindBut([](D& d, F&) { d.texts[2] += ' '; }), {}, {K::TextEndsInBlank, 2}, {}},
        {"text with a line feed", EveryKindBut([](D& d, F&) { d.texts[1] = "a\nb"; }), {}, {K::TextLineFeed, 1}, {}},
        {"text with a zero byte", EveryKindBut([](D& d, F&) { d.texts[1] = std::string("a\0b", 3); }),
         {K::TextZeroByte, 1}, {K::TextZeroByte, 1}, {K::TextControl, 1}},
        {"shown text with a control character", EveryKindBut([](D& d, F&) { d.texts[1] = "a\x01"; }),
         {}, {}, {K::TextControl, 1}},
        {"face name ending in a blank", EveryKindBut([](D& d, F&) { d.fonts[2].SetFaceName("Courier "); }),
         {}, {K::FaceEndsInBlank, 2}, {}},
        {"face name of 32 bytes", EveryKindBut([](D& d, F&) { std::memset(d.fonts[0].lfFaceName, 'F', kFaceSize); }),
         {}, {K::FaceTooLong, 0}, {}},
        {"bytes after the face name", EveryKindBut([](D& d, F&) { d.fonts[1].lfFaceName[30] = 'x'; }),
         {}, {K::FaceHiddenBytes, 1}, {}},
        {"MetCoord of 300", EveryKindBut([](D& d, F&) { d.MetCoord = 300; }),
         {K::SettingNotByte, 0, 300}, {K::SettingNotByte, 0, 300}, {}},
        {"FileReserved", EveryKindBut([](D& d, F&) { d.FileReserved = 7; }), {}, {K::FileReserved, 0, 7}, {}},
        {"no texts", EveryKindBut([](D& d, F&) { d.texts.clear(); d.figures.clear(); }), {}, {K::NoText}, {}},
        {"no fonts", EveryKindBut([](D& d, F&) { d.fonts.clear(); d.figures.clear(); }), {}, {K::NoFont}, {}},
        {"figure naming a text past the list", EveryKindBut([](D& d, F&) { d.figures[4].TekstIndex = 3; }),
         {}, {K::TextIndexPast, 4, 3}, {}},
        {"current figure naming a font past the list", EveryKindBut([](D&, F& current) { current.FontIndex = 9; }),
         {}, {K::FontIndexPast, -1, 9}, {}},
        {"ellipse whose centre passes 32 bits", EveryKindBut([](D& d, F&) { d.figures[2].p2 = {INT32_MAX, 5}; }),
         {}, {}, {K::ValueWraps, 2}},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(WhatDoesNotFit(c.doc, DrawingFormat::Binary), c.binary) << c.name;
        EXPECT_EQ(WhatDoesNotFit(c.doc, DrawingFormat::Text), c.text) << c.name;
        EXPECT_EQ(WhatDoesNotFit(c.doc, DrawingFormat::Svg), c.svg) << c.name;
        EXPECT_EQ(ReadsBackExactly(c.doc, DrawingFormat::Binary), !c.binary) << c.name;
        EXPECT_EQ(ReadsBackExactly(c.doc, DrawingFormat::Text), !c.text) << c.name;
    }
    RandomDrawings random;
    int fit[2] = {};
    for (int i = 0; i < 500; ++i) {
        const CPluvoDoc doc = random.Next();
        for (DrawingFormat format : {DrawingFormat::Binary, DrawingFormat::Text}) {
            const bool fits = !WhatDoesNotFit(doc, format);
            fit[static_cast<int>(format)] += fits;
            ASSERT_EQ(ReadsBackExactly(doc, format), fits)
                << "drawing " << i << " in format " << static_cast<int>(format);
        }
    }
    // Both answers come up often enough for either to be tested.
    for (int n : fit) {
        EXPECT_GT(n, 100);
        EXPECT_LT(n, 480);
    }
}
