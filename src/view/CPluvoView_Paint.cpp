// Painting the canvas: the backing image painted whole or, after an edit,
// again only where the edit damaged it; the layer of the selection marks;
// the halved images for the zoom steps below 100 %; and the paint event that
// shows them.
#include "CPluvoView.h"

#include "model/CPluvoDoc.h"
#include "platform/CanvasExport.h"
#include "platform/QtSurface.h"
#include "render/Canvas.h"
#include "render/OriginSurface.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {

// A pixel coordinate as Qt takes it, kept well within its range.
int Clamped(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, -(1 << 30), 1 << 30)); }

// Where a drawing box lies on a canvas whose top-left pixel is `origin`.
QRect OnCanvas(const PixelBox& box, POINT origin) {
    if (box.Empty()) return {};
    return QRect(QPoint(Clamped(box.left - origin.x), Clamped(box.top - origin.y)),
                 QPoint(Clamped(box.right - origin.x), Clamped(box.bottom - origin.y)));
}

bool Less(POINT a, POINT b) { return a.x != b.x ? a.x < b.x : a.y < b.y; }

} // namespace

// --- The drawing's index --------------------------------------------------------

Surface& CPluvoView::Measure() {
    if (!m_measure) {
        m_measureImage = QImage(1, 1, QImage::Format_RGB32);
        m_measure = std::make_unique<QtSurface>(m_measureImage);
    }
    return *m_measure;
}

DrawingIndex& CPluvoView::Index() {
    if (m_indexStale) {
        m_index.Rebuild(m_doc, Measure());
        m_indexStale = false;
    }
    return m_index;
}

// --- After a change -------------------------------------------------------------

void CPluvoView::Follow(const EditOutcome& outcome) {
    if (m_indexStale) {
        // Built anew from the drawing as it is now, which has the change.
        InvalidateCanvas();
        UpdateMarks();
        return;
    }
    const DrawingIndex::Damage damage = m_index.Follow(m_doc, outcome.change, Measure());
    const CanvasRepair::Plan plan =
        m_repair.After(outcome, damage, m_index.HasFills(),
                       CanvasRepair::FeedbackOf(m_gesture));
    if (plan.whole)
        InvalidateCanvas();
    else
        RepaintParts(plan.parts);
    if (outcome.change.selection || !m_doc.Selection().empty() || outcome.change.replaced)
        UpdateMarks();
}

void CPluvoView::RepaintParts(const std::vector<PixelBox>& parts) {
    if (parts.empty() || m_invalid || !m_surface) return;
    CanvasView view;
    view.width = m_painted.width;
    view.height = m_painted.height;
    view.origin = m_painted.origin;
    view.marks = SelectionMarks::Hide;
    for (const PixelBox& part : parts) {
        if (!RepaintPart(*m_surface, m_doc, view, m_index, part)) {
            InvalidateCanvas();
            return;
        }
        Changed(OnCanvas(part, m_painted.origin));
    }
    // A figure drawn next on the canvas finds the background mode that a
    // whole paint would have left.
    const bool transparent = m_doc.drawing().MetCoord != 0 ||
                             m_index.FirstText(m_doc) < m_doc.drawing().figures.size();
    if (transparent) Target().SetBkMode(BkMode::Transparent);
    update();
}

QRect CPluvoView::OnWindow(std::int64_t left, std::int64_t top, std::int64_t width,
                           std::int64_t height) const {
    return QRect(static_cast<int>(ZoomedOrigin(left, m_map.step) - m_map.offsetX),
                 static_cast<int>(ZoomedOrigin(top, m_map.step) - m_map.offsetY),
                 static_cast<int>(ZoomedLength(width, m_map.step)),
                 static_cast<int>(ZoomedLength(height, m_map.step)));
}

QRect CPluvoView::CanvasOnWindow() const {
    const CanvasLayout& canvas = m_layout.canvas;
    return OnWindow(canvas.origin.x, canvas.origin.y, canvas.width, canvas.height);
}

