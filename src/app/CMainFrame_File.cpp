// The "&Bestand" menu: New, Open, Save, Save As, the recent-file list, the
// text, SVG and merge commands, Exit, and the save prompt they share.
#include "CMainFrame.h"

#include "MisfitReason.h"
#include "Prompts.h"
#include "Recovery.h"
#include "interaction/EditCommands.h"
#include "model/CPluvoDoc.h"
#include "model/DrawingFile.h"
#include "model/FileIo.h"
#include "model/Merge.h"
#include "model/SvgExport.h"
#include "model/TextFormat.h"
#include "view/CPluvoView.h"

#include <cerrno>

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromLocal(const std::string& path) { return QFile::decodeName(path.c_str()); }

const char* const kDrawingFilter =
    QT_TRANSLATE_NOOP("CMainFrame", "Pluvo Files (*.plv);;Alle bestanden (*)");
const char* const kTextFilter =
    QT_TRANSLATE_NOOP("CMainFrame", "Tekstbestand (*.txt);;Alle bestanden (*)");
const char* const kSvgFilter =
    QT_TRANSLATE_NOOP("CMainFrame", "SVG-bestand (*.svg);;Alle bestanden (*)");
const char* const kMergeFilter =
    QT_TRANSLATE_NOOP("CMainFrame", "Pluvobestand (*.plv);;Alle bestanden (*)");

// A drawing that `format` cannot hold exactly is not written: says what does
// not fit, with `failure` ("Kan %1 niet opslaan: %2."), and gives true.
bool Refused(QWidget* parent, const CPluvoDoc& doc, DrawingFormat format, const QString& path,
             const QString& failure) {
    const Misfit misfit = WhatDoesNotFit(doc, format);
    if (misfit) prompts::Message(parent, failure.arg(path, MisfitReason(doc, format, misfit)));
    return static_cast<bool>(misfit);
}

} // namespace

// --- The save prompt ------------------------------------------------------------

bool CMainFrame::SaveModified() {
    if (!m_doc.IsModified()) {
        Recovery::Discard(this); // recovery: nothing unsaved, no copy
        return true;
    }
    const QString name = m_doc.PathName.empty() ? tr("Naamloos") : FromLocal(m_doc.PathName);
    switch (prompts::AskSaveChanges(this, tr("Wijzigingen in %1 opslaan?").arg(name))) {
    case SaveAnswer::Yes:
        return m_doc.PathName.empty() ? SaveAs() : SaveTo(FromLocal(m_doc.PathName));
    case SaveAnswer::No:
        Recovery::Discard(this); // recovery: the changes are given up
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

// --- New, Open, Save, Save As ----------------------------------------------------

void CMainFrame::OnFileNew(CommandId) {
    if (!SaveModified()) return;
    m_road.Replace({CPluvoDoc::NewDrawing(), RunValues::Reset, {}, Modified::No});
}

void CMainFrame::OnFileOpen(CommandId) {
    const QString path = AskFile(FileQuestion::Kind::Open, tr(kDrawingFilter), "plv", nullptr);
    if (!path.isEmpty()) OpenFile(path);
}

bool CMainFrame::OpenFile(const QString& path) {
    if (!SaveModified()) return false;
    OpenResult result = OpenDrawing(Local(path));
    if (result.status == OpenStatus::Unreadable) {
        ShowOpenProblem(path, result.error.Reason());
        return false;
    }
    ShowOpenResult(path, std::move(result));
    return true;
}

void CMainFrame::ShowOpenResult(const QString& path, OpenResult&& result) {
    // An opened drawing, or the new one a rejected file leaves, starts an
    // empty history; a rejected file leaves the new drawing unnamed, so that
    // Save cannot overwrite it with an empty drawing.
    const bool opened = result.status == OpenStatus::Opened;
    m_road.Replace({std::move(result.stored), result.runValues,
                    opened ? Local(path) : std::string(), Modified::No});
    // A rejected file says why.
    for (const std::string& message : RejectionMessages(result))
        prompts::Message(this, tr(message.c_str()));
    if (opened) {
        m_recent.Add(path);
        RebuildRecentFiles();
    }
    Recovery::Offer(this); // recovery: copies of windows that died
}

void CMainFrame::ShowOpenProblem(const QString& path, const std::string& reason) {
    prompts::Message(this, tr("Kan %1 niet openen: %2.").arg(path, QString::fromStdString(reason)));
}

void CMainFrame::OnFileSave(CommandId) {
    // Save writes the file every time it is chosen, changed or not.
    if (m_doc.PathName.empty())
        SaveAs();
    else
        SaveTo(FromLocal(m_doc.PathName));
}

void CMainFrame::OnFileSaveAs(CommandId) { SaveAs(); }

bool CMainFrame::SaveAs() {
    const QString path = AskFile(FileQuestion::Kind::Save, tr(kDrawingFilter), "plv", nullptr,
                                 FromLocal(m_doc.PathName));
    return !path.isEmpty() && SaveTo(path);
}

bool CMainFrame::SaveTo(const QString& path) {
    if (Refused(this, m_doc, FormatOfName(Local(path)), path, tr("Kan %1 niet opslaan: %2.")))
        return false;
    if (const FileError error = SaveDrawing(m_doc, Local(QFileInfo(path).absoluteFilePath()))) {
        // The drawing stays modified and keeps its name: nothing was saved.
        prompts::Message(
            this, tr("Kan %1 niet opslaan: %2.").arg(path, QString::fromStdString(error.Reason())));
        return false;
    }
    Recovery::Discard(this); // recovery: the changes are saved
    m_recent.Add(path);
    RebuildRecentFiles();
    RebuildTitle();
    return true;
}

// --- The recent-file list -------------------------------------------------------

void CMainFrame::RebuildRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    const QStringList& paths = m_recent.Paths();
    // Without recent files the greyed "Recent File" stands in their place.
    m_recentAnchor->setVisible(paths.isEmpty());
    for (int i = 0; i < paths.size(); ++i) {
        const QString number = i < 9 ? QString("&%1").arg(i + 1) : QString("1&0");
        auto* action = new QAction(number + ' ' + RecentFileList::MenuName(paths[i]), this);
        action->setStatusTip(tr("Open dit document"));
        const QString path = paths[i];
        connect(action, &QAction::triggered, this, [this, path] {
            OpenRecent(path);
            RefreshCommandStates();
            m_view->setFocus(Qt::OtherFocusReason);
        });
        m_fileMenu->insertAction(m_recentAnchor, action);
        m_recentActions.push_back(action);
    }
    QSettings settings;
    m_recent.Save(settings);
}

void CMainFrame::OpenRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        m_recent.Remove(path);
        RebuildRecentFiles();
        ShowOpenProblem(path, DutchReason(ENOENT));
        return;
    }
    OpenFile(path);
}

