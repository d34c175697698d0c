#include "CGrootteDlg.h"

#include "IntegerField.h"
#include "model/CPluvoDoc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CGrootteDlg::CGrootteDlg(ResizePercentages initial, QWidget* parent)
    : QDialog(parent), m_percentages(initial) {
    setWindowTitle(tr("Grootte veranderen"));
    setModal(true);

    // Plain edits, not limited to digits, so that a minus sign can be typed.
    const auto edit = [this](std::int32_t value) {
        auto* field = new QLineEdit(QString::number(value), this);
        field->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("-0000")) + 12);
        return field;
    };
    m_horizontal = edit(initial.horizontal);
    m_vertical = edit(initial.vertical);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    connect(m_ok, &QPushButton::clicked, this, &CGrootteDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CGrootteDlg::reject);

    auto* explanation = new QLabel(tr("Vergroot of verklein alle objecten met een percentage "
                                      "horizontaal en verticaal, 100 geeft geen wijziging."),
                                   this);
    explanation->setWordWrap(true);
    explanation->setFixedWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("Vergroot of verklein alle")) + 8);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* fields = new QGridLayout;
    const QString captions[] = {tr("Horizontaal:"), tr("Verticaal:")};
    QLineEdit* const edits[] = {m_horizontal, m_vertical};
    for (int row = 0; row < 2; ++row) {
        auto* label = new QLabel(captions[row], this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(edits[row]);
        fields->addWidget(label, row, 0);
        fields->addWidget(edits[row], row, 1);
    }
    fields->setColumnStretch(2, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(explanation);
    left->addLayout(fields);
    left->addStretch();

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_horizontal, m_vertical);
    setTabOrder(m_vertical, m_ok);
    setTabOrder(m_ok, m_cancel);
    m_horizontal->setFocus();
}

void CGrootteDlg::accept() {
    const std::optional<std::int32_t> horizontal =
        IntegerField::Take(this, m_horizontal, kResizeRange);
    if (!horizontal) return;
    const std::optional<std::int32_t> vertical = IntegerField::Take(this, m_vertical, kResizeRange);
    if (!vertical) return;
    m_percentages = {*horizontal, *vertical};
    QDialog::accept();
}

std::optional<ResizePercentages> AskGrootte(const CPluvoDoc& doc, QWidget* parent) {
    CGrootteDlg dialog({doc.ResizeX, doc.ResizeY}, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.percentages();
}
