#include "CopyPreview.h"

#include "LineEndIndex.h"
#include "SchilderFiguur.h"
#include "model/CPluvoDoc.h"
#include "model/Int32.h"

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace {

// Fewer selected figures than this are drawn one by one at every move:
// cheaper than a mask of twice the canvas.
constexpr std::size_t kMinSelection = 32;
// The largest mask, in pixels (four times the canvas): 128 MB.
constexpr std::int64_t kMaxMaskPixels = std::int64_t{1} << 25;
// Coordinates that stay this far inside the 32-bit range whatever the shift,
// so that no sum saturates and a moved copy is the copy moved.
constexpr std::int64_t kNear = std::int64_t{1} << 26;

bool Near(POINT p) { return std::llabs(p.x) < kNear && std::llabs(p.y) < kNear; }

// Whether the copies of f can go into the mask: its points, the corners of a
// free polygon included, are near enough to the origin.
bool Maskable(const CPluvoDoc& doc, const Figuur& f, std::vector<POINT>& vertices) {
    if (!Near(f.p1) || !Near(f.p2)) return false;
    if (f.FiguurType == Polygoon && doc.PolygonVertices(f, vertices))
        for (POINT q : vertices)
            if (!Near(q)) return false;
    return true;
}

Figuur Moved(Figuur f, std::int32_t dx, std::int32_t dy) {
    f.p1 = {i32::add(f.p1.x, dx), i32::add(f.p1.y, dy)};
    f.p2 = {i32::add(f.p2.x, dx), i32::add(f.p2.y, dy)};
    return f;
}

// Whether a copy is drawn elsewhere than where it lies, pulled onto line ends.
bool Pulled(const Figuur& copy, const LineEndIndex& lineEnds) {
    const POINT q1 = lineEnds.Find(copy.p1);
    const POINT q2 = lineEnds.Find(copy.p2);
    return (q1.x >= 0 && q1 != copy.p1) || (q2.x >= 0 && q2 != copy.p2);
}

bool Copied(const Figuur& f) { return f.FiguurType != Tekst && f.FiguurType != Opvullen; }

} // namespace

void CopyPreview::Forget() {
    m_built = false;
    m_mask = {};
    m_selection = {};
    m_snapping = {};
    m_direct = {};
}

bool CopyPreview::Current(const RasterSurface& surface, const CPluvoDoc& doc) const {
    return m_built && m_revision == doc.Revision() && m_width == surface.HorzRes() &&
           m_height == surface.VertRes() && m_bkMode == surface.GetBkMode() &&
           m_selection == doc.Selection();
}

