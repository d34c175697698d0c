// Whole editing sessions: the bytes are a start drawing and a series of user
// actions (clicks, moves, drags, releases, Esc, Shift and Ctrl, tool changes,
// every command of the command layer, the dialogs' results, merges, text
// files read, figures pasted, the history's steps and paints of the
// window), driven through the gesture machine and the edit road onto a small
// canvas, as the view does.
//
// After every action:
//  - the gesture's polygon lies inside the point list, and a drawing whose
//    figures all point inside their lists keeps doing so (a foreign file,
//    merged or read, may bring figures that do not; the code skips those
//    and the check is off from then on). Selection entries may name no
//    figure: every reader of the selection ignores such entries.
//  - the drawing and the current figure store and parse back identically in
//    the binary and the text format exactly when the model finds nothing
//    that the format cannot hold (WhatDoesNotFit).
//  - with no gesture in progress, the canvas that the gestures drew on and
//    that every change painted again only where it damaged it, with the
//    selection marks over it, equals a fresh paint of the drawing, pixel
//    for pixel.
// At the end, stepping back through the whole history gives the drawing
// the history started from.
#include "FuzzCheck.h"
#include "interaction/CanvasRepair.h"
#include "interaction/EditCommands.h"
#include "interaction/EditRoad.h"
#include "interaction/Gesture.h"
#include "interaction/Grootte.h"
#include "interaction/ObjectList.h"
#include "interaction/Properties.h"
#include "interaction/ToolOptions.h"
#include "model/BinaryFile.h"
#include "model/ClipboardFormat.h"
#include "model/DrawingFile.h"
#include "model/Merge.h"
#include "model/TextFormat.h"
#include "render/Canvas.h"
#include "render/DrawingIndex.h"
#include "render/LineEndIndex.h"
#include "render/RasterSurface.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::int32_t kWidth = 128;
constexpr std::int32_t kHeight = 96;
constexpr int kMaxActions = 48;
constexpr std::size_t kMostForSelfMerge = 512;

