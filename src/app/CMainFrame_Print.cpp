// Printing, the print preview and the printer setup of the "&Bestand" menu.
#include "CMainFrame.h"

#include "Prompts.h"
#include "view/CPluvoView.h"
#include "view/CanvasPrinting.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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

void CMainFrame::OnPrintPreview(CommandId) {
    QPrintPreviewDialog preview(&Printer(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
        PrintCanvas(m_doc, *printer, m_view->GestureMachine().PolygonPoints());
    });
    preview.exec();
}

void CMainFrame::OnPrintSetup(CommandId) {
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}