void CopyPreview::Build(const RasterSurface& surface, const CPluvoDoc& doc, POINT p,
                        const LineEndIndex& lineEnds) {
    Forget();
    m_revision = doc.Revision();
    m_selection = doc.Selection();
    m_width = surface.HorzRes();
    m_height = surface.VertRes();
    m_bkMode = surface.GetBkMode();
    m_anchor = doc.drawing().figures[doc.Selection().front()].p1;
    const std::int32_t w = 2 * m_width, h = 2 * m_height;
    m_mask.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);

    // The copies for a pointer at (m_width, m_height), not pulled onto line
    // ends (a grid figure is never pulled).
    const auto sx = static_cast<std::int32_t>(m_width - m_anchor.x);
    const auto sy = static_cast<std::int32_t>(m_height - m_anchor.y);
    std::vector<Figuur> copies;
    std::vector<POINT> vertices;
    const std::int32_t dx = i32::sub(p.x, m_anchor.x);
    const std::int32_t dy = i32::sub(p.y, m_anchor.y);
    for (std::uint32_t k : doc.Selection()) {
        if (k >= doc.drawing().figures.size() || !Copied(doc.drawing().figures[k])) continue;
        const Figuur& f = doc.drawing().figures[k];
        // A copy pulled onto a line end where the gesture starts is likely
        // pulled at most places (line ends lie close together there): it is
        // drawn at every move rather than drawn away from the mask and drawn
        // again.
        if (!Maskable(doc, f, vertices) || (f.RsterPnt == 0 && Pulled(Moved(f, dx, dy), lineEnds))) {
            m_direct.push_back(k);
            continue;
        }
        if (f.RsterPnt == 0) m_snapping.push_back(k);
        Figuur copy = Moved(f, sx, sy);
        copy.RsterPnt = 1;
        copies.push_back(copy);
    }
    const LineEndIndex none;
    const auto draw = [&](Surface& s) {
        s.SetROP2(Rop2::NotXorPen);
        s.SetBkMode(m_bkMode);
        for (const Figuur& copy : copies) SchilderFiguur(s, doc, copy, none);
    };
    RasterSurface mask(m_mask.data(), w, h, w);
    mask.SetROP2(Rop2::NotXorPen);
    mask.SetBkMode(m_bkMode);
    // Rows split between two threads, as a paint does.
    std::unique_ptr<Surface> lower = mask.RowBand(m_height, h);
    mask.LimitRows(0, m_height);
    std::thread other([&] { draw(*lower); });
    draw(mask);
    other.join();

    // Where the mask holds anything.
    m_left = w;
    m_right = 0;
    m_top = h;
    m_bottom = 0;
    for (std::int64_t y = 0; y < h; ++y) {
        const Pixel* row = m_mask.data() + y * w;
        const Pixel* first = std::find_if(row, row + w, [](Pixel v) { return v != 0; });
        if (first == row + w) continue;
        const Pixel* last = std::find_if(std::make_reverse_iterator(row + w),
                                         std::make_reverse_iterator(first),
                                         [](Pixel v) { return v != 0; })
                                .base();
        m_left = std::min<std::int64_t>(m_left, first - row);
        m_right = std::max<std::int64_t>(m_right, last - row);
        m_top = std::min(m_top, y);
        m_bottom = y + 1;
    }
    m_built = true;
}

bool CopyPreview::Draw(Surface& surface, const CPluvoDoc& doc, POINT p,
                       const LineEndIndex& lineEnds) {
    auto* raster = dynamic_cast<RasterSurface*>(&surface);
    if (!raster || raster->IsPrinting() || doc.Selection().size() < kMinSelection ||
        doc.Selection().front() >= doc.drawing().figures.size())
        return false;
    raster->Update();
    const std::int64_t width = raster->HorzRes(), height = raster->VertRes();
    if (width < 1 || height < 1 || 4 * width * height > kMaxMaskPixels) return false;
    if (p.x < 0 || p.y < 0 || p.x > width || p.y > height) return false;
    if (!Near(doc.drawing().figures[doc.Selection().front()].p1)) return false;
    if (!Current(*raster, doc)) Build(*raster, doc, p, lineEnds);

    // Canvas pixel (x, y) takes the mask's pixel (x + ox, y + oy).
    raster->XorMask(m_mask.data(), 2 * m_width, m_left, m_top, m_right, m_bottom,
                    m_width - p.x, m_height - p.y);

    const std::int32_t dx = i32::sub(p.x, m_anchor.x);
    const std::int32_t dy = i32::sub(p.y, m_anchor.y);
    // A copy pulled onto a line end: its unpulled outline, which the mask
    // drew, drawn away, and the pulled one drawn.
    for (std::uint32_t k : m_snapping) {
        const Figuur copy = Moved(doc.drawing().figures[k], dx, dy);
        if (!Pulled(copy, lineEnds)) continue;
        Figuur unpulled = copy;
        unpulled.RsterPnt = 1;
        SchilderFiguur(surface, doc, unpulled, lineEnds);
        SchilderFiguur(surface, doc, copy, lineEnds);
    }
    for (std::uint32_t k : m_direct)
        SchilderFiguur(surface, doc, Moved(doc.drawing().figures[k], dx, dy), lineEnds);
    return true;
}
