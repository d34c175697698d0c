// The resize dialog: two percentages, horizontal and vertical, by which the
// whole drawing is scaled; negative ones mirror.
#pragma once

#include "interaction/Grootte.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class CPluvoDoc;
class QLineEdit;
class QPushButton;

class CGrootteDlg final : public QDialog {
    Q_OBJECT

public:
    CGrootteDlg(ResizePercentages initial, QWidget* parent = nullptr);

    // The percentages as OK took them.
    ResizePercentages percentages() const { return m_percentages; }

    // Checks both fields and closes with OK; a wrong one is reported and
    // keeps the dialog open.
    void accept() override;

    QLineEdit* horizontalEdit() const { return m_horizontal; }
    QLineEdit* verticalEdit() const { return m_vertical; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    ResizePercentages m_percentages;
    QLineEdit* m_horizontal;
    QLineEdit* m_vertical;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// Runs the dialog on ResizeX and ResizeY and changes nothing; returns the
// percentages on OK. The resize command applies them as an edit
// (ApplyGrootte), so that the undo copy is taken only when the user chose OK.
std::optional<ResizePercentages> AskGrootte(const CPluvoDoc& doc, QWidget* parent);
