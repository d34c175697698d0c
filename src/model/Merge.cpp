#include "Merge.h"

#include "BinaryFile.h"
#include "Int32.h"

MergeResult Merge(CPluvoDoc& doc, std::string_view bytes) {
    // The whole file is read before the drawing is touched, so a damaged file
    // cannot leave half a merge behind.
    BinaryDrawing parsed;
    if (!ParseBinary(bytes, parsed)) return MergeResult::Refused;
    Drawing& file = parsed.drawing;

    const auto t0 = static_cast<std::int32_t>(doc.texts.size());
    const auto f0 = static_cast<std::int32_t>(doc.fonts.size());
    const auto p0 = static_cast<std::int32_t>(doc.points.size());
    const std::size_t n0 = doc.figures.size();

    doc.figures.reserve(n0 + file.figures.size());
    for (Figuur f : file.figures) {
        f.TekstIndex = i32::add(f.TekstIndex, t0);
        f.FontIndex = i32::add(f.FontIndex, f0);
        f.PolyPnt = i32::add(f.PolyPnt, p0);
        doc.figures.push_back(f);
    }
    // Equal texts and fonts are appended again, so the offsets stay right.
    doc.texts.insert(doc.texts.end(), std::make_move_iterator(file.texts.begin()),
                     std::make_move_iterator(file.texts.end()));
    doc.fonts.insert(doc.fonts.end(), file.fonts.begin(), file.fonts.end());
    doc.points.insert(doc.points.end(), file.points.begin(), file.points.end());

    doc.selection.clear();
    doc.selection.reserve(file.figures.size());
    for (std::size_t i = n0; i < doc.figures.size(); ++i)
        doc.selection.push_back(static_cast<std::uint32_t>(i));
    const bool added =
        !file.figures.empty() || !file.texts.empty() || !file.fonts.empty() || !file.points.empty();
    return added ? MergeResult::Added : MergeResult::Empty;
}
