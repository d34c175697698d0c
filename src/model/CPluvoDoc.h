// The editor's document: the drawing (its lists and settings, a value of its
// own) and the state around it: the current figure, the selection, the
// one-level undo copies, the drawing's revision and the values the editor
// remembers for the run. Views, dialogs and commands read it; changes reach
// it through the edit road (interaction/EditRoad).
#pragma once

#include "Drawing.h"
#include "Figuur.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The main window's title as the document sees it, so that MarkModified can
// add its "*" without knowing about windows.
struct TitleHook {
    std::function<std::string()> read;
    std::function<void(const std::string&)> write;
};

// The result of PolygonArea: square drawing units and grid cells.
struct PolygonAreaResult {
    std::int32_t units = 0;
    double cells = 0.0;
};

// The one-level undo: copies of the figure, font and point lists, taken
// together and given back together.
struct UndoCopy {
    std::vector<Figuur> figures;
    std::vector<LogFont> fonts;
    std::vector<POINT> points;
};

class CPluvoDoc : public Drawing {
public:
    static constexpr std::string_view VersionMagic = "Pluvo Versie 1c Qrtz3B";

    CPluvoDoc();

    // The figure, point, text and font lists and the stored settings come
    // from Drawing.
    Drawing& drawing() { return *this; }
    const Drawing& drawing() const { return *this; }

    // The selected figures' indices; entries that name no figure are ignored.
    std::vector<std::uint32_t> selection;

    // The template for the next placed figure; its FiguurType is the tool.
    Figuur current;

    // --- Values remembered for the run --------------------------------------
    std::int32_t SnapDistance = 5;
    std::int32_t PrintFactor = 5;
    std::int32_t ResizeX = 100;
    std::int32_t ResizeY = 100;
    std::string FontFace = "Verdana";
    COLORREF FontColor = 0;
    LogFont CurrentFont;
    std::string PngPath, TextPath, SvgPath, MergePath;

    // The file the drawing was opened from or saved to; empty for a new one.
    std::string PathName;

    // The fill toggle command's state: it belongs to the run, not to a
    // drawing, and survives New and Open. 0: the next use fills, 1: it
    // empties.
    int FillToggle = 0;

    // --- Operations --------------------------------------------------------
    // Each operation makes its change only; whether a command takes the undo
    // snapshot, marks the drawing modified and repaints is decided by the
    // command layer (interaction/EditCommands).
    void AppendFigure();
    // False when there was no figure to remove.
    bool RemoveLastFigure();
    void RemoveSelectedFigures();
    int FindSelected(std::uint32_t figureIndex) const;
    std::int32_t FindOrAddText(const std::string& text);
    std::int32_t FindOrAddFont(const LogFont& font);
    POINT FindLineEndpoint(POINT p) const;
    void MakeCoordinatesPositive();
    PolygonAreaResult PolygonArea(const Figuur& figure) const;
    void MarkModified();
    bool OnNewDocument();

    // The one-level undo. Only the figure list of the copy decides whether
    // Undo is available.
    void TakeSnapshot();
    void RestoreSnapshot();
    void DropSnapshot();
    bool CanUndo() const { return m_undo && !m_undo->figures.empty(); }
    // The undo copies as a shared value, for the history of changes, which
    // keeps the copies of each step without copying the lists; nullptr when
    // there are none.
    const std::shared_ptr<const UndoCopy>& UndoState() const { return m_undo; }
    void SetUndoState(std::shared_ptr<const UndoCopy> undo) { m_undo = std::move(undo); }

    // Counts the changes of the drawing: the edit road and every refill
    // (New, Open, reading a text file) raise it, so caches that depend on
    // the drawing compare it instead of guessing.
    std::uint64_t Revision() const { return m_revision; }
    void Revise() { ++m_revision; }

    // Scales figures, points and font heights by h percent horizontally and
    // v percent vertically; a mirrored drawing is moved back into positive
    // coordinates.
    void Schaal(std::int32_t h, std::int32_t v);

    // Figure operations; the caller repaints, marks and snapshots.
    void WegVulling();
    void ZetVulling();
    void LijndikteMeer();   // outlines one pixel thicker
    void LijndikteMinder(); // outlines one pixel thinner
    void VerwisselXY();
    void Verschuif(std::int32_t dx, std::int32_t dy);
    // Rotates the drawing a quarter turn clockwise, fonts included.
    void Draai90();
    void SelectAll();
    void SelectNone();
    // The fill toggle command: fills or empties the affected figures.
    void ToggleFill();

    // For each figure, whether the selection-aware commands touch it: all
    // figures when nothing is selected, otherwise exactly the selected ones.
    std::vector<bool> AffectedFigures() const;
    // The polygon points of a polygoon figure, or an empty range when its
    // indices lie outside the point list.
    bool PolygonRange(const Figuur& figure, std::size_t& first, std::size_t& count) const;
    // Where a polygoon's points are drawn: p1 + point[k] - point[PolyPnt].
    // False, with out empty, when its points run past the point list.
    bool PolygonVertices(const Figuur& figure, std::vector<POINT>& out) const;
    // The text and the font of a tekst figure, or nullptr when its index lies
    // outside the list: such a figure is kept but never drawn or exported.
    const std::string* TextOf(const Figuur& figure) const;
    const LogFont* FontOf(const Figuur& figure) const;

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified) { m_modified = modified; }
    void SetTitleHook(TitleHook hook) { m_title.hook = std::move(hook); }

    // The font the editor offers for new texts: Verdana, 16 pixels high.
    static LogFont DefaultFont(std::string_view face);

private:
    // The hook binds this document object to its window; copying or
    // assigning a drawing copies the drawing, not that binding.
    struct TitleBinding {
        TitleBinding() = default;
        TitleBinding(const TitleBinding&) {}
        TitleBinding& operator=(const TitleBinding&) { return *this; }
        TitleHook hook;
    };

    bool m_modified = false;
    TitleBinding m_title;
    std::shared_ptr<const UndoCopy> m_undo;
    std::uint64_t m_revision = 0;
};
