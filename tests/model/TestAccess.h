// Tests build their drawings in place and call the operations directly: the
// document's drawing, selection and undo copy, writable, and the editor of a
// change made on a road of the test's own.
#pragma once

#include "interaction/EditRoad.h"
#include "model/CPluvoDoc.h"

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

struct TestAccess {
    static Drawing& DrawingOf(CPluvoDoc& doc) { return doc.m_drawing; }
    static std::vector<std::uint32_t>& SelectionOf(CPluvoDoc& doc) { return doc.m_selection; }
    static void SetUndo(CPluvoDoc& doc, std::shared_ptr<const UndoCopy> undo) {
        doc.m_undo = std::move(undo);
    }
    static void TakeSnapshot(CPluvoDoc& doc) { doc.TakeSnapshot(); }
    // A change made around the road, as a test simulates one, told by the
    // revision alone.
    static void Revise(CPluvoDoc& doc) { doc.Revise(); }
};

inline Drawing& Writable(CPluvoDoc& doc) { return TestAccess::DrawingOf(doc); }
inline std::vector<std::uint32_t>& WritableSelection(CPluvoDoc& doc) {
    return TestAccess::SelectionOf(doc);
}

// Runs `change` (an operation on the editor) as an edit of its own on the
// document and returns what it returned.
template <class Operation> auto Edited(CPluvoDoc& doc, Operation change) {
    EditRoad road(doc);
    using Result = decltype(change(std::declval<DrawingEditor&>()));
    if constexpr (std::is_void_v<Result>) {
        road.Apply({UndoRule::Keep, Modified::No, Repaint::No, [&](DrawingEditor& editor) {
                        change(editor);
                        return Change::Made;
                    }});
    } else {
        Result result{};
        road.Apply({UndoRule::Keep, Modified::No, Repaint::No, [&](DrawingEditor& editor) {
                        result = change(editor);
                        return Change::Made;
                    }});
        return result;
    }
}

// The operations as the tests call them: on the document, each an edit of
// its own.
#include "interaction/Grootte.h"
#include "interaction/ObjectList.h"
#include "interaction/Placing.h"
#include "interaction/Properties.h"
#include "interaction/ToolOptions.h"
#include "model/BinaryFile.h"
#include "model/DrawingFile.h"
#include "model/Merge.h"
#include "model/Operations.h"
#include "model/TextFormat.h"

inline void TakeSnapshot(CPluvoDoc& doc) { TestAccess::TakeSnapshot(doc); }
inline void AppendFigure(CPluvoDoc& doc) { Writable(doc).figures.push_back(doc.current); }
inline bool RemoveLastFigure(CPluvoDoc& doc) {
    return Edited(doc, [](DrawingEditor& e) { return RemoveLastFigure(e); });
}
inline void RemoveSelectedFigures(CPluvoDoc& doc) {
    Edited(doc, [](DrawingEditor& e) { RemoveSelectedFigures(e); });
}
inline void RestoreSnapshot(CPluvoDoc& doc) {
    Edited(doc, [](DrawingEditor& e) { e.RestoreUndoCopy(); });
}
inline std::int32_t FindOrAddText(CPluvoDoc& doc, const std::string& text) {
    return Edited(doc, [&](DrawingEditor& e) { return FindOrAddText(e, text); });
}
inline std::int32_t FindOrAddFont(CPluvoDoc& doc, const LogFont& font) {
    return Edited(doc, [&](DrawingEditor& e) { return FindOrAddFont(e, font); });
}
inline void Schaal(CPluvoDoc& doc, std::int32_t h, std::int32_t v) {
    Edited(doc, [&](DrawingEditor& e) { Schaal(e, h, v); });
}
inline void Verschuif(CPluvoDoc& doc, std::int32_t dx, std::int32_t dy) {
    Edited(doc, [&](DrawingEditor& e) { Verschuif(e, dx, dy); });
}
#define PLUVO_TEST_OPERATION(Name)                                                               \
    inline void Name(CPluvoDoc& doc) {                                                           \
        Edited(doc, [](DrawingEditor& e) { Name(e); });                                          \
    }
PLUVO_TEST_OPERATION(WegVulling)
PLUVO_TEST_OPERATION(ZetVulling)
PLUVO_TEST_OPERATION(LijndikteMeer)
PLUVO_TEST_OPERATION(LijndikteMinder)
PLUVO_TEST_OPERATION(VerwisselXY)
PLUVO_TEST_OPERATION(Draai90)
PLUVO_TEST_OPERATION(SelectAll)
PLUVO_TEST_OPERATION(SelectNone)
PLUVO_TEST_OPERATION(ToggleFill)
PLUVO_TEST_OPERATION(MakeCoordinatesPositive)
#undef PLUVO_TEST_OPERATION

