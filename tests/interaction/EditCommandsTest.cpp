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
        {CommandId::Cut, true, true, true},
        {CommandId::ToFront, false, true, true},
        {CommandId::ToBack, false, true, true},
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
        EXPECT_EQ(outcome.repaint != Repaint::No, row.repaint) << id;
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
        EXPECT_EQ(outcome.repaint != Repaint::No, row.repaint) << static_cast<int>(row.id);
    }
}

TEST(EditCommands, NothingToDoMeansNoMarkAndNoRepaint) {
    Fresh fresh;
    CPluvoDoc& doc = fresh.doc;
    Writable(doc).figures.clear();
    const EditOutcome last = RunEdit(fresh.road, CommandId::RemoveLast);
    EXPECT_FALSE(last.made);
    EXPECT_EQ(last.repaint, Repaint::No) << "removing the last of no figures does not even repaint";
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
    EXPECT_EQ(undo.repaint, Repaint::Yes);
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

TEST(EditCommands, FillColoursChangeOnlyTheSelectedFigures) {
    Fresh fresh;
    CPluvoDoc& doc = fresh.doc;
    const auto colour = static_cast<CommandId>(static_cast<int>(CommandId::FillColour1) + 14);
    const auto recolour = [](DrawingEditor& d) {
        ZetVulkleur(d, 0xFF00FF);
        return Change::Made;
    };
    const std::vector<ListRun> one = {{1, 1, 1}};
    EXPECT_EQ(RunEdit(fresh.road, colour, recolour).change.figures, one) << "the selected figure";
    WritableSelection(doc).clear();
    EXPECT_TRUE(RunEdit(fresh.road, colour, recolour).change.figures.empty())
        << "nothing selected: nothing to paint";
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(FindEditRule(static_cast<CommandId>(static_cast<int>(CommandId::FillColour1) + 15)),
              nullptr)
        << "fifteen colours";
}

TEST(EditCommands, FrontAndBackMoveTheSelectionInOrderAsAStepOfItsOwnFigures) {
    // Figures told apart by p1.x; the selection out of list order, with an
    // entry that names no figure.
    const auto drawing = [](std::size_t n) {
        CPluvoDoc doc;
        for (std::size_t i = 0; i < n; ++i)
            Writable(doc).figures.push_back(
                samples::Make(Lijn, {static_cast<std::int32_t>(i), 0}, {0, 0}));
        return doc;
    };
    const auto order = [](const CPluvoDoc& doc) {
        std::vector<std::int32_t> xs;
        for (const Figuur& f : doc.drawing().figures) xs.push_back(f.p1.x);
        return xs;
    };
    const struct {
        CommandId id;
        std::vector<std::int32_t> order;
        std::vector<std::uint32_t> selection;
    } cases[] = {
        {CommandId::ToFront, {0, 2, 3, 5, 1, 4}, {5, 4}},
        {CommandId::ToBack, {1, 4, 0, 2, 3, 5}, {1, 0}},
    };
    for (const auto& c : cases) {
        CPluvoDoc doc = drawing(6);
        EditRoad road(doc);
        WritableSelection(doc) = {4, 1, 9};
        ASSERT_TRUE(RunEdit(road, c.id).made);
        EXPECT_EQ(order(doc), c.order) << static_cast<int>(c.id);
        EXPECT_EQ(doc.Selection(), c.selection) << "the selection follows its figures";
        const std::size_t steps = road.GetHistory().Steps();
        EXPECT_FALSE(RunEdit(road, c.id).made) << "there already: no change, no step";
        EXPECT_EQ(road.GetHistory().Steps(), steps);
        WritableSelection(doc).clear();
        EXPECT_FALSE(RunEdit(road, c.id).made) << "nothing selected moves nothing";
    }

    // The step keeps the moved figures, not the list, and goes back exactly.
    CPluvoDoc large = drawing(20000);
    const std::vector<Figuur> before = large.drawing().figures;
    EditRoad road(large);
    WritableSelection(large) = {7};
    RunEdit(road, CommandId::ToFront);
    EXPECT_LT(road.GetHistory().Bytes(), 100 * sizeof(Figuur));
    ASSERT_TRUE(road.StepBack());
    EXPECT_EQ(large.drawing().figures, before);
}
