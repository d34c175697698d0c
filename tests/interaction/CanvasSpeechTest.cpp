// What the canvas tells a screen reader: the cursor's place, what the
// gesture in progress would place, the figures under the cursor with their
// colours, and the tool, driven through the gesture machine as the keys
// drive it.
#include "../model/TestAccess.h"
#include "GestureMachine.h"

#include "interaction/CanvasSpeech.h"
#include "interaction/ToolOptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

constexpr KeyFlags kShift{ShiftHeld::Yes, CtrlHeld::No};

std::string Say(Machine& m, std::optional<POINT> at) {
    CanvasSpeech speech;
    return speech.Describe(m.doc, m.gesture, at, m.surface);
}

Figuur Filled(FiguurSoort kind, POINT a, POINT b, COLORREF fill) {
    Figuur f = samples::Make(kind, a, b);
    f.MetRand = 1;
    f.KleurRand = 0;
    f.MetVul = 1;
    f.KleurVul = static_cast<std::int32_t>(fill);
    return f;
}

} // namespace

TEST(CanvasSpeech, ARectangleDrawnByKeysIsSpokenFromStartToEnd) {
    Machine m(Rechthoek, 32);
    EXPECT_EQ(Say(m, std::nullopt),
              "Geen cursor: een pijltjestoets zet hem op het raster. Gereedschap: Rechthoek");
    EXPECT_EQ(Say(m, POINT{64, 64}),
              "Rasterpunt 2,2, pixel 64,64. Niets onder de cursor. Gereedschap: Rechthoek");
    m.Click({64, 64});
    m.Move({160, 128});
    EXPECT_EQ(Say(m, POINT{160, 128}), "Rasterpunt 5,4, pixel 160,128. Rechthoek van 2,2 tot 5,4. "
                                       "Niets onder de cursor. Gereedschap: Rechthoek");
    m.Click({160, 128});
    ASSERT_EQ(m.doc.drawing().figures.size(), 1u);
    EXPECT_EQ(Say(m, POINT{160, 128}),
              "Rasterpunt 5,4, pixel 160,128. Onder de cursor: Rechthoek 1, rand zwart, zonder "
              "vulling. Gereedschap: Rechthoek");
    EXPECT_EQ(Say(m, POINT{100, 129}),
              "Pixel 100,129, bij rasterpunt 3,4. Niets onder de cursor. Gereedschap: Rechthoek")
        << "outside the rectangle's box, off the grid";
}

TEST(CanvasSpeech, EachGestureSaysWhatItWouldPlace) {
    const auto gesture = [](Machine& m, POINT at) {
        // The sentence after the place.
        const std::string said = Say(m, at);
        const std::size_t from = said.find(". ") + 2;
        return said.substr(from, said.find(". ", from) - from);
    };
    const struct {
        std::int32_t tool;
        KeyFlags keys;
        std::string expected;
    } twoPoint[] = {
        {Lijn, {}, "Lijn van 2,2 tot 5,4"},
        {Ellips, {}, "Ellips van 2,2 tot 5,4"},
        {Cirkel, {}, "Cirkel om 2,2 door 5,4"},
        {Boogkwart, {}, "Kwartboog van 2,2 tot 5,4"},
        {Rechthoek, kShift, "Rechthoek van 2,2 tot 5,5"},
        {Veelhoek, {}, "Veelhoek met 3 hoeken om 2,2 door 5,4"},
        {Tekst, {}, "Tekst bij 5,4"},
        {Kopieer, {}, "Kopie van de selectie naar 5,4"},
        {Selecteer, {}, "Selectie van 2,2 tot 5,4"},
    };
    for (const auto& c : twoPoint) {
        Machine m(c.tool, 32);
        m.doc.current.nHoek = 3;
        m.Click({64, 64}, c.keys);
        m.Move({160, 128});
        EXPECT_EQ(gesture(m, {160, 128}), c.expected) << "tool " << c.tool;
    }

    Machine fill(Opvullen, 32);
    EXPECT_EQ(gesture(fill, {64, 32}), "Vulling bij 2,1") << "one click fills";
    Machine free(Lijn);
    free.Click({70, 64});
    free.Move({100, 100});
    EXPECT_EQ(gesture(free, {100, 100}), "Lijn van pixel 70,64 tot pixel 100,100")
        << "off the grid the points are pixels";

    Machine poly(Polygoon, 32);
    poly.Corners({{64, 64}});
    EXPECT_EQ(gesture(poly, {64, 64}), "Polygoon: sluit, plaatst niets");
    poly.Move({96, 64});
    EXPECT_EQ(gesture(poly, {96, 64}), "Polygoon: hoek 2 bij 3,2");
    poly.Corners({{160, 64}});
    poly.Move({160, 128});
    EXPECT_EQ(gesture(poly, {160, 128}), "Polygoon: hoek 3 bij 5,4");
    poly.Move({66, 62});
    EXPECT_EQ(gesture(poly, {66, 62}), "Polygoon: sluit, boom van vierkanten van 2,2 tot 5,2")
        << "near the first corner two corners close into a tree";
    poly.Corners({{160, 128}});
    poly.Move({64, 64});
    EXPECT_EQ(gesture(poly, {64, 64}), "Polygoon van 3 hoeken: sluit bij 2,2");
}

TEST(CanvasSpeech, TheFiguresUnderThePointTopmostFirstWithTheirColours) {
    Machine m(Rechthoek, 32);
    Writable(m.doc).figures = {
        Filled(Rechthoek, {0, 0}, {100, 100}, kVulkleuren[3]),
        samples::Make(Lijn, {0, 50}, {200, 50}),
        Filled(Opvullen, {20, 20}, {20, 20}, 0x64FF80),
    };
    const LineEndIndex ends(m.doc.drawing().figures, m.doc.SnapDistance);
    const auto under = [&](POINT p) { return FiguresUnder(m.doc, p, ends, m.surface); };
    using Rows = std::vector<std::size_t>;
    EXPECT_EQ(under({10, 50}), (Rows{1, 0}));
    EXPECT_EQ(under({10, 51}), (Rows{1, 0})) << "within the pen's reach";
    EXPECT_EQ(under({10, 53}), (Rows{0})) << "past it";
    EXPECT_EQ(under({150, 50}), (Rows{1}));
    EXPECT_EQ(under({20, 20}), (Rows{2, 0})) << "a fill where it was seeded";
    EXPECT_EQ(under({21, 20}), (Rows{0}));
    EXPECT_EQ(under({300, 300}), Rows{});
    const std::string said = Say(m, POINT{20, 20});
    EXPECT_NE(said.find("Onder de cursor: Opvulling 3, vulling ongeveer lichtgroen; Rechthoek 1, "
                        "rand zwart, vulling lichtrood."),
              std::string::npos)
        << said;

    // Past five figures the rest are counted.
    for (int k = 0; k < 6; ++k)
        Writable(m.doc).figures.push_back(samples::Make(Ellips, {0, 0}, {64, 64}));
    EXPECT_NE(Say(m, POINT{32, 32}).find("; en 2 meer."), std::string::npos);

    // Every colour of the colour bar has a name of its own.
    std::set<std::string> names;
    for (COLORREF colour : kVulkleuren) {
        const std::string name = ColourName(colour);
        EXPECT_EQ(name.find("ongeveer"), std::string::npos) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), kVulkleuren.size());
    EXPECT_EQ(ColourName(RGB(0, 0, 0)), "zwart");
    EXPECT_EQ(ColourName(RGB(250, 10, 10)), "ongeveer rood");
}