// The input, read byte by byte; past its end every read gives 0.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Done() const { return m_pos >= m_size; }
    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::uint32_t Below(std::uint32_t n) { return Byte() % n; }
    bool Bit() { return Byte() & 1; }
    std::int32_t Signed16() {
        const auto lo = Byte();
        return static_cast<std::int16_t>(lo | (Byte() << 8));
    }
    std::string_view Chunk(std::size_t most) {
        std::size_t n = Byte() | (std::size_t{Byte()} << 8);
        if (n > most) n = most;
        if (n > m_size - m_pos) n = m_size - m_pos;
        const std::string_view out(reinterpret_cast<const char*>(m_data + m_pos), n);
        m_pos += n;
        return out;
    }
    // A point on or just beside the canvas: most often on a coarse lattice,
    // so that polygons close and line ends meet.
    POINT Point() {
        const std::uint8_t a = Byte();
        const std::uint8_t b = Byte();
        if (a & 0x80) return {(a & 0x0F) * 10 - 6, (b & 0x0F) * 7 - 6};
        return {(a & 0x7F) * 148 / 128 - 10, b * 116 / 256 - 10};
    }
    std::string Text() {
        static constexpr char kLetters[] = "ab Z\xe9 ;,1";
        std::string out;
        for (std::uint32_t n = Below(6); n > 0; --n) out += kLetters[Below(sizeof kLetters - 1)];
        return out;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

Figuur Shape(std::int32_t type, POINT a, POINT b, COLORREF rand) {
    Figuur f;
    f.FiguurType = type;
    f.KleurRand = static_cast<std::int32_t>(rand);
    f.MetRand = 1;
    f.LijnDikte = 1;
    f.p1 = a;
    f.p2 = b;
    return f;
}

// A drawing of every kind of figure on the canvas, or the new drawing.
void SampleDrawing(CPluvoDoc& doc, std::uint8_t choice) {
    OnNewDocument(doc);
    if (choice % 3 == 0) return;
    Drawing& drawing = Writable(doc);
    drawing.SizeRaster = choice % 3 == 1 ? 16 : 10;
    drawing.MetCoord = choice & 4 ? 1 : 0;
    Figuur box = Shape(Rechthoek, {20, 20}, {70, 60}, 0);
    box.MetVul = 1;
    box.KleurVul = 0x6464FF;
    Figuur ellipse = Shape(Ellips, {90, 10}, {150, 50}, 0x008000);
    ellipse.Stippel = 1;
    Figuur line = Shape(Lijn, {5, 100}, {150, 110}, 0x800080);
    line.LijnDikte = 3;
    Figuur polygon = Shape(Polygoon, {60, 70}, {90, 75}, 0x404040);
    polygon.MetVul = 1;
    polygon.KleurVul = 0x00FFFF;
    polygon.nHoek = 3;
    polygon.PolyPnt = static_cast<std::int32_t>(drawing.points.size());
    drawing.points.insert(drawing.points.end(), {{0, 0}, {30, 5}, {10, 25}});
    Figuur star = Shape(Veelhoek, {100, 60}, {140, 100}, 0xFF0000);
    star.nHoek = 5;
    Figuur arc = Shape(Boogkwart, {10, 70}, {40, 95}, 0x0000FF);
    Figuur circle = Shape(Cirkel, {120, 80}, {130, 90}, 0);
    Figuur text = Shape(Tekst, {30, 30}, {30, 30}, 0);
    text.TekstIndex = static_cast<std::int32_t>(drawing.texts.size());
    drawing.texts.push_back("Pluvo");
    Figuur fill = Shape(Opvullen, {40, 40}, {40, 40}, 0);
    fill.KleurVul = 0x00FF00;
    fill.MetVul = 1;
    drawing.figures = {box, ellipse, line, polygon, star, arc, circle, text, fill};
    doc.current.KleurVul = 0x80FF80;
}

// Whether every figure points inside the lists it uses, as the figures the
// editor makes from a well-formed drawing do.
bool WellFormed(const CPluvoDoc& doc) {
    for (const Figuur& f : doc.drawing().figures) {
        if (f.FiguurType == Polygoon) {
            if (f.PolyPnt < 0 || f.nHoek < 0 ||
                std::int64_t{f.PolyPnt} + f.nHoek > static_cast<std::int64_t>(doc.drawing().points.size()))
                return false;
        }
        if (f.FiguurType == Tekst) {
            if (f.TekstIndex < 0 || static_cast<std::size_t>(f.TekstIndex) >= doc.drawing().texts.size())
                return false;
            if (f.FontIndex < 0 || static_cast<std::size_t>(f.FontIndex) >= doc.drawing().fonts.size())
                return false;
        }
    }
    return true;
}

// FUZZ_SESSION_TRACE=1 in the environment lists the actions and the pixels
// that differ on stderr, for reading a failing input.
const bool kTrace = std::getenv("FUZZ_SESSION_TRACE") != nullptr;

struct Panes : GestureStatus {
    void SetPaneText(int pane, const std::string&) override { FUZZ_CHECK(pane == 0 || pane == 1); }
};

// The view as far as painting goes: its canvas image without the selection
// marks (which lie on a layer of their own), a surface made anew for every
// full paint (as the view makes one for its fresh image), the gesture
// machine drawing straight onto it, the drawing's index following every
// change, and after each change the parts it damaged painted again, or the
// whole canvas where the view paints it whole.
struct Session {
    CPluvoDoc doc;
    Panes panes;
    EditRoad road{doc};
    Gesture gesture{doc, road, panes};
    std::vector<Pixel> image = std::vector<Pixel>(std::size_t{kWidth} * kHeight, 0);
    std::unique_ptr<RasterSurface> surface;
    DrawingIndex index;
    CanvasRepair repair;
    Pixel measurePixel = 0;
    RasterSurface measure{&measurePixel, 1, 1, 1};
    bool repaintAsked = false;
    bool wellFormed = true;
    Drawing start;
    std::vector<Pixel> fresh;
    std::uint64_t freshRevision = 0;
    std::vector<std::uint32_t> freshSelection;

    Session() {
        road.AddListener([this](const EditOutcome& outcome) { Follow(outcome); });
    }

    CanvasView View() const {
        CanvasView view{kWidth, kHeight, SelectionMarks::Hide};
        view.lineEnds = &index.LineEnds();
        view.index = &index;
        return view;
    }
    void Paint() {
        surface = std::make_unique<RasterSurface>(image.data(), kWidth, kHeight, kWidth);
        OnDraw(*surface, doc, View());
        gesture.DrawFeedback(*surface);
        repaintAsked = false;
        repair.Painted();
    }
    // What the view does with a change: the damaged parts painted again,
    // or the whole canvas where a part cannot be.
    void Follow(const EditOutcome& outcome) {
        const DrawingIndex::Damage damage = index.Follow(doc, outcome.change, measure);
        if (repaintAsked || !surface) return;
        CanvasRepair::Plan plan = repair.After(outcome, damage, index.HasFills(),
                                                  CanvasRepair::FeedbackOf(gesture));
        for (const PixelBox& part : plan.parts)
            plan.whole = plan.whole || !RepaintPart(*surface, doc, View(), index, part);
        if (plan.whole) repaintAsked = true;
        if (kTrace) {
            std::fprintf(stderr, "  change: repaint %d, figure runs %zu, whole %d, parts %zu\n",
                         static_cast<int>(outcome.repaint), outcome.change.figures.size(),
                         plan.whole, plan.parts.size());
            for (const PixelBox& b : plan.parts)
                std::fprintf(stderr, "    part %lld,%lld-%lld,%lld\n", static_cast<long long>(b.left),
                             static_cast<long long>(b.top), static_cast<long long>(b.right),
                             static_cast<long long>(b.bottom));
        }
    }
    void Handle(GestureOutcome outcome) {
        if (outcome.repaint) repaintAsked = true;
    }
    // New, Open, a text file read: the view starts again from the drawing.
    void InitialUpdate() {
        gesture.Reset();
        repaintAsked = true;
    }
    void Restart() {
        fresh.clear();
        start = doc.drawing();
        wellFormed = WellFormed(doc);
        index.Rebuild(doc, measure);
        InitialUpdate();
    }

    void Act(Input& in);
    void Check();
};

std::vector<CommandId> OwnCommands() {
    std::vector<CommandId> ids;
    for (const EditRule& rule : EditRules())
        if (rule.action) ids.push_back(rule.id);
    return ids;
}

KenmerkenResult Kenmerken(const CPluvoDoc& doc, Input& in) {
    KenmerkenResult result;
    const std::uint8_t what = in.Byte();
    if (what & 1) {
        LogFont font = CPluvoDoc::DefaultFont(what & 2 ? "Arial" : "Verdana");
        font.lfHeight = -static_cast<std::int32_t>(in.Below(40));
        result.currentFont = font;
    }
    if (what & 4) {
        KenmerkenValues v = ReadKenmerken(doc);
        const std::uint8_t fields = in.Byte();
        const auto range = [&in](KenmerkenField field) {
            const IntegerRange r = RangeOf(field);
            return r.min + static_cast<std::int32_t>(in.Below(static_cast<std::uint32_t>(
                               std::int64_t{r.max} - r.min + 1 > 64 ? 64 : r.max - r.min + 1)));
        };
        if (fields & 1) v.KleurRand = in.Byte() * 0x010203u & 0xFFFFFF;
        if (fields & 2) v.KleurVul = in.Byte() * 0x030201u & 0xFFFFFF;
        if (fields & 4) {
            v.MetRand = in.Bit();
            v.MetVul = in.Bit();
            v.MetRaster = in.Bit();
            v.MetCoord = in.Bit();
            v.RsterPnt = in.Bit();
            v.Stippel = in.Bit();
        }
        if (fields & 8) {
            v.SizeRaster = range(KenmerkenField::SizeRaster);
            v.LijnDikte = range(KenmerkenField::LijnDikte);
            v.nHoek = range(KenmerkenField::nHoek);
            v.orientation = range(KenmerkenField::Orientation);
        }
        if (fields & 16) v.tool = static_cast<std::int32_t>(in.Below(12)) - 1;
        if (fields & 32) v.text = in.Text();
        if (fields & 64) v.printFactorIndex = static_cast<std::int32_t>(in.Below(5)) - 1;
        if (fields & 128) {
            v.KleurAchtergrond = in.Byte() * 0x010101u;
            v.KleurRaster = in.Byte() * 0x020301u & 0xFFFFFF;
        }
        result.values = v;
    }
    return result;
}

void Session::Act(Input& in) {
    if (!surface) Paint();
    const std::uint8_t op = in.Byte();
    if (kTrace)
        std::fprintf(stderr, "action %d (bezig %d, figures %zu, points %zu, steps %zu/%zu)\n",
                     op % 20, gesture.Bezig(), doc.drawing().figures.size(), doc.drawing().points.size(),
                     road.GetHistory().Position(), road.GetHistory().Steps());
    switch (op % 20) {
    case 0:
    case 1:
    case 2: {
        const POINT p = in.Point();
        const std::uint8_t k = in.Byte();
        Handle(gesture.LeftButtonDown(*surface, p,
                                      {k & 1 ? ShiftHeld::Yes : ShiftHeld::No,
                                       k & 2 ? CtrlHeld::Yes : CtrlHeld::No}));
        break;
    }
    case 3:
    case 4:
        Handle(gesture.MouseMove(*surface, in.Point()));
        break;
    case 5: {
        const POINT p = in.Point();
        Handle(gesture.LeftButtonUp(*surface, p, in.Bit()));
        break;
    }
    case 6:
        Handle(gesture.Escape(*surface));
        break;
    case 7:
        // The tool list and the tool buttons, also in mid-gesture.
        doc.current.FiguurType = static_cast<std::int32_t>(in.Below(11));
        break;
    case 8:
    case 9: {
        static const std::vector<CommandId> commands = OwnCommands();
        RunEdit(road, commands[in.Below(static_cast<std::uint32_t>(commands.size()))]);
        break;
    }
    case 10: {
        const std::uint32_t n = in.Below(15);
        const COLORREF colour = kVulkleuren[n];
        RunEdit(road,
                static_cast<CommandId>(static_cast<std::int32_t>(CommandId::FillColour1) +
                                       static_cast<std::int32_t>(n)),
                [colour](DrawingEditor& d) {
                    ZetVulkleur(d, colour);
                    return Change::Made;
                });
        break;
    }
    case 11: {
        const KenmerkenResult answer = Kenmerken(doc, in);
        std::string toolbarText;
        RunEdit(road, CommandId::Properties, [&](DrawingEditor& d) {
            return ApplyKenmerkenResult(d, answer, &toolbarText);
        });
        break;
    }
    case 12: {
        ResizePercentages chosen;
        chosen.horizontal = static_cast<std::int32_t>(in.Below(401)) - 200;
        chosen.vertical = in.Bit() ? chosen.horizontal : static_cast<std::int32_t>(in.Below(401)) - 200;
        RunEdit(road, CommandId::Resize, [chosen](DrawingEditor& d) {
            ApplyGrootte(d, chosen);
            return Change::Made;
        });
        break;
    }
    case 13: {
        // The objects list: Deletes and hidden operations while it is open,
        // then OK (the highlighted rows) or Cancel.
        std::vector<std::size_t> rows;
        for (std::uint32_t n = in.Below(4); n > 0; --n) rows.push_back(in.Below(12));
        const std::uint8_t what = in.Byte();
        if (what & 1) road.Apply(RemoveFiguresEdit(rows));
        if (what & 2) road.Apply(FigureOperationEdit(static_cast<FigureOperation>(in.Below(5))));
        const bool ok = what & 4;
        RunEdit(road, CommandId::ObjectList, [&](DrawingEditor& d) {
            if (ok) SelectFigures(d, rows);
            return Change::Made;
        });
        break;
    }
    case 14: {
        std::string bytes;
        bool foreign = false;
        switch (in.Below(3)) {
        case 0: {
            CPluvoDoc other;
            SampleDrawing(other, in.Byte());
            bytes = StoreBinary(other);
            break;
        }
        case 1:
            // Merging the drawing into itself doubles every list: past a
            // few hundred entries, inputs of repeated self-merges would only
            // spend their time painting thousands of figures, or their
            // memory on millions of texts.
            if (doc.drawing().figures.size() + doc.drawing().points.size() +
                    doc.drawing().texts.size() + doc.drawing().fonts.size() >
                kMostForSelfMerge)
                return;
            bytes = StoreBinary(doc);
            break;
        default:
            bytes = in.Chunk(1024);
            foreign = true;
            break;
        }
        RunEdit(road, CommandId::Merge, [&](DrawingEditor& d) {
            return Merge(d, bytes) == MergeResult::Added ? Change::Made : Change::Unmarked;
        });
        if (foreign) wellFormed = wellFormed && WellFormed(doc);
        break;
    }
    case 15: {
        std::string text;
        bool foreign = false;
        if (in.Bit()) {
            WriteText(doc, text);
        } else {
            text = in.Chunk(2048);
            foreign = true;
        }
        RunEdit(road, CommandId::ReadText, [&](DrawingEditor& d) {
            StoredDrawing stored;
            ReadText(text, stored);
            d.Replace(std::move(stored), RunValues::Reset);
            d.Doc().SetModifiedFlag(false);
            return Change::Made;
        });
        if (foreign) wellFormed = WellFormed(doc);
        InitialUpdate();
        break;
    }
    case 16:
        // A step cancels the gesture in progress first, as the window does.
        if (gesture.Bezig()) Handle(gesture.Escape(*surface));
        if (in.Bit())
            road.StepBack();
        else
            road.StepForward();
        break;
    case 17:
        // The toolbar's text edit loses the focus.
        TakeToolbarText(road, in.Text());
        break;
    case 18:
        // New, and perhaps a drawing opened.
        road.Replace({CPluvoDoc::NewDrawing(), RunValues::Reset, {}, Modified::No});
        if (in.Bit()) SampleDrawing(doc, in.Byte());
        Restart();
        break;
    default:
        switch (in.Below(4)) {
        case 0:
            // The window is painted for reasons of its own (uncovered,
            // resized).
            repaintAsked = true;
            break;
        case 1:
            // A move with the button held since it went down: it may start
            // dragging the selection.
            Handle(gesture.MouseMove(*surface, in.Point(), Dragged::Yes));
            break;
        default: {
            // Ctrl+V of the selection copied, or of clipboard text; pasted
            // again and again, the selection would grow as self-merges do.
            if (doc.drawing().figures.size() + doc.drawing().points.size() > kMostForSelfMerge)
                break;
            Drawing figures = SelectedFigures(doc);
            if (in.Bit() && !ReadFigures(in.Chunk(1024), figures)) break;
            std::optional<POINT> at;
            if (in.Bit()) at = in.Point();
            Handle(gesture.StartPaste(*surface, std::move(figures), at));
            break;
        }
        }
        break;
    }
    if (repaintAsked) Paint();
}

void Session::Check() {
    // The polygon being entered: its corners are the last points of the list.
    if (gesture.Phase() == GesturePhase::Polygon) {
        FUZZ_CHECK(gesture.NPunten() >= 1);
        FUZZ_CHECK(gesture.PolygonPoints().size() == static_cast<std::size_t>(gesture.NPunten()));
    } else {
        FUZZ_CHECK(gesture.PolygonPoints().empty());
    }
    if (wellFormed) FUZZ_CHECK(WellFormed(doc));

    // Each drawing file reads back exactly what it wrote, unless the model
    // says what it cannot hold; and what it says does not fit, does not.
    for (DrawingFormat format : {DrawingFormat::Binary, DrawingFormat::Text})
        FUZZ_CHECK(ReadsBackExactly(doc, format) == !WhatDoesNotFit(doc, format));

    // Without a gesture, the canvas is what a fresh paint makes of the
    // drawing.
    // A paint reads the drawing, whose every change raises the revision,
    // and the selection, which selecting by enclosing sets outside the
    // road: the fresh paint is made again only when one of them moved.
    if (!gesture.Bezig()) {
        if (freshRevision != doc.Revision() || freshSelection != doc.Selection() || fresh.empty()) {
            freshSelection = doc.Selection();
            fresh.assign(std::size_t{kWidth} * kHeight, 0);
            RasterSurface target(fresh.data(), kWidth, kHeight, kWidth);
            OnDraw(target, doc, {kWidth, kHeight});
            freshRevision = doc.Revision();
        }
        // The canvas with the selection marks over it, as the window shows
        // the two layers.
        std::vector<Pixel> shown = image;
        RasterSurface marks(shown.data(), kWidth, kHeight, kWidth);
        SchilderSelectie(marks, doc);
        if (kTrace && fresh != shown)
            for (std::size_t i = 0, n = 0; i < fresh.size() && n < 12; ++i)
                if (fresh[i] != shown[i] && ++n)
                    std::fprintf(stderr, "pixel (%zu, %zu): canvas %08x, fresh %08x\n",
                                 i % kWidth, i / kWidth, shown[i], fresh[i]);
        FUZZ_CHECK(fresh == shown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    Session s;
    const std::uint8_t first = in.Byte();
    if (first & 0x80) {
        // A drawing from the bytes, binary or text; small, so painting
        // stays cheap.
        const std::string_view bytes = in.Chunk(1536);
        if (!LoadBinary(s.doc, bytes) && !ReadText(s.doc, bytes).ok) SampleDrawing(s.doc, first);
    } else {
        SampleDrawing(s.doc, first);
    }
    s.doc.current.RsterPnt = first & 0x40 ? 1 : 0;
    s.Restart();
    s.Paint();
    s.Check();
    for (int n = 0; n < kMaxActions && !in.Done(); ++n) {
        s.Act(in);
        s.Check();
    }
    // Back through the whole history: the drawing it started from.
    if (s.gesture.Bezig()) s.Handle(s.gesture.Escape(*s.surface));
    while (s.road.StepBack()) {
    }
    if (kTrace)
        std::fprintf(stderr, "start: %zu figures %zu points %zu texts %zu fonts; back: %zu %zu %zu %zu, settings %d\n",
                     s.start.figures.size(), s.start.points.size(), s.start.texts.size(), s.start.fonts.size(),
                     s.doc.drawing().figures.size(), s.doc.drawing().points.size(), s.doc.drawing().texts.size(), s.doc.drawing().fonts.size(),
                     s.start.Settings() == s.doc.drawing().Settings());
    FUZZ_CHECK(s.doc.drawing() == s.start);
    return 0;
}
