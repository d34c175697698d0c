// Feeds arbitrary bytes to the binary drawing loader. A loaded drawing must
// store and load again to the same bytes, and every writer must cope with
// whatever indices the file held.
#include "FuzzCheck.h"
#include "model/BinaryFile.h"
#include "model/SvgExport.h"
#include "model/TextFormat.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CPluvoDoc doc;
    if (!LoadBinary(doc, bytes)) {
        FUZZ_CHECK(doc.drawing().figures.empty() && doc.drawing().texts.size() == 1 && doc.drawing().fonts.size() == 1);
        return 0;
    }
    const std::string stored = StoreBinary(doc);
    CPluvoDoc again;
    FUZZ_CHECK(LoadBinary(again, stored));
    FUZZ_CHECK(StoreBinary(again) == stored);

    std::string text;
    WriteText(doc, text);
    CPluvoDoc fromText;
    ReadText(fromText, text);
    std::string svg;
    WriteSvg(doc, "fuzz.svg", svg);
    return 0;
}
