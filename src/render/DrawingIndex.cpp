#include "DrawingIndex.h"

#include "model/CPluvoDoc.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

namespace {

// Past this share of the figures, following a change one figure at a time
// costs more than starting again.
constexpr std::size_t kMostFollowed = 4096;

bool Meets(const PixelBox& a, const PixelBox& b) {
    return !a.Empty() && !b.Empty() && a.left <= b.right && b.left <= a.right &&
           a.top <= b.bottom && b.top <= a.bottom;
}

// The cells of side `snap` that a point and its neighbours within the snap
// distance fall in, for finding figure ends near changed line ends.
class NearEnds {
public:
    explicit NearEnds(std::int32_t snap) : m_snap(snap < 1 ? 1 : snap) {}
    void Add(POINT p) { m_points.push_back(p); m_cells.insert(Key(Cell(p.x), Cell(p.y))); }
    bool Empty() const { return m_points.empty(); }
    // Whether p lies less than the snap distance from one of the points on
    // both axes, as the line-end pull measures it.
    bool Near(POINT p) const {
        if (m_points.size() <= kFew) {
            for (const POINT q : m_points)
                if (std::llabs(std::int64_t{q.x} - p.x) < m_snap &&
                    std::llabs(std::int64_t{q.y} - p.y) < m_snap)
                    return true;
            return false;
        }
        const std::int64_t cx = Cell(p.x), cy = Cell(p.y);
        for (std::int64_t dx = -1; dx <= 1; ++dx)
            for (std::int64_t dy = -1; dy <= 1; ++dy)
                if (m_cells.count(Key(cx + dx, cy + dy)) != 0) return true;
        return false;
    }

private:
    // Up to this many points are compared one by one.
    static constexpr std::size_t kFew = 16;
    std::int64_t Cell(std::int64_t v) const {
        const std::int64_t q = v / m_snap;
        return (v % m_snap != 0 && v < 0) ? q - 1 : q;
    }
    static std::uint64_t Key(std::int64_t cx, std::int64_t cy) {
        return (static_cast<std::uint64_t>(cx) << 32) ^ static_cast<std::uint32_t>(cy);
    }
    std::int64_t m_snap;
    std::vector<POINT> m_points;
    std::unordered_set<std::uint64_t> m_cells;
};

bool IsFill(const Figuur& f) { return f.FiguurType == Opvullen; }
bool IsLine(const Figuur& f) { return f.FiguurType == Lijn; }
bool DrawsText(const CPluvoDoc& doc, const Figuur& f) {
    return f.FiguurType == Tekst && f.TekstIndex >= 0 && doc.TextOf(f) && doc.FontOf(f);
}

// What a figure's paint may touch, from its box: a text's glyphs reach past
// the measured box (italics, accents), by half its larger side at most.
PixelBox Reach(const Figuur& figure, const PixelBox& box) {
    if (figure.FiguurType != Tekst || box.Empty()) return box;
    const std::int64_t more = std::max(box.right - box.left, box.bottom - box.top) / 2 + 2;
    return {box.left - more, box.top - more, box.right + more, box.bottom + more};
}

} // namespace

void DrawingIndex::Measure(const CPluvoDoc& doc, std::size_t i, Surface& measure) {
    m_boxes[i] = FigureBox(doc, m_figures[i], m_lineEnds, measure);
    m_reaches[i] = Reach(m_figures[i], m_boxes[i]);
}

void DrawingIndex::Rebuild(const CPluvoDoc& doc, Surface& measure) {
    const std::vector<Figuur>& figures = doc.drawing().figures;
    m_snap = doc.SnapDistance;
    m_grid = doc.drawing().SizeRaster;
    m_lineEnds.Build(figures, m_snap);
    m_figures = figures;
    m_boxes.assign(figures.size(), PixelBox{});
    m_reaches.assign(figures.size(), PixelBox{});
    m_fills = 0;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        Measure(doc, i, measure);
        m_fills += IsFill(figures[i]);
    }
    m_built = true;
    m_revision = doc.Revision();
}

