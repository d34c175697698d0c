// What the road tells of each kind of edit: the runs of each list it
// changed, the settings and the selection, which the view, its index and
// the history follow; and what a step of the history keeps of a change.
#include "../model/SampleDrawings.h"
#include "interaction/EditCommands.h"
#include "interaction/History.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Runs = std::vector<ListRun>;

struct Row {
    const char* edit;
    std::function<void(EditRoad&)> run;
    Runs figures, points, texts, fonts;
    bool settings = false;
    bool selection = false;
};

// A drawing of ten figures, the first and the last of them selected, a
// polygon's points and the samples' texts and fonts.
CPluvoDoc Ten() {
    CPluvoDoc doc = samples::EveryKind();
    WritableSelection(doc) = {0, 9};
    return doc;
}

} // namespace

TEST(ChangeSummary, EachKindOfEditTellsTheRunsItChanged) {
    const std::size_t n = Ten().drawing().figures.size();
    ASSERT_EQ(n, 10u);
    const std::string merged = StoreBinary(samples::OneLine());
    const Row rows[] = {
        {"move the selected", [](EditRoad& r) { RunEdit(r, CommandId::MoveLeft); },
         {{0, 1, 1}, {9, 1, 1}}, {{0, 4, 4}}, {}, {}},
        {"thicker, all", [](EditRoad& r) {
             RunEdit(r, CommandId::SelectNone);
             RunEdit(r, CommandId::Thicker);
         },
         {{0, n, n}}, {}, {}, {}},
        {"remove the selected", [](EditRoad& r) { RunEdit(r, CommandId::RemoveSelected); },
         {{0, 1, 0}, {8, 1, 0}}, {}, {}, {}, false, true},
        {"remove the last", [](EditRoad& r) { RunEdit(r, CommandId::RemoveLast); },
         {{9, 1, 0}}, {}, {}, {}, false, true},
        {"grid", [](EditRoad& r) { RunEdit(r, CommandId::ShowGrid); }, {}, {}, {}, {}, true},
        {"select all", [](EditRoad& r) { RunEdit(r, CommandId::SelectAll); }, {}, {}, {}, {},
         false, true},
        {"rotate", [](EditRoad& r) { RunEdit(r, CommandId::Rotate); }, {{0, n, n}}, {{0, 5, 5}},
         {}, {{0, 3, 3}}},
        {"merge",
         [&merged](EditRoad& r) {
             RunEdit(r, CommandId::Merge, [&merged](DrawingEditor& e) {
                 Merge(e, merged);
                 return Change::Made;
             });
         },
         {{10, 0, 1}}, {}, {{3, 0, 1}}, {{3, 0, 1}}, false, true},
        {"toolbar text", [](EditRoad& r) { TakeToolbarText(r, "nieuw"); }, {}, {}, {{3, 0, 1}}, {}},
        {"step back over a move", [](EditRoad& r) {
             RunEdit(r, CommandId::MoveLeft);
             r.StepBack();
         },
         {{0, 1, 1}, {9, 1, 1}}, {{0, 4, 4}}, {}, {}, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.edit);
        CPluvoDoc doc = Ten();
        EditRoad road(doc);
        ChangeSummary last;
        road.AddListener([&last](const EditOutcome& outcome) { last = outcome.change; });
        row.run(road);
        EXPECT_EQ(last.figures, row.figures);
        EXPECT_EQ(last.points, row.points);
        EXPECT_EQ(last.texts, row.texts);
        EXPECT_EQ(last.fonts, row.fonts);
        EXPECT_EQ(last.settings, row.settings);
        EXPECT_EQ(last.selection, row.selection);
    }
}

TEST(ChangeSummary, AStepKeepsTheChangedRecordsAndAChangeOfNothingIsNoStep) {
    // Moving the first and the last of 100,000 figures keeps two of them.
    CPluvoDoc doc;
    Writable(doc).figures.assign(100000, samples::Make(Rechthoek, {1, 1}, {9, 9}));
    WritableSelection(doc) = {0, 99999};
    EditRoad road(doc);
    RunEdit(road, CommandId::MoveRight);
    ASSERT_EQ(road.GetHistory().Steps(), 1u);
    EXPECT_LT(road.GetHistory().Bytes(), 2048u) << "two records, not the stretch between them";
    ASSERT_TRUE(road.StepBack());
    EXPECT_EQ(doc.drawing().figures[99999].p1, (POINT{1, 1}));

    // Alt+Delete with nothing selected and resizing by 100 % take the undo
    // copy but change nothing: no step for Ctrl+Z to spend.
    RunEdit(road, CommandId::SelectNone);
    RunEdit(road, CommandId::RemoveSelected);
    RunEdit(road, CommandId::Resize, [](DrawingEditor& e) {
        ApplyGrootte(e, {100, 100});
        return Change::Made;
    });
    EXPECT_EQ(road.GetHistory().Position(), 0u);
    EXPECT_EQ(road.GetHistory().Steps(), 1u) << "the step forward is still there";
}
