#include "Merge.h"

#include "BinaryFile.h"
#include "Int32.h"

MergeResult Merge(DrawingEditor& editor, std::string_view bytes) {
    // The whole file is read before the drawing is touched, so a damaged file
    // cannot leave half a merge behind.
    BinaryDrawing parsed;
    if (!ParseBinary(bytes, parsed)) return MergeResult::Refused;
    Drawing& file = parsed.drawing;

    const auto t0 = static_cast<std::int32_t>(editor.texts.size());
    const auto f0 = static_cast<std::int32_t>(editor.fonts.size());
    const auto p0 = static_cast<std::int32_t>(editor.points.size());
    const std::size_t n0 = editor.figures.size();

    editor.figures.reserve(n0 + file.figures.size());
    for (Figuur f : file.figures) {
        f.TekstIndex = i32::add(f.TekstIndex, t0);
        f.FontIndex = i32::add(f.FontIndex, f0);
        f.PolyPnt = i32::add(f.PolyPnt, p0);
        editor.figures.push_back(f);
    }
    // Equal texts and fonts are appended again, so the offsets stay right.
    editor.texts.append(std::make_move_iterator(file.texts.begin()),
                        std::make_move_iterator(file.texts.end()));
    editor.fonts.append(file.fonts.begin(), file.fonts.end());
    editor.points.append(file.points.begin(), file.points.end());

    std::vector<std::uint32_t>& selection = editor.Selection();
    selection.clear();
    selection.reserve(file.figures.size());
    for (std::size_t i = n0; i < editor.figures.size(); ++i)
        selection.push_back(static_cast<std::uint32_t>(i));
    const bool added =
        !file.figures.empty() || !file.texts.empty() || !file.fonts.empty() || !file.points.empty();
    return added ? MergeResult::Added : MergeResult::Empty;
}
