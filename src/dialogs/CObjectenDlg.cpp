#include "CObjectenDlg.h"

#include "interaction/ObjectList.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumnWidths[] = {30, 80, 65, 65, 55, 100};
constexpr int kColumns = 6;
constexpr double kListPointSize = 8.0;

} // namespace

CObjectenDlg::CObjectenDlg(EditRoad& road, QWidget* parent)
    : QDialog(parent), m_road(road), m_doc(road.Doc()), m_list(new QTreeWidget(this)) {
    setWindowTitle(tr("Objecten"));
    setModal(true);

    m_list->setColumnCount(kColumns);
    m_list->setHeaderLabels(
        {tr("#"), tr("Type"), tr("Punt 1"), tr("Punt 2"), tr("Kleur"), tr("Vulling")});
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // The columns keep their pixel widths; the list's text keeps the size the
    // widths were made for, so that a kind name such as "Veelhoek (12)" fits.
    QFont font = m_list->font();
    if (font.pointSizeF() > kListPointSize) {
        font.setPointSizeF(kListPointSize);
        m_list->setFont(font);
    }
    QHeaderView* header = m_list->header();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < kColumns; ++c) header->resizeSection(c, kColumnWidths[c]);
    connect(header, &QHeaderView::sectionClicked, this, &CObjectenDlg::HeaderClicked);
    // The keyboard's twins of the mouse's ways: Ctrl+A highlights every row,
    // then none, as a click on "#" does; Delete deletes as the button does.
    new QShortcut(
        QKeySequence::SelectAll, m_list, [this] { HeaderClicked(0); }, Qt::WidgetShortcut);
    new QShortcut(
        QKeySequence::Delete, m_list, [this] { Delete(); }, Qt::WidgetShortcut);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_delete = new QPushButton(tr("Delete"), this);
    connect(m_ok, &QPushButton::clicked, this, &CObjectenDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CObjectenDlg::reject);
    connect(m_delete, &QPushButton::clicked, this, &CObjectenDlg::Delete);

    auto* column = new QVBoxLayout;
    column->addWidget(m_ok);
    column->addWidget(m_cancel);
    column->addSpacing(16);
    column->addWidget(m_delete);
    const int textWidth = fontMetrics().horizontalAdvance(QStringLiteral("Geselecteerde ob"));
    for (const QString& text :
         {tr("Geselecteerde objecten verwijderen.\nKlik op nummer, voor meer dan een met CTRL of "
             "SHIFT"),
          tr("Klikken op # selecteert alles of niets.")}) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        label->setFixedWidth(textWidth);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->addSpacing(6);
        column->addWidget(label);
    }
    column->addStretch();

    // The figure operations the view's commands share, bound to buttons that
    // stay hidden. Each changes the drawing only: no refill, no repaint.
    const std::pair<QString, FigureOperation> operations[] = {
        {tr("WegVulling"), FigureOperation::WegVulling},
        {tr("ZetVulling"), FigureOperation::ZetVulling},
        {tr("Lijndikte++"), FigureOperation::LijndikteMeer},
        {tr("Lijndikte--"), FigureOperation::LijndikteMinder},
        {tr("VerwisselXY"), FigureOperation::VerwisselXY},
    };
    for (const auto& [caption, operation] : operations) {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        button->hide();
        connect(button, &QPushButton::clicked, this,
                [this, op = operation] { m_road.Apply(FigureOperationEdit(op)); });
        column->addWidget(button);
        m_hidden.push_back(button);
    }

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(column);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_list, m_ok);
    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_delete);
    m_list->setFocus();
    FillList();
}

void CObjectenDlg::FillList() {
    m_list->clear();
    const std::size_t count = m_doc.drawing().figures.size();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const ObjectRow cells = ObjectRowOf(m_doc, i);
        QStringList texts;
        for (const std::string& cell : cells) texts << QString::fromStdString(Win1252ToUtf8(cell));
        rows << new QTreeWidgetItem(texts);
    }
    m_list->addTopLevelItems(rows);
    SizeColumns();

    // One selection of runs of rows rather than one change per row, so that a
    // long list with many selected figures opens quickly.
    if (m_doc.Selection().empty()) return;
    const std::vector<bool> selected = m_doc.AffectedFigures();
    QItemSelection runs;
    QAbstractItemModel* model = m_list->model();
    for (std::size_t i = 0; i < count;) {
        if (!selected[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end + 1 < count && selected[end + 1]) ++end;
        runs.select(model->index(static_cast<int>(i), 0),
                    model->index(static_cast<int>(end), kColumns - 1));
        i = end + 1;
    }
    m_list->selectionModel()->select(runs, QItemSelectionModel::Select);
}

void CObjectenDlg::SizeColumns() {
    // The number column is as wide as the largest number needs (the last
    // row's), so that no number is cut off; the others keep their widths.
    QHeaderView* header = m_list->header();
    int numbers = kColumnWidths[0];
    if (QTreeWidgetItem* last = m_list->topLevelItem(m_list->topLevelItemCount() - 1)) {
        const int margin =
            2 * (m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1);
        numbers = std::max(numbers, QFontMetrics(m_list->font()).horizontalAdvance(last->text(0)) +
                                        margin + 4);
    }
    header->resizeSection(0, numbers);
    int width = 0;
    for (int c = 0; c < kColumns; ++c) width += header->sectionSize(c);
    // Room for every column and the scroll bar beside them.
    m_list->setMinimumSize(width + 2 * m_list->frameWidth() + 24, 480);
}

std::vector<std::size_t> CObjectenDlg::HighlightedRows() const {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CObjectenDlg::accept() {
    m_chosen = HighlightedRows();
    QDialog::accept();
}

void CObjectenDlg::Delete() {
    const std::vector<std::size_t> rows = HighlightedRows();
    if (rows.empty()) {
        QMessageBox::information(this, tr("Info"),
                                 tr("Selecteer een of meer regels.\nKlik links in kolom #."));
        return;
    }
    QMessageBox confirm(QMessageBox::NoIcon, tr("Pluvo"), tr("Weet u het zeker?"),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
    confirm.setDefaultButton(QMessageBox::Ok);
    if (confirm.exec() != QMessageBox::Ok) return;
    m_road.Apply(RemoveFiguresEdit(rows));
    FillList();
}

void CObjectenDlg::HeaderClicked(int column) {
    if (column != 0) return;
    if (m_headerToggle == 0)
        m_list->selectAll();
    else
        m_list->clearSelection();
    m_headerToggle = 1 - m_headerToggle;
}

std::optional<std::vector<std::size_t>> RunObjecten(EditRoad& road, QWidget* parent) {
    CObjectenDlg dialog(road, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosenRows();
}