// The document replaced as the window replaces it.
inline void Replace(CPluvoDoc& doc, Replacement replacement) {
    EditRoad road(doc);
    road.Replace(std::move(replacement));
}
inline bool OnNewDocument(CPluvoDoc& doc) {
    Replace(doc, {CPluvoDoc::NewDrawing(), RunValues::Reset, {}, Modified::No});
    return true;
}
inline OpenResult LoadDrawing(CPluvoDoc& doc, std::string_view path, std::string_view bytes) {
    OpenResult result = LoadDrawing(path, bytes);
    const bool opened = result.status == OpenStatus::Opened;
    Replace(doc, {std::move(result.stored), result.runValues,
                  opened ? std::string(path) : std::string(), Modified::No});
    return result;
}
inline OpenResult OpenDrawing(CPluvoDoc& doc, const std::string& path) {
    OpenResult result = OpenDrawing(path);
    if (result.status == OpenStatus::Unreadable) return result;
    const bool opened = result.status == OpenStatus::Opened;
    Replace(doc, {std::move(result.stored), result.runValues, opened ? path : std::string(),
                  Modified::No});
    return result;
}
// Reading into the document keeps its name and modified mark, as the file
// readers did before a window named the drawing.
inline bool LoadBinary(CPluvoDoc& doc, std::string_view bytes) {
    StoredDrawing stored;
    const bool ok = ParseBinary(bytes, stored);
    const Modified modified = doc.IsModified() ? Modified::Yes : Modified::No;
    if (ok)
        Replace(doc, {std::move(stored), RunValues::Keep, doc.PathName, modified});
    else
        Replace(doc, {CPluvoDoc::NewDrawing(), RunValues::Reset, {}, Modified::No});
    return ok;
}
inline TextReadResult ReadText(CPluvoDoc& doc, std::string_view text) {
    StoredDrawing stored;
    const TextReadResult read = ReadText(text, stored);
    Replace(doc, {std::move(stored), RunValues::Reset, {}, Modified::No});
    return read;
}
inline MergeResult Merge(CPluvoDoc& doc, std::string_view bytes) {
    return Edited(doc, [&](DrawingEditor& e) { return Merge(e, bytes); });
}
inline bool ZetVulkleur(CPluvoDoc& doc, COLORREF colour) {
    return Edited(doc, [&](DrawingEditor& e) { return ZetVulkleur(e, colour); });
}
inline bool ZetRandkleur(CPluvoDoc& doc, COLORREF colour) {
    return Edited(doc, [&](DrawingEditor& e) { return ZetRandkleur(e, colour); });
}
inline bool TakeToolbarText(CPluvoDoc& doc, const std::string& text) {
    return Edited(doc, [&](DrawingEditor& e) { return TakeToolbarText(e, text); });
}
inline bool ApplyKenmerken(CPluvoDoc& doc, const KenmerkenValues& values) {
    return Edited(doc, [&](DrawingEditor& e) { return ApplyKenmerken(e, values); });
}
inline Change ApplyKenmerkenResult(CPluvoDoc& doc, const KenmerkenResult& result,
                                   std::string* toolbarText) {
    return Edited(doc,
                  [&](DrawingEditor& e) { return ApplyKenmerkenResult(e, result, toolbarText); });
}
inline void RemoveFigures(CPluvoDoc& doc, std::span<const std::size_t> numbers) {
    Edited(doc, [&](DrawingEditor& e) { RemoveFigures(e, numbers); });
}
inline void SelectFigures(CPluvoDoc& doc, std::span<const std::size_t> numbers) {
    Edited(doc, [&](DrawingEditor& e) { SelectFigures(e, numbers); });
}
inline void ApplyGrootte(CPluvoDoc& doc, ResizePercentages percentages) {
    Edited(doc, [&](DrawingEditor& e) { ApplyGrootte(e, percentages); });
}
inline bool DrawAndAppend(Surface& surface, CPluvoDoc& doc, const LineEndIndex& lineEnds) {
    return Edited(doc, [&](DrawingEditor& e) { return DrawAndAppend(surface, e, lineEnds); });
}
inline std::size_t GroeiBoom(Surface& surface, CPluvoDoc& doc, POINT a, POINT b,
                             std::int32_t kleurStap) {
    return Edited(doc, [&](DrawingEditor& e) { return GroeiBoom(surface, e, a, b, kleurStap); });
}
inline std::size_t TwoPointTree(Surface& surface, CPluvoDoc& doc, POINT a, POINT b) {
    return Edited(doc, [&](DrawingEditor& e) { return TwoPointTree(surface, e, a, b); });
}
