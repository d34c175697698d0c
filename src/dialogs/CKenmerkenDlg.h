// The properties dialog: the current tool and every option of the next
// figure, the grid and its colours, and the print enlargement, in one window.
#pragma once

#include "interaction/Properties.h"

#include <QDialog>

#include <optional>

#include <array>
#include <string>

class CPluvoDoc;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class ColourSwatch;

class CKenmerkenDlg final : public QDialog {
    Q_OBJECT

public:
    // The dialog edits a copy of `values`; the document gives the font that
    // the Font button starts from.
    CKenmerkenDlg(const CPluvoDoc& doc, const KenmerkenValues& values, QWidget* parent = nullptr);

    // The values as OK took them from the controls.
    const KenmerkenValues& values() const { return m_values; }
    // The font the Font button chose, if it chose one.
    std::optional<LogFont> chosenFont() const {
        return m_fontChosen ? std::optional<LogFont>(m_currentFont) : std::nullopt;
    }

    // Checks the integer fields and closes with OK; a wrong field is reported
    // and keeps the dialog open.
    void accept() override;

    // The controls, for the tests and the screenshots.
    enum class Colour { Achtergrond, Raster, Rand, Vul };
    QPushButton* colourButton(Colour which) const { return m_colourButtons[Index(which)]; }
    QWidget* swatch(Colour which) const;
    QPushButton* fontButton() const { return m_fontButton; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QLineEdit* gridSizeEdit() const { return m_sizeRaster; }
    QLineEdit* lineWidthEdit() const { return m_lijnDikte; }
    QLineEdit* cornersEdit() const { return m_nHoek; }
    QLineEdit* orientationEdit() const { return m_orientation; }
    QLineEdit* textEdit() const { return m_text; }
    QAbstractButton* toolButton(int figuurType) const;
    QAbstractButton* printFactorButton(int index) const;
    QCheckBox* metRandBox() const { return m_metRand; }
    QCheckBox* metVulBox() const { return m_metVul; }
    QCheckBox* metRasterBox() const { return m_metRaster; }
    QCheckBox* metCoordBox() const { return m_metCoord; }
    QCheckBox* rsterPntBox() const { return m_rsterPnt; }
    QCheckBox* stippelBox() const { return m_stippel; }

private:
    static std::size_t Index(Colour which) { return static_cast<std::size_t>(which); }
    COLORREF& ColourOf(Colour which);
    void ChooseColour(Colour which);
    void ChooseFont();
    QWidget* BuildFigureGroup();

    // The font offered for new texts, as the Font button last chose it.
    LogFont m_currentFont;
    bool m_fontChosen = false;
    KenmerkenValues m_values;

    QCheckBox* m_metRaster;
    QCheckBox* m_metCoord;
    QCheckBox* m_rsterPnt;
    QCheckBox* m_metRand;
    QCheckBox* m_metVul;
    QLineEdit* m_sizeRaster;
    QLineEdit* m_lijnDikte;
    std::array<QPushButton*, 4> m_colourButtons{};
    std::array<ColourSwatch*, 4> m_swatches{};
    QButtonGroup* m_printFactors;
    QButtonGroup* m_tools;
    QCheckBox* m_stippel = nullptr;
    QLineEdit* m_nHoek = nullptr;
    QLineEdit* m_text = nullptr;
    QPushButton* m_fontButton = nullptr;
    QLineEdit* m_orientation = nullptr;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

// Fills the dialog from the document and runs it; the document is only
// read. The properties command applies the answer as its edit
// (ApplyKenmerkenResult).
KenmerkenResult AskKenmerken(const CPluvoDoc& doc, QWidget* parent);