void CPluvoView::UpdateWhatTheGestureDrew() {
    if (!m_surface) return update();
    const RasterSurface::Touched touched = m_surface->TakeTouched();
    if (touched.Empty()) return;
    const QRect part(QPoint(static_cast<int>(touched.left), static_cast<int>(touched.top)),
                     QPoint(static_cast<int>(touched.right), static_cast<int>(touched.bottom)));
    Changed(part);
    // Canvas pixel x shows in window pixels x * 2^(step - actual size) on,
    // halved or widened; a pixel more on each side for the rounding.
    const int shift = m_map.step - kActualSize;
    const auto scaled = [shift](int v) {
        return shift >= 0 ? static_cast<std::int64_t>(v) << shift
                          : static_cast<std::int64_t>(v) >> -shift;
    };
    const QRect canvas = CanvasOnWindow();
    update(QRect(QPoint(Clamped(canvas.left() + scaled(part.left()) - 1),
                        Clamped(canvas.top() + scaled(part.top()) - 1)),
                 QPoint(Clamped(canvas.left() + scaled(part.right() + 1) + 1),
                        Clamped(canvas.top() + scaled(part.bottom() + 1) + 1))) &
           rect());
}

void CPluvoView::Changed(QRect canvasPart) {
    canvasPart &= m_canvas.rect();
    if (canvasPart.isEmpty()) return;
    m_reducedChanged |= canvasPart;
}

// --- The canvas -----------------------------------------------------------------

QImage CPluvoView::Canvas() {
    EnsureCanvas();
    UpdateMarks();
    if (m_markPoints.empty()) return m_canvas;
    QImage shown = m_canvas.copy();
    QPainter painter(&shown);
    painter.drawImage(0, 0, m_marks);
    return shown;
}

void CPluvoView::EnsureCanvas() {
    Layout();
    const CanvasLayout& canvas = m_layout.canvas;
    if (!m_invalid && m_painted == canvas) return;
    const QSize size(canvas.width, canvas.height);
    m_shifted.reset();
    m_surface.reset();
    if (m_canvas.size() != size) m_canvas = QImage(size, QImage::Format_RGB32);
    m_surface = std::make_unique<QtSurface>(m_canvas);
    if (canvas.origin != POINT{0, 0})
        m_shifted = std::make_unique<OriginSurface>(*m_surface, canvas.origin);
    CanvasView view;
    view.width = canvas.width;
    view.height = canvas.height;
    view.origin = canvas.origin;
    view.marks = SelectionMarks::Hide;
    view.lineEnds = &Index().LineEnds();
    view.index = &Index();
    // The marks of a polygon being entered are the gesture's feedback and
    // are put back by it, drawn so that it can take them away again.
    OnDraw(Target(), m_doc, view);
    m_gesture.DrawFeedback(Target());
    m_surface->TakeTouched();
    if (m_painted != canvas) m_marksValid = false;
    m_painted = canvas;
    m_invalid = false;
    m_reducedLevels = 0;
    // What was waiting to be painted is painted now.
    m_repair.Painted();
}

// --- The selection marks --------------------------------------------------------

void CPluvoView::DrawMarksAnew() {
    const QSize size(m_painted.width, m_painted.height);
    if (m_marks.size() != size) m_marks = QImage(size, QImage::Format_ARGB32_Premultiplied);
    m_marks.fill(Qt::transparent);
    m_markPoints = SelectionMarkPoints(m_doc);
    std::sort(m_markPoints.begin(), m_markPoints.end(), Less);
    m_markPoints.erase(std::unique(m_markPoints.begin(), m_markPoints.end()), m_markPoints.end());
    RasterSurface layer(reinterpret_cast<Pixel*>(m_marks.bits()), m_marks.width(),
                        m_marks.height(), m_marks.bytesPerLine() / 4);
    OriginSurface shifted(layer, m_painted.origin);
    SchilderSelectieMarks(shifted, m_markPoints);
    m_marksValid = true;
    m_reducedMarksLevels = 0;
    update();
}

