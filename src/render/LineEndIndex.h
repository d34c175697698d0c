// An index of the end points of the line figures, so that pulling many
// figures onto line ends costs a constant time per look-up instead of a walk
// over the whole figure list.
#pragma once

#include "model/Figuur.h"
#include "model/ListPatch.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

class LineEndIndex {
public:
    LineEndIndex() = default;
    LineEndIndex(const std::vector<Figuur>& figures, std::int32_t snapDistance) {
        Build(figures, snapDistance);
    }

    // Indexes the p1 and p2 of every lijn figure. The index answers for this
    // list as it is now; a line appended later is not seen.
    void Build(const std::vector<Figuur>& figures, std::int32_t snapDistance);

    // Takes in the figures appended to the list since it was built or last
    // extended, so that placing one figure does not cost a new build of the
    // whole drawing. The figures it already covers must be unchanged; a list
    // that got shorter is built again.
    void Extend(const std::vector<Figuur>& figures);

    // Takes out the figures from `n` on (a step back over figures placed
    // last): false, with the index unchanged, when their ends cannot be
    // taken out alone and the index must be built again.
    bool Truncate(std::size_t n);
    // Follows a change of the figure list that `runs` describe: figures
    // appended are taken in, figures taken off the end taken out, a few
    // stretches changed in the middle followed without sorting every end
    // anew, and any other change builds the index again.
    void Follow(const std::vector<Figuur>& figures, std::span<const ListRun> runs);

    // How many figures of the list the index answers for.
    std::size_t Covered() const { return m_covered; }

    // The same answer as CPluvoDoc::FindLineEndpoint: the first end point in
    // list order, p1 before p2, of a line whose x and y both lie less than
    // the snap distance from p; (-1, -1) when there is none.
    POINT Find(POINT p) const;

private:
    struct Entry {
        std::uint64_t cell;
        std::uint32_t order; // 2 * figure index, plus 1 for p2
        POINT point;
    };
    struct Slot {
        std::uint64_t cell = 0;
        std::uint32_t begin = 0;
        std::uint32_t end = 0; // begin == end: empty slot
    };

    // Follows a few runs: the ends behind them renumbered, those of lines
    // taken out dropped and those put in merged in; false for many runs, and
    // the index must be built again.
    bool Renumber(const std::vector<Figuur>& figures, std::span<const ListRun> runs);
    // Adds the ends of figure i, when it is a line.
    void EndsOf(const std::vector<Figuur>& figures, std::size_t i, std::vector<Entry>& out) const;
    // The slots over the sorted entries.
    void MakeSlots();
    // By cell, and in a cell in list order.
    static bool InCellOrder(const Entry& a, const Entry& b);
    std::uint64_t CellOf(std::int64_t cx, std::int64_t cy) const;
    const Slot* Lookup(std::uint64_t cell) const;

    std::int32_t m_snap = 0;
    std::size_t m_covered = 0;
    // How many figures the sorted entries cover; later ones are in m_later.
    std::size_t m_sorted = 0;
    std::vector<Entry> m_entries;
    std::vector<Slot> m_slots; // open addressing, a power of two in size
    // The ends of lines taken in by Extend, by cell, in list order. They all
    // come after every entry above in list order.
    std::unordered_map<std::uint64_t, std::vector<Entry>> m_later;
    std::size_t m_laterCount = 0;
    // Which cells may hold later ends, by a hash of the cell: a look-up
    // near none of them skips the map.
    static constexpr std::size_t kLaterBits = 1 << 14;
    std::vector<bool> m_laterCells = std::vector<bool>(kLaterBits, false);
    static std::size_t LaterBit(std::uint64_t cell);
};
