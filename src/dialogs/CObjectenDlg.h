// The objects list: every figure as a row, to select figures by row, delete
// the highlighted ones, and make them the drawing's selection on OK.
#pragma once

#include <QDialog>

#include <optional>
#include <vector>

class CPluvoDoc;
class EditRoad;
class QPushButton;
class QTreeWidget;

class CObjectenDlg final : public QDialog {
    Q_OBJECT

public:
    // The list reads the drawing; a Delete, and each hidden operation, is
    // an edit that it hands to the road at once, so the canvas behind it
    // shows it while the list stays open.
    explicit CObjectenDlg(EditRoad& road, QWidget* parent = nullptr);

    // Keeps the highlighted rows as the answer and closes.
    void accept() override;
    // The highlighted rows as OK took them.
    const std::vector<std::size_t>& chosenRows() const { return m_chosen; }

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

    EditRoad& m_road;
    const CPluvoDoc& m_doc;
    std::vector<std::size_t> m_chosen;
    QTreeWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    QPushButton* m_delete;
    std::vector<QPushButton*> m_hidden;
    // 0: the next click on "#" highlights every row; 1: it clears them.
    int m_headerToggle = 0;
};

// Runs the dialog on the road's drawing. Returns the highlighted rows on
// OK, which the objects list command makes the selection; nothing on Cancel.
// A Delete inside the dialog stays in effect after Cancel.
std::optional<std::vector<std::size_t>> RunObjecten(EditRoad& road, QWidget* parent);
