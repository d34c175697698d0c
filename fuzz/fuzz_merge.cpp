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
    Writable(doc).texts.push_back("tweede");
    Writable(doc).points = {{1, 2}, {3, 4}, {5, 6}};
    doc.current.FiguurType = Polygoon;
    doc.current.nHoek = 3;
    AppendFigure(doc);
    doc.current.FiguurType = Tekst;
    doc.current.TekstIndex = 1;
    AppendFigure(doc);
    WritableSelection(doc) = {1};
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
        FUZZ_CHECK(doc.Selection() == base.Selection());
        return 0;
    }
    BinaryDrawing parsed;
    FUZZ_CHECK(ParseBinary(bytes, parsed));
    const Drawing& file = parsed.drawing;
    FUZZ_CHECK(doc.drawing().figures.size() == base.drawing().figures.size() + file.figures.size());
    FUZZ_CHECK(doc.drawing().texts.size() == base.drawing().texts.size() + file.texts.size());
    FUZZ_CHECK(doc.drawing().fonts.size() == base.drawing().fonts.size() + file.fonts.size());
    FUZZ_CHECK(doc.drawing().points.size() == base.drawing().points.size() + file.points.size());
    FUZZ_CHECK(doc.Selection().size() == file.figures.size());
    for (std::size_t i = 0; i < doc.Selection().size(); ++i)
        FUZZ_CHECK(doc.Selection()[i] == base.drawing().figures.size() + i);
    FUZZ_CHECK(doc.drawing().SizeRaster == base.drawing().SizeRaster && doc.current == base.current);

    std::string svg;
    WriteSvg(doc, "fuzz.svg", svg);
    return 0;
}
