// The binary drawing file: its layout, round trips and the files it rejects.
#include "model/BinaryFile.h"

#include "SampleDrawings.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::int32_t IntAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

void PutInt(std::string& bytes, std::size_t offset, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(u >> (8 * i));
}

void ExpectNewDrawing(const CPluvoDoc& doc, const std::string& what) {
    const CPluvoDoc fresh;
    EXPECT_TRUE(doc.drawing().figures.empty()) << what;
    EXPECT_EQ(doc.drawing().texts, fresh.drawing().texts) << what;
    EXPECT_EQ(doc.drawing().fonts, fresh.drawing().fonts) << what;
    EXPECT_EQ(doc.current, fresh.current) << what;
    EXPECT_EQ(doc.drawing().SizeRaster, 32) << what;
    EXPECT_TRUE(doc.PathName.empty()) << what;
}

} // namespace

TEST(BinaryFile, NewDrawingHasThePackedLayoutOf207Bytes) {
    const std::string bytes = StoreBinary(CPluvoDoc());
    ASSERT_EQ(bytes.size(), 207u);
    EXPECT_EQ(IntAt(bytes, 0), 22);
    EXPECT_EQ(bytes.substr(4, 22), "Pluvo Versie 1c Qrtz3B");
    EXPECT_EQ(IntAt(bytes, 30), 32) << "SizeRaster";
    EXPECT_EQ(bytes[34], 0) << "MetCoord";
    EXPECT_EQ(bytes[35], 1) << "MetRaster";
    EXPECT_EQ(IntAt(bytes, 38), 0xF0F0F0);
    EXPECT_EQ(IntAt(bytes, 42), 0xFFFF96);
    EXPECT_EQ(IntAt(bytes, 46 + 3 * 4), 0x64FF80) << "current figure's KleurVul";
    EXPECT_EQ(IntAt(bytes, 114), 0) << "figure count";
    EXPECT_EQ(IntAt(bytes, 118), 1) << "text count";
    EXPECT_EQ(IntAt(bytes, 122), 12);
    EXPECT_EQ(std::memcmp(bytes.data() + 126, "Snelle tekst\0", 13), 0);
    EXPECT_EQ(IntAt(bytes, 139), 1) << "font count";
    EXPECT_EQ(IntAt(bytes, 143), -16) << "font height";
    EXPECT_EQ(bytes.substr(143 + 28, 8), std::string("Verdana\0", 8));
    EXPECT_EQ(IntAt(bytes, 203), 0) << "point count";
}

TEST(BinaryFile, RoundTripKeepsEveryListAndLeavesTheRunValuesAlone) {
    CPluvoDoc original = samples::EveryKind();
    Writable(original).FileReserved = 77;
    Writable(original).texts.insert(Writable(original).texts.begin() + 1, "");
    const std::string bytes = StoreBinary(original);

    CPluvoDoc doc;
    doc.current.p1 = {5, 5};
    AppendFigure(doc);
    TakeSnapshot(doc);
    WritableSelection(doc) = {0};
    doc.PrintFactor = 10;
    ASSERT_TRUE(LoadBinary(doc, bytes));

    EXPECT_EQ(doc.drawing().figures, original.drawing().figures);
    EXPECT_EQ(doc.drawing().texts, original.drawing().texts) << "an empty text stays an entry of its own";
    EXPECT_EQ(doc.drawing().fonts, original.drawing().fonts);
    EXPECT_EQ(doc.drawing().points, original.drawing().points);
    EXPECT_EQ(doc.current, original.current);
    EXPECT_EQ(doc.drawing().FileReserved, 77);
    EXPECT_EQ(doc.drawing().MetCoord, 1);
    EXPECT_EQ(doc.drawing().KleurRaster, 0xABCDEFu);
    EXPECT_TRUE(doc.Selection().empty());
    EXPECT_FALSE(doc.CanUndo()) << "no undo copy of another drawing comes along";
    EXPECT_EQ(doc.PrintFactor, 10);
    EXPECT_EQ(StoreBinary(doc), bytes);
}

