// The editor's document: the drawing (its lists and settings, a value of its
// own) and the editing session around it: the current figure, the
// selection, the one-level undo copies, the drawing's revision, the file's
// name and the values the editor remembers for the run. Everyone reads the
// drawing and the selection through a const view; they change only through
// the edit road (interaction/EditRoad), which hands each change a
// DrawingEditor that records it.
#pragma once

#include "Drawing.h"
#include "Figuur.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// What a drawing file holds: the drawing and the editor's current figure.
struct StoredDrawing {
    Drawing drawing;
    Figuur current;
};

// Whether the values the editor remembers for the run (and the file's name)
// start again with a replaced drawing, as for a new one, or stay.
enum class RunValues { Keep, Reset };

class CPluvoDoc {
public:
    static constexpr std::string_view VersionMagic = "Pluvo Versie 1c Qrtz3B";

    // A new drawing.
    CPluvoDoc();
    // A document around a drawing read elsewhere (the command line's
    // conversions, a printed page), otherwise as new.
    explicit CPluvoDoc(StoredDrawing stored, std::vector<std::uint32_t> selection = {});

    // The drawing new documents start with, and their current figure.
    static StoredDrawing NewDrawing();

    const Drawing& drawing() const { return m_drawing; }
    // The selected figures' indices; entries that name no figure are ignored.
    const std::vector<std::uint32_t>& Selection() const { return m_selection; }

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

    // --- Reading -------------------------------------------------------------
    int FindSelected(std::uint32_t figureIndex) const;
    POINT FindLineEndpoint(POINT p) const;
    PolygonAreaResult PolygonArea(const Figuur& figure) const;

    // The one-level undo. Only the figure list of the copy decides whether
    // Undo is available.
    bool CanUndo() const { return m_undo && !m_undo->figures.empty(); }
    // The undo copies as a shared value, for the history of changes, which
    // keeps the copies of each step without copying the lists; nullptr when
    // there are none.
    const std::shared_ptr<const UndoCopy>& UndoState() const { return m_undo; }

    // Counts the changes of the drawing: the edit road raises it with every
    // change and every replaced drawing, so caches that depend on the
    // drawing compare it instead of guessing.
    std::uint64_t Revision() const { return m_revision; }

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

    // Whether the drawing has changes that are not saved. The road marks
    // it; saving and opening clear it.
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified) { m_modified = modified; }

    // The font the editor offers for new texts: Verdana, 16 pixels high.
    static LogFont DefaultFont(std::string_view face);

private:
    // Only these write the drawing, the selection, the undo copy and the
    // revision: the editor that records each change, and the road that
    // hands it out and steps through the history. Tests build their
    // drawings in place through TestAccess.
    friend class DrawingEditor;
    friend class EditRoad;
    friend struct TestAccess;

    // The values of the run and the file's name as for a new drawing.
    void ResetRunValues();
    void TakeSnapshot();
    void DropSnapshot() { m_undo.reset(); }
    void Revise() { ++m_revision; }

    Drawing m_drawing;
    std::vector<std::uint32_t> m_selection;
    bool m_modified = false;
    std::shared_ptr<const UndoCopy> m_undo;
    std::uint64_t m_revision = 0;
};
