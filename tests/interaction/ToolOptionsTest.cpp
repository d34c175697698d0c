// The toolbar's options: fill and outline colours with a selection, and the
// text edit's rules.
#include "interaction/ToolOptions.h"

#include "interaction/EditRoad.h"

#include "../model/SampleDrawings.h"

#include <gtest/gtest.h>

TEST(ToolOptions, ColoursSetTheNextFigureAndSwitchOnTheSelectedOnes) {
    CPluvoDoc doc = samples::EveryKind();
    const std::vector<Figuur> before = doc.drawing().figures;
    EXPECT_FALSE(ZetVulkleur(doc, 0x00FFFF)) << "no selection: nothing to repaint";
    EXPECT_EQ(doc.current.KleurVul, 0x00FFFF);
    EXPECT_EQ(doc.drawing().figures, before);

    Writable(doc).figures[0].MetVul = 0;
    Writable(doc).figures[2].MetRand = 0;
    WritableSelection(doc) = {2, 0, 99};
    EXPECT_TRUE(ZetVulkleur(doc, 0xC0C0C0));
    EXPECT_EQ(doc.drawing().figures[0].KleurVul, 0xC0C0C0);
    EXPECT_EQ(doc.drawing().figures[0].MetVul, 1) << "fill switched on whatever it was";
    EXPECT_EQ(doc.drawing().figures[1], before[1]);
    EXPECT_TRUE(ZetRandkleur(doc, 0x0000FF));
    EXPECT_EQ(doc.drawing().figures[2].KleurRand, 0x0000FF);
    EXPECT_EQ(doc.drawing().figures[2].MetRand, 1);
    EXPECT_EQ(doc.drawing().figures[2].KleurVul, 0xC0C0C0) << "the outline colour leaves the fill";
    EXPECT_EQ(doc.current.KleurRand, 0x0000FF);
}

TEST(ToolOptions, TextEditShowsTheNextTextAndTakesWhatIsTyped) {
    CPluvoDoc doc;
    EXPECT_EQ(InitialToolbarText(doc), "Snelle tekst");
    Writable(doc).texts = {"een", "twee"};
    doc.current.TekstIndex = 1;
    EXPECT_EQ(InitialToolbarText(doc), "twee");
    doc.current.TekstIndex = 7;
    EXPECT_EQ(InitialToolbarText(doc), "een") << "an index past the list shows the first";
    Writable(doc).texts.clear();
    EXPECT_EQ(InitialToolbarText(doc), "(zet tekst)");

    // Leaving "(zet tekst)" unchanged adds it as an ordinary text.
    EXPECT_TRUE(TakeToolbarText(doc, InitialToolbarText(doc)));
    EXPECT_EQ(doc.drawing().texts, std::vector<std::string>{"(zet tekst)"});
    EXPECT_EQ(doc.current.TekstIndex, 0);
    EXPECT_EQ(doc.current.FiguurType, Tekst);

    doc.current.FiguurType = Lijn;
    EXPECT_FALSE(TakeToolbarText(doc, "")) << "an empty edit changes nothing";
    EXPECT_EQ(doc.current.FiguurType, Lijn);
    EXPECT_TRUE(TakeToolbarText(doc, "(zet tekst)"));
    EXPECT_EQ(doc.drawing().texts.size(), 1u) << "an existing text is reused";
    EXPECT_TRUE(TakeToolbarText(doc, "(Zet tekst)"));
    EXPECT_EQ(doc.current.TekstIndex, 1) << "letter case counts";
}

// Taking a text on the edit road: a step back removes the text it added to
// the list (stepping back through a session once left it behind), a step
// forward puts it back. The next text figure then names a text that is still
// there.
TEST(ToolOptions, StepBackRemovesTheTextTheToolbarAdded) {
    CPluvoDoc doc = samples::EveryKind();
    EditRoad road{doc};
    const std::vector<std::string> before = doc.drawing().texts;
    EXPECT_TRUE(TakeToolbarText(road, "nieuw"));
    ASSERT_EQ(doc.drawing().texts.size(), before.size() + 1);
    EXPECT_EQ(doc.drawing().texts.back(), "nieuw");
    EXPECT_EQ(doc.current.FiguurType, Tekst);

    EXPECT_TRUE(road.StepBack());
    EXPECT_EQ(doc.drawing().texts, before);
    EXPECT_EQ(doc.current.TekstIndex, 0);
    EXPECT_TRUE(road.StepForward());
    EXPECT_EQ(doc.drawing().texts.back(), "nieuw");
}