DrawingIndex::Damage DrawingIndex::Follow(const CPluvoDoc& doc, const ChangeSummary& change,
                                          Surface& measure) {
    Damage damage;
    const std::vector<Figuur>& figures = doc.drawing().figures;
    std::size_t followed = 0;
    for (const ListRun& run : change.figures) followed += run.removed + run.inserted;
    // The runs must fit the entries as they are: the change comes right
    // after the one followed last, and its runs lie within the list.
    bool fits = doc.Revision() == m_revision + 1;
    std::size_t size = m_figures.size();
    for (const ListRun& run : change.figures) {
        fits = fits && run.at <= size && run.removed <= size - run.at;
        size = size - run.removed + run.inserted;
    }
    fits = fits && size == figures.size();
    m_revision = doc.Revision();
    // The grid decides where texts stand; the snap distance where figures
    // are pulled to.
    if (!fits || !m_built || change.replaced || change.settings || m_snap != doc.SnapDistance ||
        m_grid != doc.drawing().SizeRaster || followed > kMostFollowed) {
        Rebuild(doc, measure);
        damage.all = true;
        return damage;
    }
    if (change.DrawingUnchanged()) return damage;

    // The line ends that changed: those of lines that went, came or moved.
    NearEnds lineEnds(m_snap);
    bool fillsInvolved = false;

    // 1. The figure list's runs, in order, on the entries: entries that go
    // leave their boxes as damage, entries that come are measured below.
    // `fresh` holds where the entries that came are, as later runs move
    // them; an entry that comes and goes in one change was never painted.
    std::vector<std::size_t> fresh;
    const auto isFresh = [&fresh](std::size_t k) {
        return std::find(fresh.begin(), fresh.end(), k) != fresh.end();
    };
    for (const ListRun& run : change.figures) {
        const auto at = static_cast<std::ptrdiff_t>(run.at);
        const auto removed = static_cast<std::ptrdiff_t>(run.removed);
        for (std::size_t k = run.at; k < run.at + run.removed; ++k) {
            if (isFresh(k)) continue;
            const Figuur& gone = m_figures[k];
            damage.changed.push_back(m_reaches[k]);
            if (IsLine(gone)) {
                lineEnds.Add(gone.p1);
                lineEnds.Add(gone.p2);
            }
            fillsInvolved = fillsInvolved || IsFill(gone);
            m_fills -= IsFill(gone);
        }
        m_figures.erase(m_figures.begin() + at, m_figures.begin() + at + removed);
        m_boxes.erase(m_boxes.begin() + at, m_boxes.begin() + at + removed);
        m_reaches.erase(m_reaches.begin() + at, m_reaches.begin() + at + removed);
        m_figures.insert(m_figures.begin() + at, run.inserted, Figuur{});
        m_boxes.insert(m_boxes.begin() + at, run.inserted, PixelBox{});
        m_reaches.insert(m_reaches.begin() + at, run.inserted, PixelBox{});
        std::erase_if(fresh, [&run](std::size_t k) { return k >= run.at && k < run.at + run.removed; });
        for (std::size_t& k : fresh)
            if (k >= run.at + run.removed) k = k - run.removed + run.inserted;
        for (std::size_t k = run.at; k < run.at + run.inserted; ++k) fresh.push_back(k);
    }

    // 2. The new figures, and the line ends they bring.
    for (const std::size_t i : fresh) {
        const Figuur& is = figures[i];
        if (IsLine(is)) {
            lineEnds.Add(is.p1);
            lineEnds.Add(is.p2);
        }
        fillsInvolved = fillsInvolved || IsFill(is);
        m_fills += IsFill(is);
        m_figures[i] = is;
    }

    // 3. Figures that did not change themselves but draw points, texts or
    // fonts that did: polygons over changed points, texts over changed
    // texts or fonts.
    std::vector<std::size_t> stale = fresh;
    const auto touches = [](const std::vector<ListRun>& runs, std::int64_t from, std::int64_t count) {
        for (const ListRun& run : runs) {
            // A run that changed the list's length moves everything after it.
            const std::int64_t end = run.removed == run.inserted
                                         ? static_cast<std::int64_t>(run.at + run.removed)
                                         : INT64_MAX;
            if (from < end && from + count > static_cast<std::int64_t>(run.at)) return true;
        }
        return false;
    };
    if (!change.points.empty() || !change.texts.empty() || !change.fonts.empty()) {
        std::sort(fresh.begin(), fresh.end());
        for (std::size_t i = 0; i < m_figures.size(); ++i) {
            const Figuur& f = m_figures[i];
            const bool hit =
                (f.FiguurType == Polygoon && touches(change.points, f.PolyPnt, std::max(f.nHoek, 1))) ||
                (f.FiguurType == Tekst &&
                 (touches(change.texts, f.TekstIndex, 1) || touches(change.fonts, f.FontIndex, 1)));
            if (!hit || std::binary_search(fresh.begin(), fresh.end(), i)) continue;
            damage.changed.push_back(m_reaches[i]);
            stale.push_back(i);
        }
    }

    // The line ends follow the same runs.
    m_lineEnds.Follow(figures, change.figures);

    // 4. Free figures near a changed line end are pulled otherwise now.
    if (!lineEnds.Empty()) {
        std::sort(stale.begin(), stale.end());
        for (std::size_t i = 0; i < m_figures.size(); ++i) {
            const Figuur& f = m_figures[i];
            if (f.RsterPnt != 0 || (!lineEnds.Near(f.p1) && !lineEnds.Near(f.p2))) continue;
            if (std::binary_search(stale.begin(), stale.end(), i)) continue;
            const PixelBox old = m_reaches[i];
            Measure(doc, i, measure);
            if (m_reaches[i] == old) continue;
            damage.pulled.push_back(old);
            damage.pulled.push_back(m_reaches[i]);
        }
    }
    for (const std::size_t i : stale) {
        Measure(doc, i, measure);
        damage.changed.push_back(m_reaches[i]);
        // A free figure is stored where it was pulled when placed; a paint
        // pulls it again, onto an earlier line end near that one.
        const Figuur& f = m_figures[i];
        const auto movesAgain = [this](POINT p) {
            const POINT q = m_lineEnds.Find(p);
            return q.x >= 0 && q != p;
        };
        if (f.RsterPnt == 0 && (movesAgain(f.p1) || movesAgain(f.p2))) {
            // Where it was drawn as placed, and where a paint draws it.
            damage.pulled.push_back(Reach(f, FigureBox(doc, f, LineEndIndex{}, measure)));
            damage.pulled.push_back(m_reaches[i]);
        }
    }
    // What a flood fill covers depends on everything before it, anywhere.
    if (fillsInvolved || (m_fills > 0 && !(damage.changed.empty() && damage.pulled.empty())))
        damage.all = true;
    return damage;
}

DrawingBounds DrawingIndex::Extent() const {
    PixelBox all{0, 0, -1, -1};
    for (const PixelBox& box : m_boxes) all.Include(box);
    // (0, 0) always belongs: the box reaches from it to the far edges.
    return {std::min<std::int64_t>(all.left, 0), std::min<std::int64_t>(all.top, 0),
            std::max<std::int64_t>(all.right + 1, 0), std::max<std::int64_t>(all.bottom + 1, 0)};
}

std::size_t DrawingIndex::FirstText(const CPluvoDoc& doc) const {
    for (std::size_t i = 0; i < m_figures.size(); ++i)
        if (DrawsText(doc, m_figures[i])) return i;
    return m_figures.size();
}

bool DrawingIndex::Describes(const CPluvoDoc& doc) const {
    return m_built && m_revision == doc.Revision() && m_figures.size() == doc.drawing().figures.size();
}

void DrawingIndex::FiguresIn(const PixelBox& box, std::vector<std::uint32_t>& out) const {
    out.clear();
    for (std::size_t i = 0; i < m_reaches.size(); ++i)
        if (Meets(m_reaches[i], box)) out.push_back(static_cast<std::uint32_t>(i));
}
