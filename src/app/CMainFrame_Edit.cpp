// The "Be&werken", "&Opties" and "&Vorm" menus: the editing commands through
// the command layer, the tools, the colours, the dialogs, the clipboard and
// the PNG export of the canvas.
#include "CMainFrame.h"

#include "Prompts.h"
#include "interaction/EditCommands.h"
#include "interaction/ToolOptions.h"
#include "model/CPluvoDoc.h"
#include "model/ClipboardFormat.h"
#include "model/Win1252.h"
#include "platform/PngExport.h"
#include "view/CPluvoView.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>

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

void CMainFrame::OnOutlineColour(CommandId id) {
    const COLORREF colour = kVulkleuren[static_cast<std::size_t>(FindCommand(id)->value)];
    ApplyEdit(id, [colour](DrawingEditor& editor) {
        ZetRandkleur(editor, colour);
        return Change::Made;
    });
}

void CMainFrame::OnClipboard(CommandId) { CopyToClipboard(); }

void CMainFrame::CopyToClipboard() {
    // The drawing is not touched; the image is the clipboard's from now on,
    // with the selected figures beside it for vector editors and for Pluvo.
    auto* data = new QMimeData;
    data->setImageData(m_view->CaptureCanvas());
    const Drawing figures = SelectedFigures(m_doc);
    if (!figures.figures.empty()) {
        const std::string text = FiguresText(figures);
        data->setData(QString::fromLatin1(kFiguresMimeType.data(), kFiguresMimeType.size()),
                      QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        const QString name = m_doc.PathName.empty()
                                 ? tr("Pluvo")
                                 : QFileInfo(QString::fromStdString(m_doc.PathName)).fileName();
        const std::string svg = FiguresSvg(figures, name.toStdString());
        data->setData("image/svg+xml", QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    }
    QApplication::clipboard()->setMimeData(data);
}

void CMainFrame::OnCut(CommandId id) {
    if (m_doc.Selection().empty()) return;
    CopyToClipboard();
    RunEdit(m_road, id);
}

bool CMainFrame::ClipboardFigures(Drawing& figures) const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return false;
    const QString type = QString::fromLatin1(kFiguresMimeType.data(), kFiguresMimeType.size());
    if (data->hasFormat(type)) {
        const QByteArray bytes = data->data(type);
        return ReadFigures(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), figures);
    }
    // Text copied from a text drawing in an editor; only such text is read.
    if (!data->hasText()) return false;
    const QString text = data->text();
    if (!text.startsWith(
            QString::fromLatin1(CPluvoDoc::VersionMagic.data(), CPluvoDoc::VersionMagic.size())))
        return false;
    return ReadFigures(Utf8ToWin1252(text.toStdString()), figures);
}

void CMainFrame::OnPaste(CommandId) {
    Drawing figures;
    if (!ClipboardFigures(figures)) return;
    m_view->StartPaste(std::move(figures));
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
