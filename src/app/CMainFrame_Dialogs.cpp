// The commands that open a dialog: properties, objects list, resize and the
// About box. Each runs its dialog as the change of its command layer row.
#include "CMainFrame.h"

#include "dialogs/CAboutDlg.h"
#include "dialogs/CGrootteDlg.h"
#include "dialogs/CKenmerkenDlg.h"
#include "dialogs/CObjectenDlg.h"
#include "interaction/Grootte.h"
#include "interaction/ObjectList.h"
#include "interaction/Properties.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"
#include "view/CPluvoView.h"

#include <QComboBox>
#include <QLineEdit>

void CMainFrame::OnProperties(CommandId id) {
    const KenmerkenResult answer = AskKenmerken(m_doc, this);
    std::string toolbarText;
    ApplyEdit(id, [&](DrawingEditor& editor) {
        return ApplyKenmerkenResult(editor, answer, &toolbarText);
    });
    // Cancel leaves the tool as it was, so moving the list is harmless.
    m_toolList->setCurrentIndex(m_doc.current.FiguurType);
    if (!toolbarText.empty())
        m_textEdit->setText(QString::fromStdString(Win1252ToUtf8(toolbarText)));
}

void CMainFrame::OnObjectList(CommandId id) {
    // A Delete inside the dialog is an edit of its own and shows at once on
    // the canvas behind it. Whatever button closes the list, the drawing is
    // marked and repainted.
    const auto rows = RunObjecten(m_road, this);
    ApplyEdit(id, [&rows](DrawingEditor& editor) {
        if (rows) SelectFigures(editor, *rows);
        return Change::Made;
    });
}

void CMainFrame::OnResize(CommandId id) {
    const auto chosen = AskGrootte(m_doc, this);
    if (!chosen) return;
    ApplyEdit(id, [&](DrawingEditor& editor) {
        ApplyGrootte(editor, *chosen);
        return Change::Made;
    });
}

void CMainFrame::OnAbout(CommandId) { RunAbout(this); }
