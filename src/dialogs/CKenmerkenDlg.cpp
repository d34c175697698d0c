#include "CKenmerkenDlg.h"

#include "IntegerField.h"
#include "interaction/CanvasSpeech.h"
#include "model/CPluvoDoc.h"
#include "model/Win1252.h"
#include "platform/FontConversion.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

// The colour beside a colour button: a black frame on white around the colour.
class ColourSwatch final : public QWidget {
public:
    explicit ColourSwatch(QWidget* parent) : QWidget(parent) {}

    void setColour(COLORREF colour) {
        m_colour = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect frame = rect();
        painter.fillRect(frame, Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        painter.fillRect(frame.adjusted(1, 1, -1, -1),
                         QColor(GetRValue(m_colour), GetGValue(m_colour), GetBValue(m_colour)));
    }

private:
    COLORREF m_colour = 0;
};

namespace {

QLineEdit* NumberEdit(std::int32_t value, int digits, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QString(digits + 1, QLatin1Char('0'))) + 12);
    return edit;
}

// An edit with its spin buttons beside it, as one piece of a layout.
QHBoxLayout* WithSpin(QLineEdit* edit, KenmerkenField field, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(edit);
    row->addWidget(new SpinButtons(edit, RangeOf(field), parent));
    return row;
}

QCheckBox* Check(const QString& caption, std::int32_t value, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setChecked(value != 0);
    return box;
}

std::int32_t Checked(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

// Makes a radio group one stop of Tab, on its checked button (the first when
// none is checked); the arrow keys move within the group. Follows the check
// as it moves.
void OneTabStop(QButtonGroup* group) {
    const auto follow = [group] {
        const QList<QAbstractButton*> buttons = group->buttons();
        QAbstractButton* stop = group->checkedButton();
        if (!stop && !buttons.isEmpty()) stop = buttons.constFirst();
        for (QAbstractButton* button : buttons)
            button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    };
    follow();
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
}

} // namespace

