// The "&Opties" and "&Vorm" menus: the editing commands through the command
// layer, the tools, the fill colours, the dialogs, the clipboard and the PNG
// export of the canvas.
#include "CMainFrame.h"

#include "Prompts.h"
#include "interaction/EditCommands.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"
#include "platform/PngExport.h"
#include "view/CPluvoView.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>

void CMainFrame::ApplyEdit(CommandId id, const ChangeFunction& change) {
    RunEdit(m_road, id, change);
}

void CMainFrame::OnEdit(CommandId id) { RunEdit(m_road, id); }

void CMainFrame::OnStep(CommandId id) {
    m_view->CancelGesture();
    if (id == CommandId::StepBack)
        m_road.StepBack();
    else
        m_road.StepForward();
}

void CMainFrame::OnTool(CommandId id) { ZetFiguurType(FindCommand(id)->value); }

void CMainFrame::OnFillColour(CommandId id) {
    const COLORREF colour = kVulkleuren[static_cast<std::size_t>(FindCommand(id)->value)];
    ApplyEdit(id, [colour](DrawingEditor& editor) {
        ZetVulkleur(editor, colour);
        return Change::Made;
    });
}

void CMainFrame::OnTextEditLeft() {
    if (TakeToolbarText(m_road, Utf8ToWin1252(m_textEdit->text().toStdString())))
        m_toolList->setCurrentIndex(Tekst);
}

void CMainFrame::OnClipboard(CommandId) {
    // The drawing is not touched; the image is the clipboard's from now on.
    QApplication::clipboard()->setImage(m_view->CaptureCanvas());
}

void CMainFrame::OnWritePng(CommandId) {
    const QString path =
        AskFile(FileQuestion::Kind::Save, tr("png-file (*.png);;All files (*)"), "png",
                &m_doc.PngPath, QString(), tr("Sla veld op als png-bestand"));
    if (path.isEmpty()) return;
    if (const FileError problem = ReplaceProblem(m_doc.PngPath)) {
        prompts::Message(
            this,
            tr("Kan %1 niet schrijven: %2.").arg(path, QString::fromStdString(problem.Reason())));
        return;
    }
    std::string converterMessage;
    const bool written = WritePng(m_view->CaptureCanvas(), m_doc.PngPath,
                                  [&](const std::string& m) { converterMessage = m; });
    if (!converterMessage.empty())
        prompts::Message(this, tr(converterMessage.c_str()));
    else if (!written)
        prompts::Message(this, tr("Kan %1 niet schrijven.").arg(path));
}
