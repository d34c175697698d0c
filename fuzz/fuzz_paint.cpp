// Paints arbitrary bytes, read as a binary drawing or else as the text
// exchange format, onto a small pixel buffer as the screen and as a printed
// page. Whatever a damaged drawing holds, painting must finish in time, stay
// inside the buffer, write only opaque pixels and give the same pixels again.
#include "FuzzCheck.h"
#include "model/BinaryFile.h"
#include "model/TextFormat.h"
#include "render/Canvas.h"
#include "render/RasterSurface.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace {

// The buffer has spare columns on the right and spare rows below, filled
// with a pixel that painting never writes (its alpha is not 0xFF).
constexpr std::int32_t kWidth = 64;
constexpr std::int32_t kHeight = 48;
constexpr std::int32_t kStride = kWidth + 3;
constexpr std::int32_t kRows = kHeight + 2;
constexpr Pixel kGuard = 0x12345678u;
constexpr Pixel kWhite = 0xFFFFFFFFu;

std::vector<Pixel> Paint(const CPluvoDoc& doc, SurfaceKind kind, const CanvasView& view) {
    std::vector<Pixel> buffer(static_cast<std::size_t>(kStride) * kRows, kGuard);
    for (std::int32_t y = 0; y < kHeight; ++y)
        for (std::int32_t x = 0; x < kWidth; ++x) buffer[y * kStride + x] = kWhite;
    RasterSurface surface(buffer.data(), kWidth, kHeight, kStride, kind);
    OnDraw(surface, doc, view);
    for (std::int32_t y = 0; y < kRows; ++y)
        for (std::int32_t x = 0; x < kStride; ++x) {
            const Pixel p = buffer[y * kStride + x];
            if (x < kWidth && y < kHeight)
                FUZZ_CHECK(p >> 24 == 0xFF);
            else
                FUZZ_CHECK(p == kGuard);
        }
    return buffer;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CPluvoDoc doc;
    if (!LoadBinary(doc, bytes) && !ReadText(doc, bytes).ok) return 0;

    // What the file does not hold comes from its last byte: the print
    // factor (also the unusable ones), the free polygon being entered and
    // which figures are selected.
    const std::uint8_t last = size > 0 ? data[size - 1] : 0;
    doc.PrintFactor = last % 13 - 1;
    const std::size_t marked = std::min<std::size_t>((last >> 2) % 8, doc.drawing().points.size());
    CanvasView view{kWidth, kHeight, SelectionMarks::Show,
                    std::span<const POINT>(doc.drawing().points).last(marked)};
    for (std::size_t i = 0; i < doc.drawing().figures.size(); i += 1 + last % 3)
        WritableSelection(doc).push_back(static_cast<std::uint32_t>(i));
    if (last & 0x80) WritableSelection(doc).push_back(0xFFFFFFFFu);

    const std::vector<Pixel> screen = Paint(doc, SurfaceKind::Screen, view);
    FUZZ_CHECK(Paint(doc, SurfaceKind::Screen, view) == screen);
    view.marks = SelectionMarks::Hide;
    Paint(doc, SurfaceKind::Printing, view);
    return 0;
}
