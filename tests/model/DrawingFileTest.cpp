// Opening and saving by file name: the format chosen by the name, and what a
// rejected or unreadable file leaves behind.
#include "model/DrawingFile.h"

#include "SampleDrawings.h"
#include "model/BinaryFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

TEST(DrawingFile, OnlyLowerCaseTxtNamesUseTheTextFormat) {
    const CPluvoDoc doc = samples::OneLine();
    EXPECT_EQ(SerializeDrawing(doc, "/tmp/a.TXT"), StoreBinary(doc));
    EXPECT_EQ(SerializeDrawing(doc, "/tmp/a.plv"), StoreBinary(doc));
    EXPECT_TRUE(SerializeDrawing(doc, "/tmp/a.txt").starts_with("Pluvo Versie 1c Qrtz3B\n;"));

    CPluvoDoc loaded;
    EXPECT_EQ(LoadDrawing(loaded, "x.txt", SerializeDrawing(doc, "x.txt")).status,
              OpenStatus::Opened);
    EXPECT_EQ(loaded.figures, doc.figures);
    EXPECT_EQ(LoadDrawing(loaded, "x.TXT", SerializeDrawing(doc, "x.txt")).status,
              OpenStatus::Rejected);
}

TEST(DrawingFile, OpeningNamesTheDrawingAndDropsTheUndoCopies) {
    CPluvoDoc doc = samples::OneLine();
    doc.TakeSnapshot();
    doc.SetModifiedFlag(true);
    for (const char* name : {"/tmp/a.plv", "/tmp/a.txt"}) {
        doc.TakeSnapshot();
        ASSERT_EQ(LoadDrawing(doc, name, SerializeDrawing(samples::EveryKind(), name)).status,
                  OpenStatus::Opened);
        EXPECT_EQ(doc.PathName, name);
        EXPECT_FALSE(doc.CanUndo());
        EXPECT_TRUE(doc.undoFonts.empty());
        EXPECT_TRUE(doc.undoPoints.empty());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.figures, samples::EveryKind().figures);
    }
}

TEST(DrawingFile, RejectedFileLeavesAnUnnamedNewDrawingAndExplainsWhy) {
    CPluvoDoc doc = samples::EveryKind();
    doc.PathName = "/tmp/old.plv";
    const OpenResult binary = LoadDrawing(doc, "/tmp/bad.plv", "not a drawing");
    EXPECT_EQ(binary.status, OpenStatus::Rejected);
    EXPECT_TRUE(doc.PathName.empty());
    EXPECT_TRUE(doc.figures.empty());
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
        EXPECT_FALSE(r.error.empty());
        EXPECT_EQ(doc.PathName, "/tmp/kept.plv");
        EXPECT_EQ(doc.figures, samples::EveryKind().figures);
    }
}

TEST(DrawingFile, ZeroByteFileOpensWithoutClearingTheDrawing) {
    for (const char* name : {"/tmp/empty.plv", "/tmp/empty.txt"}) {
        CPluvoDoc doc = samples::EveryKind();
        doc.SetModifiedFlag(true);
        doc.TakeSnapshot();
        const OpenResult r = LoadDrawing(doc, name, "");
        EXPECT_EQ(r.status, OpenStatus::Opened) << name << ": nothing to read is no rejection";
        EXPECT_TRUE(RejectionMessages(r).empty()) << name;
        EXPECT_EQ(doc.figures, samples::EveryKind().figures) << name;
        EXPECT_EQ(doc.texts, samples::EveryKind().texts) << name;
        EXPECT_EQ(doc.SizeRaster, 16) << name;
        EXPECT_EQ(doc.PathName, name);
        EXPECT_FALSE(doc.IsModified()) << name;
        EXPECT_FALSE(doc.CanUndo()) << name;
    }
}

TEST(DrawingFile, HugeAndEndlessFilesAreRefusedWithoutReadingThemWhole) {
    const std::string sparse = ::testing::TempDir() + "pluvo-sparse.plv";
    std::FILE* f = std::fopen(sparse.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(::ftruncate(::fileno(f), static_cast<off_t>(kMaxDrawingFileBytes) + 1), 0);
    std::fclose(f);
    CPluvoDoc doc = samples::EveryKind();
    const OpenResult huge = OpenDrawing(doc, sparse);
    std::remove(sparse.c_str());
    EXPECT_EQ(huge.status, OpenStatus::Unreadable) << "a file beyond the limit";
    EXPECT_EQ(huge.error, std::strerror(EFBIG));
    EXPECT_EQ(doc.figures, samples::EveryKind().figures);

    std::string bytes;
    std::string error;
    EXPECT_FALSE(ReadFileBytes("/dev/zero", bytes, error, 1 << 20)) << "an endless file";
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(error, std::strerror(EFBIG));

    ASSERT_TRUE(ReadFileBytes("/dev/null", bytes, error, 1 << 20));
    EXPECT_TRUE(bytes.empty());
}
