// The command layer: each editing command's snapshot, modified mark and
// repaint, checked on the document it ran on.
#include "interaction/EditCommands.h"

#include "../model/SampleDrawings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Expected {
    CommandId id;
    bool snapshot;
    bool modified;
    bool repaint;
};

// A drawing with figures, one of them selected, no undo copy, unmodified.
struct Fresh {
    Fresh() {
        WritableSelection(doc) = {1};
        TestAccess::SetUndo(doc, nullptr);
        doc.SetModifiedFlag(false);
    }
    Fresh(const Fresh&) = delete;
    CPluvoDoc doc = samples::EveryKind();
    EditRoad road{doc};
};

} // namespace

TEST(EditCommands, EveryCommandSnapshotsMarksAndRepaintsAsItsRowSays) {
    const Expected rows[] = {
        {CommandId::RemoveLast, false, true, true},
        {CommandId::MoveLeft, false, true, true},
        {CommandId::MoveRight, false, true, true},
        {CommandId::MoveUp, false, true, true},
        {CommandId::MoveDown, false, true, true},
        {CommandId::Rotate, true, true, true},
        {CommandId::Thicker, false, true, true},
        {CommandId::Thinner, false, true, true},
        {CommandId::FillToggle, false, true, true},
        {CommandId::SelectAll, false, false, true},
        {CommandId::SelectNone, false, false, true},
        {CommandId::Redraw, false, false, true},
        {CommandId::RemoveSelected, true, false, true},
        {CommandId::ShowGrid, false, false, true},
        {CommandId::ShowCoordinates, false, false, true},
        {CommandId::GridPoints, false, false, false},
    };
    for (const Expected& row : rows) {
        Fresh fresh;
        CPluvoDoc& doc = fresh.doc;
        const std::vector<Figuur> before = doc.drawing().figures;
        const EditOutcome outcome = RunEdit(fresh.road, row.id);
        const int id = static_cast<int>(row.id);
        EXPECT_TRUE(outcome.made) << id;
        EXPECT_EQ(doc.CanUndo(), row.snapshot) << id;
        if (row.snapshot) {
            EXPECT_EQ(samples::UndoFigures(doc), before) << id << ": taken before the change";
        }
        EXPECT_EQ(doc.IsModified(), row.modified) << id;
        EXPECT_EQ(outcome.repaint, row.repaint) << id;
    }
}

TEST(EditCommands, CommandsWithADialogRunTheGivenChangeUnderTheirRow) {
    const Expected rows[] = {
        {CommandId::Resize, true, true, true},      {CommandId::ObjectList, false, true, true},
        {CommandId::Properties, false, true, true}, {CommandId::ReadText, false, false, true},
        {CommandId::Merge, false, true, true},
    };
    for (const Expected& row : rows) {
        Fresh fresh;
        CPluvoDoc& doc = fresh.doc;
        EXPECT_FALSE(RunEdit(fresh.road, row.id).made) << "no change of its own";
        int calls = 0;
        const EditOutcome outcome = RunEdit(fresh.road, row.id, [&](DrawingEditor& d) {
            EXPECT_EQ(d.Doc().CanUndo(), row.snapshot) << "the snapshot comes before the change";
            ++calls;
            return Change::Made;
        });
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(doc.IsModified(), row.modified) << static_cast<int>(row.id);
        EXPECT_EQ(outcome.repaint, row.repaint) << static_cast<int>(row.id);
    }
}

TEST(EditCommands, NothingToDoMeansNoMarkAndNoRepaint) {
    Fresh fresh;
    CPluvoDoc& doc = fresh.doc;
    Writable(doc).figures.clear();
    const EditOutcome last = RunEdit(fresh.road, CommandId::RemoveLast);
    EXPECT_FALSE(last.made);
    EXPECT_FALSE(last.repaint) << "removing the last of no figures does not even repaint";
    EXPECT_FALSE(doc.IsModified());

    // Undo is disabled without a copy; an accelerator that reaches it anyway
    // must not put the empty copy in place of the drawing.
    Fresh other;
    CPluvoDoc& drawing = other.doc;
    EXPECT_FALSE(RunEdit(other.road, CommandId::Undo).made);
    EXPECT_EQ(drawing.drawing().figures, samples::EveryKind().drawing().figures);
}

TEST(EditCommands, UndoGoesBackToTheLastSnapshotAndLeavesTheMarkAndTheSelection) {
    Fresh fresh;
    CPluvoDoc& doc = fresh.doc;
    const std::vector<Figuur> original = doc.drawing().figures;
    RunEdit(fresh.road, CommandId::Rotate);
    RunEdit(fresh.road, CommandId::MoveLeft);
    doc.SetModifiedFlag(false);
    const EditOutcome undo = RunEdit(fresh.road, CommandId::Undo);
    EXPECT_TRUE(undo.repaint);
    EXPECT_EQ(doc.drawing().figures, original) << "the move and the rotation both go";
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.IsModified()) << "Undo does not mark";
    EXPECT_EQ(doc.Selection(), std::vector<std::uint32_t>{1});

    RunEdit(fresh.road, CommandId::RemoveSelected);
    EXPECT_EQ(doc.drawing().figures.size(), original.size() - 1);
    RunEdit(fresh.road, CommandId::Undo);
    EXPECT_EQ(doc.drawing().figures, original) << "deleted figures come back in place";
    EXPECT_TRUE(doc.Selection().empty());
}

TEST(EditCommands, FillColoursRepaintOnlyWithASelection) {
    Fresh fresh;
    CPluvoDoc& doc = fresh.doc;
    const auto colour = static_cast<CommandId>(static_cast<int>(CommandId::FillColour1) + 14);
    const auto recolour = [](DrawingEditor& d) {
        d.Doc().current.KleurVul = 0xFF00FF;
        return Change::Made;
    };
    EXPECT_TRUE(RunEdit(fresh.road, colour, recolour).repaint);
    WritableSelection(doc).clear();
    EXPECT_FALSE(RunEdit(fresh.road, colour, recolour).repaint);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(FindEditRule(static_cast<CommandId>(static_cast<int>(CommandId::FillColour1) + 15)),
              nullptr)
        << "fifteen colours";
}