CKenmerkenDlg::CKenmerkenDlg(const CPluvoDoc& doc, const KenmerkenValues& values, QWidget* parent)
    : QDialog(parent), m_currentFont(doc.CurrentFont), m_values(values) {
    setWindowTitle(tr("Kenmerken venster, afdrukken, figuur"));
    setModal(true);

    // The upper part: the switches and the print factor on the left, the
    // two numbers with OK and Cancel to their right, the colours below them.
    m_metRaster = Check(tr("Met raster"), values.MetRaster, this);
    m_metCoord = Check(tr("Met coördinaten"), values.MetCoord, this);
    m_rsterPnt = Check(tr("Alleen met roosterpunten werken"), values.RsterPnt, this);
    m_metRand = Check(tr("Met rand"), values.MetRand, this);
    m_metVul = Check(tr("Met vulling"), values.MetVul, this);
    m_sizeRaster = NumberEdit(values.SizeRaster, 3, this);
    m_lijnDikte = NumberEdit(values.LijnDikte, 3, this);

    auto* colours = new QGroupBox(tr("Kleuren"), this);
    auto* colourLayout = new QGridLayout(colours);
    colourLayout->setHorizontalSpacing(6);
    const QString colourCaptions[] = {tr("Achtergr."), tr("Raster"), tr("Rand"), tr("Vul")};
    const COLORREF colourValues[] = {values.KleurAchtergrond, values.KleurRaster, values.KleurRand,
                                     values.KleurVul};
    for (std::size_t k = 0; k < m_colourButtons.size(); ++k) {
        auto* button = new QPushButton(colourCaptions[k], colours);
        auto* swatch = new ColourSwatch(colours);
        swatch->setFixedSize(button->sizeHint().width(), button->sizeHint().height() - 4);
        swatch->setColour(colourValues[k]);
        // A screen reader reads the colour beside the button by its name.
        button->setAccessibleDescription(QString::fromStdString(ColourName(colourValues[k])));
        colourLayout->addWidget(button, static_cast<int>(k), 0);
        colourLayout->addWidget(swatch, static_cast<int>(k), 1);
        m_colourButtons[k] = button;
        m_swatches[k] = swatch;
        const auto which = static_cast<Colour>(k);
        connect(button, &QPushButton::clicked, this, [this, which] { ChooseColour(which); });
    }

    auto* print = new QGroupBox(tr("Afdrukken"), this);
    auto* printLayout = new QHBoxLayout(print);
    // Two lines, "Factor" over "vergroten:", beside the four factors.
    auto* factorLabel = new QLabel(tr("Factor vergroten:"), print);
    factorLabel->setWordWrap(true);
    factorLabel->setFixedWidth(
        factorLabel->fontMetrics().horizontalAdvance(QStringLiteral("vergroten:")) + 4);
    printLayout->addWidget(factorLabel);
    auto* factorColumn = new QVBoxLayout;
    factorColumn->setSpacing(0);
    m_printFactors = new QButtonGroup(this);
    const QString factorCaptions[] = {tr("2x"), tr("4x"), tr("5x"), tr("10x")};
    for (int k = 0; k < 4; ++k) {
        auto* radio = new QRadioButton(factorCaptions[k], print);
        m_printFactors->addButton(radio, k);
        factorColumn->addWidget(radio);
    }
    if (QAbstractButton* checked = m_printFactors->button(values.printFactorIndex))
        checked->setChecked(true);
    printLayout->addSpacing(8);
    printLayout->addLayout(factorColumn);
    printLayout->addStretch();

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    connect(m_ok, &QPushButton::clicked, this, &CKenmerkenDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CKenmerkenDlg::reject);

    auto* gridLabel = new QLabel(tr("Grootte rasterhokje:"), this);
    gridLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* widthLabel = new QLabel(tr("Randdikte:"), this);
    widthLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The labels name their fields for a screen reader.
    gridLabel->setBuddy(m_sizeRaster);
    widthLabel->setBuddy(m_lijnDikte);

    auto* top = new QGridLayout;
    top->setVerticalSpacing(4);
    top->addWidget(m_metRaster, 0, 0, Qt::AlignLeft);
    top->addWidget(gridLabel, 0, 1);
    top->addLayout(WithSpin(m_sizeRaster, KenmerkenField::SizeRaster, this), 0, 2);
    top->addWidget(m_ok, 0, 3);
    top->addWidget(m_metCoord, 1, 0, Qt::AlignLeft);
    top->addWidget(widthLabel, 1, 1);
    top->addLayout(WithSpin(m_lijnDikte, KenmerkenField::LijnDikte, this), 1, 2);
    top->addWidget(m_cancel, 1, 3);
    top->addWidget(m_rsterPnt, 2, 0, 1, 2, Qt::AlignLeft);
    top->addWidget(m_metRand, 3, 0, 1, 2, Qt::AlignLeft);
    top->addWidget(m_metVul, 4, 0, 1, 2, Qt::AlignLeft);
    top->addWidget(print, 5, 0, 1, 2);
    top->addWidget(colours, 3, 2, 3, 2, Qt::AlignTop);
    top->setRowStretch(5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildFigureGroup());
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab runs as it always has in this dialog: switches, numbers, colours,
    // the print factor, the tool and its options, OK and Cancel. Each radio
    // group is one stop, on its checked button.
    std::vector<QWidget*> order = {m_metRaster, m_metCoord,   m_rsterPnt, m_metRand,
                                   m_metVul,    m_sizeRaster, m_lijnDikte};
    order.insert(order.end(), m_colourButtons.begin(), m_colourButtons.end());
    for (int k = 0; k < 4; ++k) order.push_back(printFactorButton(k));
    for (int t = 0; t <= Polygoon; ++t) order.push_back(toolButton(t));
    order.insert(order.end(),
                 {m_stippel, m_nHoek, m_text, m_fontButton, m_orientation, m_ok, m_cancel});
    for (std::size_t k = 1; k < order.size(); ++k) setTabOrder(order[k - 1], order[k]);
    OneTabStop(m_printFactors);
    OneTabStop(m_tools);
    m_metRaster->setFocus();
}

