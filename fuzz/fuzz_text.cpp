// Feeds arbitrary text to the text exchange reader. A drawing it accepts must
// satisfy the index checks, survive the binary file unchanged and export.
#include "FuzzCheck.h"
#include "model/BinaryFile.h"
#include "model/SvgExport.h"
#include "model/TextFormat.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CPluvoDoc doc;
    const TextReadResult result = ReadText(doc, text);
    if (!result.ok) {
        FUZZ_CHECK(result.line >= 1);
        FUZZ_CHECK(doc.drawing().figures.empty() && doc.drawing().texts.size() == 1 && doc.drawing().fonts.size() == 1);
        return 0;
    }
    FUZZ_CHECK(!doc.drawing().texts.empty() && !doc.drawing().fonts.empty());
    FUZZ_CHECK(doc.drawing().MetCoord >= 0 && doc.drawing().MetCoord <= 255 && doc.drawing().MetRaster >= 0 &&
               doc.drawing().MetRaster <= 255);
    for (const Figuur& f : doc.drawing().figures) {
        FUZZ_CHECK(f.TekstIndex < static_cast<std::int64_t>(doc.drawing().texts.size()));
        FUZZ_CHECK(f.FontIndex < static_cast<std::int64_t>(doc.drawing().fonts.size()));
    }

    const std::string stored = StoreBinary(doc);
    CPluvoDoc fromBinary;
    FUZZ_CHECK(LoadBinary(fromBinary, stored));
    FUZZ_CHECK(fromBinary.drawing().figures == doc.drawing().figures && fromBinary.drawing().texts == doc.drawing().texts &&
               fromBinary.drawing().fonts == doc.drawing().fonts && fromBinary.drawing().points == doc.drawing().points &&
               fromBinary.current == doc.current);

    std::string written;
    WriteText(doc, written);
    std::string svg;
    WriteSvg(doc, "fuzz.svg", svg);
    return 0;
}
