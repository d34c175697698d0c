// Pluvo on the desktop: the PDF export of the "&Bestand" menu, the language
// of the "B&eeld" menu and the user guide of the "&Hulp" menu.
#include "CMainFrame.h"

#include "HelpWindow.h"
#include "PdfExport.h"
#include "Prompts.h"
#include "Translations.h"
#include "model/CPluvoDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>

QString CMainFrame::DrawingFolder() const {
    if (m_doc.PathName.empty()) return {};
    return QFileInfo(QFile::decodeName(m_doc.PathName.c_str())).absolutePath();
}

void CMainFrame::OnWritePdf(CommandId) {
    QString initial;
    if (!m_doc.PathName.empty()) {
        const QFileInfo drawing(QFile::decodeName(m_doc.PathName.c_str()));
        initial = drawing.absoluteDir().filePath(drawing.completeBaseName() + ".pdf");
    }
    const QString path =
        AskFile(FileQuestion::Kind::Save, tr("PDF-bestand (*.pdf);;Alle bestanden (*)"), "pdf",
                nullptr, initial, tr("Schrijf de tekening als PDF-bestand"));
    if (path.isEmpty()) return;
    if (const FileError error =
            ExportPdf(m_doc, Printer().pageLayout(), QFile::encodeName(path).toStdString()))
        prompts::Message(
            this,
            tr("Kan %1 niet schrijven: %2.").arg(path, QString::fromStdString(error.Reason())));
}

void CMainFrame::OnLanguage(CommandId) {
    // Both languages at once: whoever cannot read the one shown reads the
    // other.
    QMessageBox box(QMessageBox::Question, tr("Pluvo"),
                    tr("Kies de taal van Pluvo.\nChoose the language of Pluvo."),
                    QMessageBox::NoButton, this);
    QPushButton* dutch = box.addButton(QStringLiteral("Nederlands"), QMessageBox::AcceptRole);
    QPushButton* english = box.addButton(QStringLiteral("English"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(tr("Annuleren"), QMessageBox::RejectRole);
    box.setDefaultButton(InstalledLanguage() == Language::English ? english : dutch);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() != dutch && box.clickedButton() != english) return;
    const Language chosen = box.clickedButton() == english ? Language::English : Language::Dutch;
    StoreLanguage(chosen);
    if (chosen != InstalledLanguage())
        prompts::Message(this, tr("Pluvo gebruikt de gekozen taal vanaf de volgende start.\n"
                                  "Pluvo uses the chosen language from its next start on."));
}

void CMainFrame::OnManual(CommandId) {
    // One help window, kept while the editor runs: F1 brings it back where
    // it was.
    auto* help = findChild<HelpWindow*>();
    if (!help) {
        const QUrl page = HelpWindow::GuidePage(InstalledLanguage());
        if (page.isEmpty()) {
            prompts::Message(this, tr("De handleiding is niet gevonden."));
            return;
        }
        help = new HelpWindow(page, this);
    }
    help->show();
    help->raise();
    help->activateWindow();
}