QWidget* CKenmerkenDlg::BuildFigureGroup() {
    auto* group = new QGroupBox(tr("Te tekenen figuur"), this);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(12);

    m_tools = new QButtonGroup(this);
    const QString toolCaptions[] = {tr("Lijn"),      tr("Ellips"),    tr("Cirkel"),
                                    tr("BoogKwart"), tr("Rechthoek"), tr("Veelhoek"),
                                    tr("Opvullen"),  tr("Tekst"),     tr("Kopieer"),
                                    tr("Selecteer"), tr("Polygoon")};
    // The text tool takes two rows: its text and Font, then the direction.
    const int rowOf[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11};
    for (int t = 0; t <= Polygoon; ++t) {
        auto* radio = new QRadioButton(toolCaptions[t], group);
        m_tools->addButton(radio, t);
        grid->addWidget(radio, rowOf[t], 0, Qt::AlignLeft);
    }
    if (QAbstractButton* checked = m_tools->button(m_values.tool)) checked->setChecked(true);

    const auto label = [group](const QString& text) { return new QLabel(text, group); };
    m_stippel = Check(tr("Gestippeld"), m_values.Stippel, group);
    grid->addWidget(m_stippel, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(label(tr("Met SHIFT altijd cirkel; via omsl. rechthoek")), 1, 1, 1, 2);
    grid->addWidget(label(tr("Middelpunt - cirkelpunt")), 2, 1, 1, 2);
    grid->addWidget(label(tr("Via omsluitende rechthoek")), 3, 1, 1, 2);
    grid->addWidget(label(tr("Met SHIFT altijd vierkant")), 4, 1, 1, 2);

    m_nHoek = NumberEdit(m_values.nHoek, 2, group);
    auto* corners = WithSpin(m_nHoek, KenmerkenField::nHoek, group);
    corners->addSpacing(6);
    QLabel* cornersLabel = label(tr("Gelijkzijdige n-hoek"));
    cornersLabel->setBuddy(m_nHoek);
    corners->addWidget(cornersLabel);
    corners->addStretch();
    grid->addLayout(corners, 5, 1, 1, 2);

    m_text = new QLineEdit(QString::fromStdString(Win1252ToUtf8(m_values.text)), group);
    m_text->setAccessibleName(tr("Tekst"));
    m_fontButton = new QPushButton(tr("Font"), group);
    connect(m_fontButton, &QPushButton::clicked, this, &CKenmerkenDlg::ChooseFont);
    grid->addWidget(m_text, 7, 1);
    grid->addWidget(m_fontButton, 7, 2);
    QLabel* orientationLabel = label(tr("Oriëntatie (0,90,180,270):"));
    grid->addWidget(orientationLabel, 8, 1);
    m_orientation = NumberEdit(m_values.orientation, 3, group);
    orientationLabel->setBuddy(m_orientation);
    grid->addWidget(m_orientation, 8, 2, Qt::AlignLeft);

    grid->addWidget(label(tr("Kopieer geselecteerde objecten")), 9, 1, 1, 2);
    grid->addWidget(label(tr("Eventueel met Ctrl en/of Shift")), 10, 1, 1, 2);
    grid->addWidget(label(tr("Willekeurige veelhoek")), 11, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* CKenmerkenDlg::swatch(Colour which) const { return m_swatches[Index(which)]; }

QAbstractButton* CKenmerkenDlg::toolButton(int figuurType) const {
    return m_tools->button(figuurType);
}

QAbstractButton* CKenmerkenDlg::printFactorButton(int index) const {
    return m_printFactors->button(index);
}

COLORREF& CKenmerkenDlg::ColourOf(Colour which) {
    switch (which) {
    case Colour::Achtergrond:
        return m_values.KleurAchtergrond;
    case Colour::Raster:
        return m_values.KleurRaster;
    case Colour::Rand:
        return m_values.KleurRand;
    case Colour::Vul:
        break;
    }
    return m_values.KleurVul;
}

void CKenmerkenDlg::ChooseColour(Colour which) {
    COLORREF& colour = ColourOf(which);
    const QColor chosen = QColorDialog::getColor(
        QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)), this, tr("Kleur"));
    if (!chosen.isValid()) return;
    colour = RGB(chosen.red(), chosen.green(), chosen.blue());
    m_swatches[Index(which)]->setColour(colour);
    m_colourButtons[Index(which)]->setAccessibleDescription(
        QString::fromStdString(ColourName(colour)));
}

void CKenmerkenDlg::ChooseFont() {
    // The record starts from the current font whatever the dialog answers;
    // the current font itself changes only on OK, and stays changed even
    // when this dialog is cancelled afterwards.
    m_values.font = m_currentFont;
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, QFontFromLogFont(m_values.font), this, tr("Lettertype"));
    if (!ok) return;
    m_values.font = LogFontFromQFont(chosen, m_values.font);
    m_currentFont = m_values.font;
    m_fontChosen = true;
}

void CKenmerkenDlg::accept() {
    // Read in the editor's order, so that the first wrong number is the one
    // reported.
    const KenmerkenNumberTexts numbers{
        m_sizeRaster->text().toStdString(), m_lijnDikte->text().toStdString(),
        m_nHoek->text().toStdString(), m_orientation->text().toStdString()};
    KenmerkenValues taken = m_values;
    if (const std::optional<KenmerkenField> wrong = TakeNumbers(numbers, taken)) {
        QLineEdit* const edits[] = {m_sizeRaster, m_lijnDikte, m_nHoek, m_orientation};
        IntegerField::Refuse(this, edits[static_cast<int>(*wrong)], RangeOf(*wrong));
        return;
    }
    taken.MetRand = Checked(m_metRand);
    taken.MetRaster = Checked(m_metRaster);
    taken.MetVul = Checked(m_metVul);
    taken.tool = m_tools->checkedId();
    taken.RsterPnt = Checked(m_rsterPnt);
    taken.Stippel = Checked(m_stippel);
    taken.text = Utf8ToWin1252(m_text->text().toStdString());
    taken.MetCoord = Checked(m_metCoord);
    taken.printFactorIndex = m_printFactors->checkedId();
    m_values = taken;
    QDialog::accept();
}

KenmerkenResult AskKenmerken(const CPluvoDoc& doc, QWidget* parent) {
    CKenmerkenDlg dialog(doc, ReadKenmerken(doc), parent);
    KenmerkenResult result;
    if (dialog.exec() == QDialog::Accepted) result.values = dialog.values();
    result.currentFont = dialog.chosenFont();
    return result;
}
