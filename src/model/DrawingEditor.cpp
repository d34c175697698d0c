#include "DrawingEditor.h"

#include "CPluvoDoc.h"

namespace {

// A list of the undo copy as a shared value of its own, kept alive with the
// copy; nullptr when the change took no copy.
template <class T>
std::shared_ptr<const std::vector<T>> Share(const std::shared_ptr<const UndoCopy>& copy,
                                            const std::vector<T> UndoCopy::*list, bool taken) {
    if (!copy || !taken) return nullptr;
    return std::shared_ptr<const std::vector<T>>(copy, &((*copy).*list));
}

} // namespace

DrawingEditor::DrawingEditor(CPluvoDoc& doc, Recording recording, bool snapshotTaken)
    : figures(doc.m_drawing.figures, m_change.figures, recording,
              Share(doc.m_undo, &UndoCopy::figures, snapshotTaken)),
      points(doc.m_drawing.points, m_change.points, recording,
             Share(doc.m_undo, &UndoCopy::points, snapshotTaken)),
      texts(doc.m_drawing.texts, m_change.texts, recording, nullptr),
      fonts(doc.m_drawing.fonts, m_change.fonts, recording,
            Share(doc.m_undo, &UndoCopy::fonts, snapshotTaken)),
      m_doc(doc) {}

const Drawing& DrawingEditor::drawing() const { return m_doc.m_drawing; }

DrawingSettings& DrawingEditor::Settings() {
    if (!m_settingsBefore) m_settingsBefore = m_doc.m_drawing.Settings();
    return m_doc.m_drawing.Settings();
}

std::vector<std::uint32_t>& DrawingEditor::Selection() {
    m_selection = true;
    return m_doc.m_selection;
}

void DrawingEditor::RestoreUndoCopy() {
    const std::shared_ptr<const UndoCopy> copy = m_doc.m_undo;
    figures.Assign(copy ? copy->figures : std::vector<Figuur>{});
    fonts.Assign(copy ? copy->fonts : std::vector<LogFont>{});
    points.Assign(copy ? copy->points : std::vector<POINT>{});
    m_doc.DropSnapshot();
}

void DrawingEditor::Replace(StoredDrawing stored, RunValues runValues) {
    Drawing& drawing = stored.drawing;
    figures.Replace(std::move(drawing.figures));
    points.Replace(std::move(drawing.points));
    texts.Replace(std::move(drawing.texts));
    fonts.Replace(std::move(drawing.fonts));
    Settings() = drawing.Settings();
    m_doc.current = stored.current;
    Selection().clear();
    m_doc.DropSnapshot();
    if (runValues == RunValues::Reset) m_doc.ResetRunValues();
    m_replaced = true;
}

DrawingChange DrawingEditor::Finish(ChangeSummary& summary) {
    figures.Finish();
    points.Finish();
    texts.Finish();
    fonts.Finish();
    if (m_settingsBefore && !(*m_settingsBefore == m_doc.m_drawing.Settings()))
        m_change.settings.emplace(*m_settingsBefore, m_doc.m_drawing.Settings());
    m_change.Summarise(summary, ListDirection::Forward);
    summary.selection = summary.selection || m_selection;
    summary.replaced = summary.replaced || m_replaced;
    return std::move(m_change);
}