TEST(BinaryFile, SettingBytesAreReadAsUnsignedValues) {
    std::string bytes = StoreBinary(CPluvoDoc());
    bytes[34] = 2;
    bytes[35] = static_cast<char>(0xFF);
    bytes[36] = bytes[37] = 9; // reserved, ignored
    CPluvoDoc doc;
    ASSERT_TRUE(LoadBinary(doc, bytes));
    EXPECT_EQ(doc.drawing().MetCoord, 2);
    EXPECT_EQ(doc.drawing().MetRaster, 255);
    EXPECT_EQ(StoreBinary(doc)[36], 0);
}

TEST(BinaryFile, WrongIdentificationResetsTheDrawing) {
    const std::string good = StoreBinary(samples::EveryKind());
    std::string wrongLength = good;
    PutInt(wrongLength, 0, 21);
    std::string wrongMagic = good;
    wrongMagic[4] = 'p';
    for (const auto& [bytes, what] :
         {std::pair{wrongLength, "length 21"}, std::pair{wrongMagic, "lower-case magic"},
          std::pair{std::string("Pluvo Versie 1c Qrtz3B\n"), "text"}}) {
        CPluvoDoc doc = samples::EveryKind();
        doc.PathName = "/tmp/old.plv";
        EXPECT_FALSE(LoadBinary(doc, bytes)) << what;
        ExpectNewDrawing(doc, what);
    }
}

TEST(BinaryFile, TruncatedFileIsRejectedExceptRightBeforeThePointCount) {
    const CPluvoDoc original = samples::EveryKind();
    const std::string bytes = StoreBinary(original);
    const std::size_t beforePoints = bytes.size() - 4 - 8 * original.drawing().points.size();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        CPluvoDoc doc;
        const bool loaded = LoadBinary(doc, std::string_view(bytes).substr(0, size));
        if (size == beforePoints) {
            EXPECT_TRUE(loaded);
            EXPECT_TRUE(doc.drawing().points.empty());
            EXPECT_EQ(doc.drawing().figures, original.drawing().figures);
        } else {
            EXPECT_FALSE(loaded) << "file cut to " << size << " bytes";
        }
    }
}

TEST(BinaryFile, CountsBeyondTheFileAreRejectedWithoutAllocating) {
    const std::string bytes = StoreBinary(CPluvoDoc());
    std::string figures = bytes;
    PutInt(figures, 114, 0x7FFFFFFF);
    std::string texts = bytes;
    PutInt(texts, 118, 0x7FFFFFFF);
    std::string textLength = bytes;
    PutInt(textLength, 122, 0x7FFFFFFF);
    std::string fonts = bytes;
    PutInt(fonts, 139, 2);
    std::string points = bytes;
    PutInt(points, 203, 1);
    for (const std::string& bad : {figures, texts, textLength, fonts, points}) {
        CPluvoDoc doc;
        EXPECT_FALSE(LoadBinary(doc, bad));
    }
}

TEST(BinaryFile, TextsEndAtTheirZeroByteAndNegativeCountsMeanNone) {
    std::string bytes = StoreBinary(CPluvoDoc());
    bytes[126 + 6] = '\0'; // "Snelle\0tekst"
    CPluvoDoc doc;
    ASSERT_TRUE(LoadBinary(doc, bytes));
    EXPECT_EQ(doc.drawing().texts, std::vector<std::string>{"Snelle"});

    PutInt(bytes, 203, -5);
    ASSERT_TRUE(LoadBinary(doc, bytes));
    EXPECT_TRUE(doc.drawing().points.empty());
}

TEST(BinaryFile, EmptyTextIsWrittenAsItsLengthAloneAndTrailingBytesAreIgnored) {
    CPluvoDoc doc;
    Writable(doc).texts = {"", "ab"};
    std::string bytes = StoreBinary(doc);
    ASSERT_EQ(bytes.size(), 207u - 17 + 4 + 4 + 3);
    EXPECT_EQ(IntAt(bytes, 118), 2) << "text count";
    EXPECT_EQ(IntAt(bytes, 122), 0) << "the empty text: its length alone";
    EXPECT_EQ(IntAt(bytes, 126), 2);
    EXPECT_EQ(bytes.substr(130, 3), std::string("ab\0", 3));

    bytes += "anything after the points";
    CPluvoDoc loaded;
    ASSERT_TRUE(LoadBinary(loaded, bytes));
    EXPECT_EQ(loaded.drawing().texts, doc.drawing().texts);
}
