#include "LineEndIndex.h"

#include <algorithm>
#include <limits>

namespace {

std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Floor division, so that the cells are the same size on both sides of 0.
std::int64_t FloorDiv(std::int64_t v, std::int64_t s) {
    const std::int64_t q = v / s;
    return (v % s != 0 && v < 0) ? q - 1 : q;
}

} // namespace

bool LineEndIndex::InCellOrder(const Entry& a, const Entry& b) {
    return a.cell != b.cell ? a.cell < b.cell : a.order < b.order;
}

std::uint64_t LineEndIndex::CellOf(std::int64_t cx, std::int64_t cy) const {
    // Neighbours of the outermost cells wrap around; the exact distance test
    // after the look-up throws out whatever such a cell brings.
    return (std::uint64_t{static_cast<std::uint32_t>(cx)} << 32) | static_cast<std::uint32_t>(cy);
}

void LineEndIndex::Build(const std::vector<Figuur>& figures, std::int32_t snapDistance) {
    m_snap = snapDistance;
    m_covered = figures.size();
    m_sorted = figures.size();
    m_entries.clear();
    m_slots.clear();
    m_later.clear();
    m_laterCount = 0;
    m_laterCells.assign(kLaterBits, false);
    if (m_snap < 1) return; // no distance is less than the snap distance
    for (std::size_t i = 0; i < figures.size(); ++i) EndsOf(figures, i, m_entries);
    std::sort(m_entries.begin(), m_entries.end(), InCellOrder);
    MakeSlots();
}

void LineEndIndex::MakeSlots() {
    m_slots.clear();
    if (m_entries.empty()) return;
    std::size_t capacity = 16;
    while (capacity < 2 * m_entries.size()) capacity *= 2;
    m_slots.assign(capacity, Slot{});
    const std::size_t mask = capacity - 1;
    for (std::size_t b = 0; b < m_entries.size();) {
        std::size_t e = b + 1;
        while (e < m_entries.size() && m_entries[e].cell == m_entries[b].cell) ++e;
        std::size_t s = Mix(m_entries[b].cell) & mask;
        while (m_slots[s].begin != m_slots[s].end) s = (s + 1) & mask;
        m_slots[s] = {m_entries[b].cell, static_cast<std::uint32_t>(b),
                      static_cast<std::uint32_t>(e)};
        b = e;
    }
}

void LineEndIndex::EndsOf(const std::vector<Figuur>& figures, std::size_t i,
                          std::vector<Entry>& out) const {
    const Figuur& f = figures[i];
    if (f.FiguurType != Lijn) return;
    const auto order = static_cast<std::uint32_t>(2 * i);
    for (const auto& [point, end] : {std::pair{f.p1, 0u}, std::pair{f.p2, 1u}})
        out.push_back({CellOf(FloorDiv(point.x, m_snap), FloorDiv(point.y, m_snap)), order + end, point});
}

void LineEndIndex::Extend(const std::vector<Figuur>& figures) {
    if (figures.size() < m_covered) {
        Build(figures, m_snap);
        return;
    }
    if (m_snap >= 1) {
        std::vector<Entry> ends;
        for (std::size_t i = m_covered; i < figures.size(); ++i) EndsOf(figures, i, ends);
        for (const Entry& entry : ends) {
            m_later[entry.cell].push_back(entry);
            m_laterCells[LaterBit(entry.cell)] = true;
            ++m_laterCount;
        }
    }
    m_covered = figures.size();
    // Once the later ends are as many as the sorted ones, sort them in too:
    // memory stays in proportion and the builds cost a constant per line.
    if (m_laterCount > 64 + m_entries.size()) Build(figures, m_snap);
}

std::size_t LineEndIndex::LaterBit(std::uint64_t cell) { return Mix(cell) & (kLaterBits - 1); }

bool LineEndIndex::Truncate(std::size_t n) {
    if (n > m_covered) return false;
    // Only the ends taken in later can go on their own.
    if (n < m_sorted && m_snap >= 1) return false;
    const auto limit = static_cast<std::uint64_t>(2 * n);
    for (auto it = m_later.begin(); it != m_later.end();) {
        std::vector<Entry>& entries = it->second;
        const std::size_t before = entries.size();
        std::erase_if(entries, [limit](const Entry& e) { return e.order >= limit; });
        m_laterCount -= before - entries.size();
        it = entries.empty() ? m_later.erase(it) : std::next(it);
    }
    m_covered = n;
    return true;
}

void LineEndIndex::Follow(const std::vector<Figuur>& figures, std::span<const ListRun> runs) {
    bool appended = true;
    std::size_t size = m_covered;
    for (const ListRun& run : runs) {
        appended = appended && run.removed == 0 && run.at == size;
        size = size - run.removed + run.inserted;
    }
    if (appended) {
        Extend(figures);
        return;
    }
    const bool offTheEnd = runs.size() == 1 && runs[0].inserted == 0 &&
                           runs[0].at + runs[0].removed == m_covered;
    if (offTheEnd && Truncate(runs[0].at)) return;
    if (!Renumber(figures, runs)) Build(figures, m_snap);
}

