#include "IntegerField.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

SpinButtons::SpinButtons(QLineEdit* buddy, IntegerRange range, QWidget* parent)
    : QWidget(parent), m_buddy(buddy), m_range(range), m_up(new QToolButton(this)),
      m_down(new QToolButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const int height = std::max(buddy->sizeHint().height() / 2, 8);
    for (QToolButton* button : {m_up, m_down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setFixedSize(height + 4, height);
        layout->addWidget(button);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    buddy->installEventFilter(this);
}

void SpinButtons::Step(int delta) {
    // A text that is no number steps from the range's edge, as the buttons
    // can only show numbers of the range.
    const std::optional<std::int32_t> typed = ParseIntegerField(m_buddy->text().toStdString());
    const std::int64_t from = typed ? std::clamp<std::int64_t>(*typed, m_range.min, m_range.max)
                                    : (delta > 0 ? m_range.min - 1 : m_range.max + 1);
    const std::int64_t to = std::clamp<std::int64_t>(from + delta, m_range.min, m_range.max);
    m_buddy->setText(QString::number(to));
    m_buddy->selectAll();
}

bool SpinButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::optional<std::int32_t> IntegerField::Take(QWidget* dialog, QLineEdit* field,
                                               IntegerRange range) {
    const std::optional<std::int32_t> number = ParseIntegerField(field->text().toStdString());
    if (number && range.Contains(*number)) return number;
    Refuse(dialog, field, range);
    return std::nullopt;
}

void IntegerField::Refuse(QWidget* dialog, QLineEdit* field, IntegerRange range) {
    QMessageBox::warning(
        dialog, tr("Pluvo"),
        tr("Geef een geheel getal van %1 tot en met %2.").arg(range.min).arg(range.max));
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}