void CPluvoView::UpdateMarks() {
    if (m_invalid || m_painted.width < 1) return; // drawn with the next paint
    if (!m_marksValid) {
        DrawMarksAnew();
        return;
    }
    std::vector<POINT> now = SelectionMarkPoints(m_doc);
    std::sort(now.begin(), now.end(), Less);
    now.erase(std::unique(now.begin(), now.end()), now.end());
    if (now == m_markPoints) return;
    std::vector<POINT> gone, came;
    std::set_difference(m_markPoints.begin(), m_markPoints.end(), now.begin(), now.end(),
                        std::back_inserter(gone), Less);
    std::set_difference(now.begin(), now.end(), m_markPoints.begin(), m_markPoints.end(),
                        std::back_inserter(came), Less);
    // A mark reaches 3 pixels from its point: a square of 7 goes with it,
    // and the marks that stay and overlap it are drawn again.
    constexpr std::int64_t kReach = 3;
    const auto box = [&](POINT p) {
        return QRect(static_cast<int>(p.x - kReach - m_painted.origin.x),
                     static_cast<int>(p.y - kReach - m_painted.origin.y), 2 * kReach + 1,
                     2 * kReach + 1);
    };
    if (gone.size() + came.size() > now.size()) {
        // Most of it changes: start again, which costs the same.
        DrawMarksAnew();
        return;
    }
    QRegion cleared;
    for (const POINT p : gone) {
        const QRect r = box(p) & m_marks.rect();
        if (r.isEmpty()) continue;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            auto* row = reinterpret_cast<Pixel*>(m_marks.scanLine(y));
            std::fill(row + r.left(), row + r.right() + 1, Pixel{0});
        }
        cleared += r;
        m_reducedMarksChanged |= r;
    }
    std::vector<POINT> redraw = came;
    if (!gone.empty())
        for (const POINT p : now)
            if (cleared.intersects(box(p))) redraw.push_back(p);
    RasterSurface layer(reinterpret_cast<Pixel*>(m_marks.bits()), m_marks.width(),
                        m_marks.height(), m_marks.bytesPerLine() / 4);
    OriginSurface shifted(layer, m_painted.origin);
    SchilderSelectieMarks(shifted, redraw);
    for (const POINT p : came) m_reducedMarksChanged |= box(p) & m_marks.rect();
    m_markPoints = std::move(now);
    update();
}

// --- Below 100 % ----------------------------------------------------------------

const QImage& CPluvoView::Reduced(std::array<QImage, kActualSize>& halves, const QImage& from,
                                  int halvings, QRect& changed, int& levels) {
    // The halves made before, again where the image changed since.
    QRect part = changed;
    const QImage* source = &from;
    for (int i = 0; i < levels && !part.isEmpty(); ++i) {
        part = HalvePart(*source, halves[i], part);
        source = &halves[i];
    }
    changed = QRect();
    // The halves not made yet, whole.
    for (; levels < halvings; ++levels)
        HalveInto(levels == 0 ? from : halves[levels - 1], halves[levels]);
    return halves[halvings - 1];
}

void CPluvoView::EnsurePlane() {
    const int halvings = kActualSize - m_map.step;
    const CanvasLayout& content = m_layout.content;
    const CanvasLayout& canvas = m_layout.canvas;
    if (halvings <= 0 || content == canvas) {
        m_plane.clear();
        m_planeKey.clear();
        return;
    }
    // Made for the part of the content within a window's size around what
    // the window shows, and again when the window looks beyond that part.
    const DrawingBounds shown = m_map.Shown(m_layout.viewportWidth, m_layout.viewportHeight);
    const std::vector<std::int64_t> key = {
        halvings, content.origin.x, content.origin.y, content.width, content.height,
        canvas.origin.x, canvas.origin.y, canvas.width, canvas.height, m_doc.drawing().SizeRaster,
        m_doc.drawing().MetRaster, m_doc.drawing().MetCoord, m_doc.drawing().KleurAchtergrond, m_doc.drawing().KleurRaster};
    const DrawingBounds& c = m_planeCovers;
    if (key == m_planeKey && c.left <= shown.left && c.top <= shown.top &&
        shown.right <= c.right && shown.bottom <= c.bottom)
        return;
    m_plane.clear();
    m_planeKey = key;
    const std::int64_t unit = std::int64_t{1} << halvings;
    const std::int64_t w = shown.right - shown.left, h = shown.bottom - shown.top;
    // Whole reduced pixels from the content's origin on.
    const auto align = [unit](std::int64_t v, std::int64_t origin) {
        return origin + (v - origin) / unit * unit;
    };
    m_planeCovers = {std::max<std::int64_t>(align(shown.left - w, content.origin.x), content.origin.x),
                     std::max<std::int64_t>(align(shown.top - h, content.origin.y), content.origin.y),
                     std::min<std::int64_t>(shown.right + w, content.origin.x + content.width),
                     std::min<std::int64_t>(shown.bottom + h, content.origin.y + content.height)};
    const QRect all(m_planeCovers.left, m_planeCovers.top, m_planeCovers.right - m_planeCovers.left,
                    m_planeCovers.bottom - m_planeCovers.top);
    const QRect painted(canvas.origin.x, canvas.origin.y, canvas.width, canvas.height);
    for (const QRect& part : QRegion(all) - QRegion(painted)) {
        const DrawingBounds region{align(part.left(), content.origin.x),
                                   align(part.top(), content.origin.y), part.right() + 1,
                                   part.bottom() + 1};
        m_plane.push_back({region, PaintReducedPlane(m_doc, content, region, halvings)});
    }
}


