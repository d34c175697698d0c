// Printing, the print preview and the printer setup of the "&Bestand" menu.
#include "CMainFrame.h"

#include "Prompts.h"
#include "view/CPluvoView.h"
#include "view/CanvasPrinting.h"

#include <QAction>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSettings>

QPrinter& CMainFrame::Printer() {
    // One printer for the run, so that the setup's choices stay.
    if (!m_printer) m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CMainFrame::OnPrint(CommandId) {
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PrintCanvas(m_doc, Printer(), m_view->GestureMachine().PolygonPoints()))
        prompts::Message(this, tr("Het afdrukken kon niet beginnen."));
}

namespace {

// The number of pages the preview shows side by side, 1 or 2, kept for the
// next preview in "Settings" / "PreviewPages".
constexpr const char* kPreviewPages = "Settings/PreviewPages";

} // namespace

void CMainFrame::OnPrintPreview(CommandId) {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        PrintCanvas(m_doc, *printer, m_view->GestureMachine().PolygonPoints());
    });
    // The dialog's own buttons for one and two pages, so that they show the
    // choice too.
    const bool twoPages = QSettings().value(kPreviewPages, 1).toInt() == 2;
    if (auto* mode =
            preview.findChild<QAction*>(twoPages ? "facingModeAction" : "singleModeAction"))
        mode->trigger();
    preview.exec();
    if (const auto* pages = preview.findChild<QPrintPreviewWidget*>()) {
        const bool facing = pages->viewMode() == QPrintPreviewWidget::FacingPagesView;
        QSettings().setValue(kPreviewPages, facing ? 2 : 1);
    }
}

void CMainFrame::OnPrintSetup(CommandId) {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}
