// The dialogs' integer fields: plain line edits, so that whatever is typed
// reaches OK, optionally with spin buttons beside them, and the warning that
// OK shows for a field that holds no integer in its range.
#pragma once

#include "interaction/Properties.h"

#include <QCoreApplication>
#include <QWidget>

#include <optional>

class QLineEdit;
class QToolButton;

// Two small arrow buttons beside a line edit. They, and the Up and Down keys
// in the edit, step the edit's number by one within the range. They never
// take the focus, so the tab order runs from the edit to the next control.
class SpinButtons final : public QWidget {
    Q_OBJECT

public:
    SpinButtons(QLineEdit* buddy, IntegerRange range, QWidget* parent = nullptr);

    void Step(int delta);
    QLineEdit* buddy() const { return m_buddy; }
    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_buddy;
    IntegerRange m_range;
    QToolButton* m_up;
    QToolButton* m_down;
};

class IntegerField {
    Q_DECLARE_TR_FUNCTIONS(IntegerField)

public:
    // The field's number when it is an integer in the range. Otherwise shows
    // a warning naming the range, puts the focus on the field with its text
    // selected, and returns nothing: the dialog stays open.
    static std::optional<std::int32_t> Take(QWidget* dialog, QLineEdit* field, IntegerRange range);
    // The warning alone, for a field already found wrong.
    static void Refuse(QWidget* dialog, QLineEdit* field, IntegerRange range);
};
