// Merges arbitrary bytes into a small drawing: either the whole file is
// appended and exactly its figures are selected, or nothing changes.
#include "FuzzCheck.h"
#include "model/BinaryFile.h"
#include "model/Merge.h"
#include "model/SvgExport.h"

#include <cstdint>
#include <string>

namespace {

CPluvoDoc Base() {
    CPluvoDoc doc;
    doc.texts.push_back("tweede");
    doc.points = {{1, 2}, {3, 4}, {5, 6}};
    doc.current.FiguurType = Polygoon;
    doc.current.nHoek = 3;
    doc.AppendFigure();
    doc.current.FiguurType = Tekst;
    doc.current.TekstIndex = 1;
    doc.AppendFigure();
    doc.selection = {1};
    return doc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const CPluvoDoc base = Base();
    static const std::string baseBytes = StoreBinary(base);

    CPluvoDoc doc = base;
    if (Merge(doc, bytes) == MergeResult::Refused) {
        FUZZ_CHECK(StoreBinary(doc) == baseBytes);
        FUZZ_CHECK(doc.selection == base.selection);
        return 0;
    }
    BinaryDrawing parsed;
    FUZZ_CHECK(ParseBinary(bytes, parsed));
    const Drawing& file = parsed.drawing;
    FUZZ_CHECK(doc.figures.size() == base.figures.size() + file.figures.size());
    FUZZ_CHECK(doc.texts.size() == base.texts.size() + file.texts.size());
    FUZZ_CHECK(doc.fonts.size() == base.fonts.size() + file.fonts.size());
    FUZZ_CHECK(doc.points.size() == base.points.size() + file.points.size());
    FUZZ_CHECK(doc.selection.size() == file.figures.size());
    for (std::size_t i = 0; i < doc.selection.size(); ++i)
        FUZZ_CHECK(doc.selection[i] == base.figures.size() + i);
    FUZZ_CHECK(doc.SizeRaster == base.SizeRaster && doc.current == base.current);

    std::string svg;
    WriteSvg(doc, "fuzz.svg", svg);
    return 0;
}