// --- Painting ----------------------------------------------------------------

void CPluvoView::paintEvent(QPaintEvent* event) {
    EnsureCanvas();
    UpdateMarks();
    {
        // What the gesture drew on the canvas since, for the reduced steps.
        const RasterSurface::Touched touched = m_surface->TakeTouched();
        if (!touched.Empty())
            Changed(QRect(QPoint(static_cast<int>(touched.left), static_cast<int>(touched.top)),
                          QPoint(static_cast<int>(touched.right),
                                 static_cast<int>(touched.bottom))));
    }
    const bool marks = !m_markPoints.empty() && m_marks.size() == m_canvas.size();
    const int halvings = kActualSize - m_map.step;
    QPainter painter(this);
    // Zoomed in, every canvas pixel becomes a square of screen pixels; on a
    // high-density screen too, so lines stay crisp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect() & Viewport();
    const QRect onScreen = CanvasOnWindow();
    const QRect shown = area & onScreen;
    // The window pixel of the canvas's top-left is (-sx, -sy).
    const int sx = -onScreen.left(), sy = -onScreen.top();
    // One layer (the canvas, then the marks over it) as the step shows it.
    const auto show = [&](const QImage& image) {
        if (m_map.step == kActualSize) {
            painter.drawImage(shown, image, shown.translated(sx, sy));
        } else if (m_map.step > kActualSize) {
            // Every canvas pixel a square of screen pixels.
            const int f = 1 << (m_map.step - kActualSize);
            const QRect zoomed = shown.translated(sx, sy);
            const QRect source(QPoint(zoomed.left() / f, zoomed.top() / f),
                               QPoint(zoomed.right() / f, zoomed.bottom() / f));
            painter.save();
            painter.setClipRect(shown);
            painter.drawImage(QRect(source.left() * f - sx, source.top() * f - sy,
                                    source.width() * f, source.height() * f),
                              image, source);
            painter.restore();
        } else {
            painter.drawImage(shown, image, shown.translated(sx, sy));
        }
    };
    if (!shown.isEmpty()) {
        if (halvings > 0) {
            // Halved once per step below 100 %, for display only.
            show(Reduced(m_reduced, m_canvas, halvings, m_reducedChanged, m_reducedLevels));
            if (marks)
                show(Reduced(m_reducedMarks, m_marks, halvings, m_reducedMarksChanged,
                             m_reducedMarksLevels));
        } else {
            show(m_canvas);
            if (marks) show(m_marks);
        }
    }
    QRegion rest = QRegion(area) - QRegion(onScreen);
    EnsurePlane();
    for (const PlanePart& part : m_plane) {
        const QRect at = OnWindow(part.region.left, part.region.top,
                                 part.region.right - part.region.left,
                                 part.region.bottom - part.region.top);
        if (!(rest.intersects(at))) continue;
        painter.save();
        painter.setClipRegion(rest & at);
        painter.drawImage(at.topLeft(), part.image);
        painter.restore();
        rest -= at;
    }
    const QColor outside = palette().color(QPalette::Dark);
    for (const QRect& r : rest) painter.fillRect(r, outside);
    if (!m_hbar->isHidden() && !m_vbar->isHidden())
        painter.fillRect(QRect(m_vbar->x(), m_hbar->y(), m_vbar->width(), m_hbar->height()),
                         palette().color(QPalette::Window));
    PaintKeyCursor(painter);
}

