// The objects list: every figure as a row, to select figures by row, delete
// the highlighted ones, and make them the drawing's selection on OK.
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class CPluvoDoc;
class QPushButton;
class QTreeWidget;

class CObjectenDlg final : public QDialog {
    Q_OBJECT

public:
    // `repaint` repaints the drawing's views after a Delete, while the list
    // stays open; it may be empty.
    explicit CObjectenDlg(CPluvoDoc& doc, QWidget* parent = nullptr,
                          std::function<void()> repaint = {});

    // Makes the highlighted rows the selection and closes.
    void accept() override;

    // Rebuilds the rows from the figure list, highlighting the selected figures.
    void FillList();
    // The numbers (0-based) of the highlighted rows, ascending.
    std::vector<std::size_t> HighlightedRows() const;

    QTreeWidget* list() const { return m_list; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* deleteButton() const { return m_delete; }
    // The hidden buttons: WegVulling, ZetVulling, Lijndikte++, Lijndikte--, VerwisselXY.
    const std::vector<QPushButton*>& hiddenButtons() const { return m_hidden; }

private:
    void Delete();
    void SizeColumns();
    void HeaderClicked(int column);

    CPluvoDoc& m_doc;
    std::function<void()> m_repaint;
    QTreeWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_delete;
    std::vector<QPushButton*> m_hidden;
    // 0: the next click on "#" highlights every row; 1: it clears them.
    int m_headerToggle = 0;
};

// The objects list command: runs the dialog on the document. OK makes the
// highlighted rows the selection; Delete inside the dialog removes figures at
// once (without an undo copy) and stays in effect after Cancel. The caller
// repaints and marks the drawing modified whatever button closed it: run it
// as the change of RunEdit(doc, CommandId::ObjectList, ...) answering
// Change::Made.
void RunObjecten(CPluvoDoc& doc, QWidget* parent, std::function<void()> repaint = {});
