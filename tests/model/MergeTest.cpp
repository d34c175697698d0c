// Merging another drawing file: offsets, selection and files that must
// change nothing.
#include "model/Merge.h"

#include "SampleDrawings.h"
#include "model/BinaryFile.h"
#include "model/TextFormat.h"

#include <gtest/gtest.h>

namespace {

CPluvoDoc FiveLines() {
    CPluvoDoc doc;
    for (int i = 0; i < 5; ++i) {
        doc.current.p1 = {i, i};
        AppendFigure(doc);
    }
    Writable(doc).points = {{1, 1}};
    WritableSelection(doc) = {4, 1};
    return doc;
}

} // namespace

TEST(Merge, AppendedFiguresPointPastTheListsAndAreSelected) {
    const CPluvoDoc other = samples::EveryKind();
    CPluvoDoc doc = FiveLines();
    TakeSnapshot(doc);
    Writable(doc).SizeRaster = 8;
    doc.SetModifiedFlag(true);
    const CPluvoDoc before = doc;

    ASSERT_EQ(Merge(doc, StoreBinary(other)), MergeResult::Added);
    ASSERT_EQ(doc.drawing().figures.size(), 5 + other.drawing().figures.size());
    std::vector<std::uint32_t> appended;
    for (std::uint32_t i = 5; i < doc.drawing().figures.size(); ++i) appended.push_back(i);
    EXPECT_EQ(doc.Selection(), appended);

    const Figuur& text = doc.drawing().figures[5 + 8];
    EXPECT_EQ(doc.drawing().texts[static_cast<std::size_t>(text.TekstIndex)], other.drawing().texts[1]);
    EXPECT_EQ(doc.drawing().fonts[static_cast<std::size_t>(text.FontIndex)], other.drawing().fonts[2]);
    EXPECT_EQ(doc.drawing().texts.size(), 1 + other.drawing().texts.size()) << "equal texts are appended again";
    EXPECT_EQ(doc.drawing().texts[1], "Snelle tekst");
    EXPECT_EQ(doc.drawing().fonts.size(), 1 + other.drawing().fonts.size());

    const Figuur& line = doc.drawing().figures[5];
    EXPECT_EQ(line.TekstIndex, 1) << "every record is shifted, whatever its kind";
    EXPECT_EQ(line.FontIndex, 1);
    EXPECT_EQ(line.PolyPnt, 1);

    const Figuur& polygon = doc.drawing().figures[5 + 9];
    EXPECT_EQ(polygon.PolyPnt, 1);
    for (int k = 0; k < polygon.nHoek; ++k)
        EXPECT_EQ(doc.drawing().points[static_cast<std::size_t>(polygon.PolyPnt + k)],
                  other.drawing().points[static_cast<std::size_t>(k)]);

    EXPECT_EQ(doc.drawing().SizeRaster, 8) << "the merged file's settings are not taken";
    EXPECT_EQ(doc.current, before.current);
    EXPECT_EQ(doc.UndoState(), before.UndoState());
    EXPECT_TRUE(doc.IsModified()) << "the modified flag is left as it was";
}

TEST(Merge, EmptyTextsKeepTheLaterTextIndicesRight) {
    CPluvoDoc other;
    Writable(other).texts = {"", "second"};
    other.current.FiguurType = Tekst;
    other.current.TekstIndex = 1;
    AppendFigure(other);
    CPluvoDoc doc;
    ASSERT_EQ(Merge(doc, StoreBinary(other)), MergeResult::Added);
    EXPECT_EQ(doc.drawing().texts[static_cast<std::size_t>(doc.drawing().figures[0].TekstIndex)], "second");
}

TEST(Merge, FileWithoutFiguresEmptiesTheSelection) {
    CPluvoDoc doc = FiveLines();
    ASSERT_EQ(Merge(doc, StoreBinary(CPluvoDoc())), MergeResult::Added);
    EXPECT_EQ(doc.drawing().figures.size(), 5u);
    EXPECT_TRUE(doc.Selection().empty());
}

TEST(Merge, DamagedOrForeignFileChangesNothing) {
    const std::string good = StoreBinary(samples::EveryKind());
    std::string text;
    WriteText(samples::EveryKind(), text);
    std::vector<std::string> bad = {text, "", good.substr(0, 26), good.substr(0, good.size() - 1)};
    for (std::size_t cut = 118; cut < good.size() - 50; cut += 97)
        bad.push_back(good.substr(0, cut));
    for (const std::string& bytes : bad) {
        CPluvoDoc doc = FiveLines();
        const CPluvoDoc before = doc;
        EXPECT_EQ(Merge(doc, bytes), MergeResult::Refused) << bytes.size() << " bytes";
        EXPECT_EQ(doc.drawing().figures, before.drawing().figures);
        EXPECT_EQ(doc.drawing().texts, before.drawing().texts);
        EXPECT_EQ(doc.drawing().fonts, before.drawing().fonts);
        EXPECT_EQ(doc.drawing().points, before.drawing().points);
        EXPECT_EQ(doc.Selection(), before.Selection());
    }
}
