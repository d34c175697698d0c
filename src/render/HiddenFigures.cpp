#include "HiddenFigures.h"

#include "DrawingIndex.h"
#include "model/CPluvoDoc.h"

#include <algorithm>
#include <limits>

namespace {

// The side of the squares: small enough that some core holds most of them
// in a dense drawing, large enough that a whole canvas has a few thousand.
constexpr std::int64_t kSquare = 32;
// Fewer figures than this are painted as they are: finding the hidden ones
// would cost more than it saves.
constexpr std::size_t kFewFigures = 8;
// A canvas of more squares than this (past 8192 by 8192 pixels) is painted
// as it is.
constexpr std::int64_t kMostSquares = std::int64_t{1} << 16;
constexpr std::uint32_t kOpen = std::numeric_limits<std::uint32_t>::max();

} // namespace

void DropHidden(std::vector<std::uint32_t>& figures, const CPluvoDoc& doc,
                const DrawingIndex& index, const PixelBox& region) {
    if (figures.size() < kFewFigures || region.Empty()) return;
    const std::int64_t columns = (region.right - region.left) / kSquare + 1;
    const std::int64_t rows = (region.bottom - region.top) / kSquare + 1;
    if (columns * rows > kMostSquares) return;
    // The squares a box meets, or holds whole, as column and row ranges.
    struct Span {
        std::int64_t first, last;
    };
    const auto meets = [](std::int64_t from, std::int64_t to, std::int64_t start, std::int64_t end,
                          std::int64_t count) {
        return Span{(std::max(from, start) - start) / kSquare,
                    std::min((std::min(to, end) - start) / kSquare, count - 1)};
    };
    const auto holds = [](std::int64_t from, std::int64_t to, std::int64_t start, std::int64_t end,
                          std::int64_t count) {
        const std::int64_t first = from <= start ? 0 : (from - start + kSquare - 1) / kSquare;
        const std::int64_t last = to >= end ? count - 1 : (to - start + 1) / kSquare - 1;
        return Span{first, last};
    };

    // For each square, the place in `figures` of the last figure whose core
    // holds it: what comes before that place does not show there.
    std::vector<std::uint32_t> hiddenBefore(static_cast<std::size_t>(columns * rows), kOpen);
    std::size_t open = hiddenBefore.size();
    const std::vector<Figuur>& list = doc.drawing().figures;
    for (std::size_t place = figures.size(); place-- > 0 && open > 0;) {
        const PixelBox core = OpaqueCore(list[figures[place]], index.LineEnds());
        if (core.Empty()) continue;
        const Span x = holds(core.left, core.right, region.left, region.right, columns);
        const Span y = holds(core.top, core.bottom, region.top, region.bottom, rows);
        for (std::int64_t row = y.first; row <= y.last; ++row)
            for (std::int64_t column = x.first; column <= x.last; ++column) {
                std::uint32_t& square = hiddenBefore[static_cast<std::size_t>(row * columns + column)];
                if (square != kOpen) continue;
                square = static_cast<std::uint32_t>(place);
                --open;
            }
    }
    if (open == hiddenBefore.size()) return;

    std::size_t kept = 0;
    for (std::size_t place = 0; place < figures.size(); ++place) {
        const PixelBox& reach = index.ReachOf(figures[place]);
        bool shows = reach.Empty() || reach.right < region.left || reach.left > region.right ||
                     reach.bottom < region.top || reach.top > region.bottom;
        if (!shows) {
            const Span x = meets(reach.left, reach.right, region.left, region.right, columns);
            const Span y = meets(reach.top, reach.bottom, region.top, region.bottom, rows);
            for (std::int64_t row = y.first; row <= y.last && !shows; ++row)
                for (std::int64_t column = x.first; column <= x.last && !shows; ++column) {
                    const std::uint32_t square =
                        hiddenBefore[static_cast<std::size_t>(row * columns + column)];
                    shows = square == kOpen || square <= place;
                }
        }
        if (shows) figures[kept++] = figures[place];
    }
    figures.resize(kept);
}
