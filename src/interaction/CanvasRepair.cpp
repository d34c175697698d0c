#include "CanvasRepair.h"

namespace {

std::int64_t Area(const PixelBox& box) {
    return box.Empty() ? 0 : (box.right - box.left + 1) * (box.bottom - box.top + 1);
}

// Parts that lie in one another, or so close that painting their union
// costs no more than painting both, are painted as one: a figure recoloured
// in place damages the same box twice.
void Merge(std::vector<PixelBox>& parts) {
    std::erase_if(parts, [](const PixelBox& box) { return box.Empty(); });
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < parts.size() && !merged; ++i)
            for (std::size_t j = i + 1; j < parts.size() && !merged; ++j) {
                PixelBox both = parts[i];
                both.Include(parts[j]);
                if (Area(both) > Area(parts[i]) + Area(parts[j])) continue;
                parts[i] = both;
                parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
            }
    }
}

} // namespace

CanvasRepair::Feedback CanvasRepair::FeedbackOf(Gesture& gesture) {
    if (gesture.TakeLostFeedback()) return Feedback::Lost;
    return gesture.Bezig() ? Feedback::Shown : Feedback::None;
}

CanvasRepair::Plan CanvasRepair::After(const EditOutcome& outcome,
                                       const DrawingIndex::Damage& damage, bool hasFills,
                                       Feedback feedback) {
    Plan plan;
    const auto add = [&plan](const std::vector<PixelBox>& boxes) {
        plan.parts.insert(plan.parts.end(), boxes.begin(), boxes.end());
    };
    switch (outcome.repaint) {
    case Repaint::All:
        plan.whole = true;
        break;
    case Repaint::Yes:
        plan.whole = damage.all || m_pendingAll;
        plan.parts = std::move(m_pending);
        add(damage.changed);
        add(damage.pulled);
        m_pending.clear();
        m_pendingAll = false;
        break;
    case Repaint::Drawn:
        // The edit drew its figures itself; figures that the line ends
        // pull otherwise now are painted again, and what waited, unless a
        // flood fill may see them.
        plan.parts = std::move(m_pending);
        m_pending.clear();
        add(damage.pulled);
        plan.whole = m_pendingAll || (!plan.parts.empty() && hasFills);
        m_pendingAll = false;
        break;
    case Repaint::No:
        m_pendingAll = m_pendingAll || damage.all;
        m_pending.insert(m_pending.end(), damage.changed.begin(), damage.changed.end());
        m_pending.insert(m_pending.end(), damage.pulled.begin(), damage.pulled.end());
        break;
    }
    // A change made while the band shows may change how the band draws
    // (the texts, the selection that the copy tool's band shows), so that
    // drawing it again would not take it away: the canvas is painted whole
    // and the band drawn anew. A polygon's own corners (Repaint::No) and a
    // figure drawn by the gesture itself change nothing of it.
    const bool paints = outcome.repaint == Repaint::Yes || outcome.repaint == Repaint::All;
    if ((feedback == Feedback::Shown && (paints || !plan.parts.empty())) ||
        feedback == Feedback::Lost)
        plan.whole = true;
    if (plan.whole)
        plan.parts.clear();
    else
        Merge(plan.parts);
    return plan;
}

void CanvasRepair::Painted() {
    m_pending.clear();
    m_pendingAll = false;
}