bool LineEndIndex::Renumber(const std::vector<Figuur>& figures, std::span<const ListRun> runs) {
    // Each run costs a walk over the ends: a change of a few stretches only.
    constexpr std::size_t kMostRuns = 8;
    constexpr std::uint32_t kGone = std::numeric_limits<std::uint32_t>::max();
    if (runs.size() > kMostRuns) return false;
    // The ends of lines that the runs put in, numbered as the list is after
    // the run; later runs lie behind them.
    std::vector<Entry> added;
    bool removed = false;
    std::size_t size = m_covered;
    for (const ListRun& run : runs) {
        if (run.at > size || run.removed > size - run.at || run.at + run.inserted > figures.size())
            return false;
        const auto from = static_cast<std::uint64_t>(2 * run.at);
        const auto to = static_cast<std::uint64_t>(2 * (run.at + run.removed));
        const std::int64_t shift =
            2 * (static_cast<std::int64_t>(run.inserted) - static_cast<std::int64_t>(run.removed));
        // The ends of the figures the run took away go; those after it move.
        const auto move = [&](Entry& entry) {
            if (entry.order == kGone || entry.order < from) return;
            if (entry.order >= to) {
                entry.order = static_cast<std::uint32_t>(entry.order + shift);
            } else {
                entry.order = kGone;
                removed = true;
            }
        };
        for (Entry& entry : m_entries) move(entry);
        for (auto& [cell, entries] : m_later)
            for (Entry& entry : entries) move(entry);
        for (Entry& entry : added) move(entry);
        std::erase_if(added, [](const Entry& e) { return e.order == kGone; });
        if (m_snap >= 1)
            for (std::size_t i = run.at; i < run.at + run.inserted; ++i) EndsOf(figures, i, added);
        if (run.at + run.removed <= m_sorted)
            m_sorted = m_sorted - run.removed + run.inserted;
        else if (run.at < m_sorted)
            m_sorted = run.at + run.inserted;
        size = size - run.removed + run.inserted;
    }
    if (size != figures.size()) return false;
    m_covered = size;
    if (!removed && added.empty()) return true;
    // Ends went or came: the ends taken in later join the sorted ones, so
    // that all of them are in order again, and the new ones are merged in.
    for (auto& [cell, entries] : m_later) added.insert(added.end(), entries.begin(), entries.end());
    m_later.clear();
    m_laterCount = 0;
    m_laterCells.assign(kLaterBits, false);
    std::erase_if(added, [](const Entry& e) { return e.order == kGone; });
    std::erase_if(m_entries, [](const Entry& e) { return e.order == kGone; });
    std::sort(added.begin(), added.end(), InCellOrder);
    const std::size_t middle = m_entries.size();
    m_entries.insert(m_entries.end(), added.begin(), added.end());
    std::inplace_merge(m_entries.begin(), m_entries.begin() + static_cast<std::ptrdiff_t>(middle),
                       m_entries.end(), InCellOrder);
    m_sorted = m_covered;
    MakeSlots();
    return true;
}

const LineEndIndex::Slot* LineEndIndex::Lookup(std::uint64_t cell) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t s = Mix(cell) & mask;; s = (s + 1) & mask) {
        const Slot& slot = m_slots[s];
        if (slot.begin == slot.end) return nullptr;
        if (slot.cell == cell) return &slot;
    }
}

POINT LineEndIndex::Find(POINT p) const {
    if (m_slots.empty() && m_later.empty()) return {-1, -1};
    const std::int64_t cx = FloorDiv(p.x, m_snap);
    const std::int64_t cy = FloorDiv(p.y, m_snap);
    const Entry* best = nullptr;
    // Entries of a cell are in list order, so the first hit is the cell's
    // best; later ones cannot beat it.
    const auto search = [&](const Entry* begin, const Entry* end) {
        for (const Entry* entry = begin; entry != end; ++entry) {
            if (best && entry->order > best->order) break;
            const std::int64_t ex = std::int64_t{entry->point.x} - p.x;
            const std::int64_t ey = std::int64_t{entry->point.y} - p.y;
            if (ex > -m_snap && ex < m_snap && ey > -m_snap && ey < m_snap) {
                best = entry;
                break;
            }
        }
    };
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
        for (std::int64_t dy = -1; dy <= 1; ++dy) {
            if (m_slots.empty()) break;
            const Slot* slot = Lookup(CellOf(cx + dx, cy + dy));
            if (slot) search(m_entries.data() + slot->begin, m_entries.data() + slot->end);
        }
    }
    // A later line comes after every sorted one in list order.
    if (best || m_later.empty()) return best ? best->point : POINT{-1, -1};
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
        for (std::int64_t dy = -1; dy <= 1; ++dy) {
            const std::uint64_t cell = CellOf(cx + dx, cy + dy);
            if (!m_laterCells[LaterBit(cell)]) continue;
            const auto it = m_later.find(cell);
            if (it != m_later.end())
                search(it->second.data(), it->second.data() + it->second.size());
        }
    }
    return best ? best->point : POINT{-1, -1};
}
