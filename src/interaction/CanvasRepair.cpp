#include "CanvasRepair.h"

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
        // pull otherwise now are painted again, unless a flood fill may
        // see them.
        add(damage.pulled);
        plan.whole = !plan.parts.empty() && hasFills;
        break;
    case Repaint::No:
        m_pendingAll = m_pendingAll || damage.all;
        m_pending.insert(m_pending.end(), damage.changed.begin(), damage.changed.end());
        m_pending.insert(m_pending.end(), damage.pulled.begin(), damage.pulled.end());
        break;
    }
    // A gesture's preview of the selection (copies, a drag) was drawn for
    // the selection as it was: only a whole paint redraws it for the new one.
    const bool selectionUnderFeedback =
        feedback == Feedback::Shown && outcome.change.selection && outcome.repaint != Repaint::No;
    if ((!plan.parts.empty() && feedback == Feedback::Shown) || feedback == Feedback::Lost ||
        selectionUnderFeedback)
        plan.whole = true;
    if (plan.whole) plan.parts.clear();
    return plan;
}

void CanvasRepair::Painted() {
    m_pending.clear();
    m_pendingAll = false;
}