void CMainFrame::OnExit(CommandId) { close(); }

// --- Text, SVG and merge -------------------------------------------------------------

QString CMainFrame::AskFile(FileQuestion::Kind kind, const QString& filter, const QString& suffix,
                            std::string* remembered, const QString& initial,
                            const QString& caption) {
    FileQuestion question;
    question.kind = kind;
    question.caption = caption;
    question.initial = remembered ? FromLocal(*remembered) : initial;
    question.filter = filter;
    question.defaultSuffix = suffix;
    const QString path = prompts::ChooseFile(this, question);
    if (!path.isEmpty() && remembered) *remembered = Local(path);
    return path;
}

bool CMainFrame::ReadChosenFile(const QString& path, std::string& bytes) {
    const FileError error = ReadFileBytes(Local(path), bytes);
    if (error) ShowOpenProblem(path, error.Reason());
    return !error;
}

void CMainFrame::WriteExport(const QString& path, const ByteProducer& produce) {
    if (const FileError error = ReplaceFile(Local(path), produce))
        prompts::Message(
            this,
            tr("Kan %1 niet schrijven: %2.").arg(path, QString::fromStdString(error.Reason())));
}

void CMainFrame::OnWriteText(CommandId) {
    const QString path = AskFile(FileQuestion::Kind::Save, tr(kTextFilter), "txt", &m_doc.TextPath);
    if (path.isEmpty() ||
        Refused(this, m_doc, DrawingFormat::Text, path, tr("Kan %1 niet schrijven: %2.")))
        return;
    WriteExport(path, [this](const ByteSink& sink) {
        std::string text;
        WriteText(m_doc, text);
        sink(text);
    });
}

void CMainFrame::OnReadText(CommandId) {
    if (!SaveModified()) return;
    const QString path = AskFile(FileQuestion::Kind::Open, tr(kTextFilter), "txt", &m_doc.TextPath);
    if (path.isEmpty()) return;
    std::string bytes;
    if (!ReadChosenFile(path, bytes)) return;
    // The drawing is replaced, also by the new one when the file is refused:
    // it has no name and no changes, and the toolbar and the canvas start
    // again from it. Unlike Open it is a step of the history.
    TextReadResult read;
    ApplyEdit(CommandId::ReadText, [&](DrawingEditor& editor) {
        StoredDrawing stored;
        read = ReadText(bytes, stored);
        editor.Replace(std::move(stored), RunValues::Reset);
        editor.Doc().SetModifiedFlag(false);
        return Change::Made;
    });
    if (!read.ok) prompts::Message(this, tr("Fout in bestand op regel %1").arg(read.line));
}

void CMainFrame::OnWriteSvg(CommandId) {
    const QString path = AskFile(FileQuestion::Kind::Save, tr(kSvgFilter), "svg", &m_doc.SvgPath);
    if (path.isEmpty() ||
        Refused(this, m_doc, DrawingFormat::Svg, path, tr("Kan %1 niet schrijven: %2.")))
        return;
    const std::string title = QFileInfo(path).absoluteFilePath().toStdString();
    WriteExport(path, [this, title](const ByteSink& sink) { WriteSvg(m_doc, title, sink); });
}

void CMainFrame::OnMerge(CommandId) {
    const QString path =
        AskFile(FileQuestion::Kind::Open, tr(kMergeFilter), "plv", &m_doc.MergePath);
    if (path.isEmpty()) return;
    std::string bytes;
    if (!ReadChosenFile(path, bytes)) return;
    bool refused = false;
    ApplyEdit(CommandId::Merge, [&](DrawingEditor& editor) {
        const MergeResult merged = Merge(editor, bytes);
        refused = merged == MergeResult::Refused;
        // Figures, texts, fonts or points that came in mark the drawing: without
        // the mark, closing the window would lose them without asking.
        return merged == MergeResult::Added ? Change::Made : Change::Unmarked;
    });
    if (refused) prompts::Message(this, tr("Bestand incorrect"), tr("Jammer"));
}
