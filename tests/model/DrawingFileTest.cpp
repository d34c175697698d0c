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
