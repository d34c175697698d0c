// The resize dialog: two percentages, horizontal and vertical, by which the
// whole drawing is scaled; negative ones mirror.
#pragma once

#include "interaction/Properties.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class CPluvoDoc;
class QLineEdit;
class QPushButton;

struct ResizePercentages {
    std::int32_t horizontal = 100;
    std::int32_t vertical = 100;
    friend bool operator==(const ResizePercentages&, const ResizePercentages&) = default;
};

inline constexpr IntegerRange kResizeRange{-200, 200};

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

// The resize command in two steps, so that the undo copy is taken only when
// the user chose OK:
//
//     if (const auto chosen = AskGrootte(doc, this))
//         RunEdit(doc, CommandId::Resize, [&](CPluvoDoc& d) {
//             ApplyGrootte(d, *chosen);
//             return Change::Made;
//         });
//
// AskGrootte runs the dialog on ResizeX and ResizeY and changes nothing; it
// returns the percentages on OK. ApplyGrootte remembers them in ResizeX and
// ResizeY and scales the drawing (Schaal); RunEdit takes the snapshot before
// it, marks the drawing modified and asks for the repaint.
std::optional<ResizePercentages> AskGrootte(const CPluvoDoc& doc, QWidget* parent);
void ApplyGrootte(CPluvoDoc& doc, ResizePercentages percentages);
