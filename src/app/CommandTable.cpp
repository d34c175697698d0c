#include "CommandTable.h"

#include "CMainFrame.h"

#include <QtGlobal>

#include <algorithm>
#include <array>

// The texts are Dutch as shown; QT_TRANSLATE_NOOP marks them for the
// translation, which the frame looks up (as CMainFrame::tr) when it builds
// the actions and menus.
namespace {

using C = CommandId;
using F = CMainFrame;
using U = UpdateRule;

// A colour-bar button sets the fill colour with a left click and the
// outline colour with a right click; its prompt and tooltip say both.
constexpr const char* kColourPrompt = QT_TRANSLATE_NOOP(
    "CMainFrame",
    "Zet vulkleur, ook voor geselecteerde objecten; de rechtermuisknop zet de randkleur");

CommandRow Colour(int index) {
    return {static_cast<CommandId>(static_cast<int>(C::FillColour1) + index),
            "",
            nullptr,
            kColourPrompt,
            QT_TRANSLATE_NOOP("CMainFrame", "Vulkleur (rechtermuisknop: randkleur)"),
            nullptr,
            &F::OnFillColour,
            U::Always,
            index};
}

// The same colour as outline colour: no button of its own.
CommandRow Outline(int index) {
    return {static_cast<CommandId>(static_cast<int>(C::OutlineColour1) + index),
            "",
            nullptr,
            QT_TRANSLATE_NOOP("CMainFrame", "Zet randkleur, ook voor geselecteerde objecten"),
            QT_TRANSLATE_NOOP("CMainFrame", "Randkleur"),
            nullptr,
            &F::OnOutlineColour,
            U::Always,
            index};
}

const std::array kRows = {
    // "&Bestand"
    CommandRow{C::New, QT_TRANSLATE_NOOP("CMainFrame", "&Nieuw\tCtrl+N"), "Ctrl+N",
               QT_TRANSLATE_NOOP("CMainFrame", "Open nieuw document"),
               QT_TRANSLATE_NOOP("CMainFrame", "Nieuw"), "document-new", &F::OnFileNew, U::Always,
               0},
    CommandRow{C::Open, QT_TRANSLATE_NOOP("CMainFrame", "&Open...\tCtrl+O"), "Ctrl+O",
               QT_TRANSLATE_NOOP("CMainFrame", "Open bestaand document"),
               QT_TRANSLATE_NOOP("CMainFrame", "Open"), "document-open", &F::OnFileOpen, U::Always,
               0},
    CommandRow{C::Save, QT_TRANSLATE_NOOP("CMainFrame", "&Op&slaan\tCtrl+S"), "Ctrl+S",
               QT_TRANSLATE_NOOP("CMainFrame", "Sla document opt"),
               QT_TRANSLATE_NOOP("CMainFrame", "Opslaan"), "document-save", &F::OnFileSave,
               U::Always, 0},
    CommandRow{C::SaveAs, QT_TRANSLATE_NOOP("CMainFrame", "Opslaan &als...\tF12"), "F12",
               QT_TRANSLATE_NOOP("CMainFrame", "Sla document op met nieuwe naam"),
               QT_TRANSLATE_NOOP("CMainFrame", "Opslaan als"), "document-save-as", &F::OnFileSaveAs,
               U::Always, 0},
    CommandRow{C::WriteText, QT_TRANSLATE_NOOP("CMainFrame", "Schrijf als &tekst..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Alle objecten als tekst naar tekstbestand"),
               nullptr, nullptr, &F::OnWriteText, U::Always, 0},
    CommandRow{C::ReadText, QT_TRANSLATE_NOOP("CMainFrame", "Lees a&ls tekst..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Alle objecten als tekst lezen uit tekstbestand"),
               nullptr, nullptr, &F::OnReadText, U::Always, 0},
    CommandRow{C::WriteSvg, QT_TRANSLATE_NOOP("CMainFrame", "S&chrijf SVG..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Schrijf Scaled Vector Graphics bestand"), nullptr,
               nullptr, &F::OnWriteSvg, U::Always, 0},
    CommandRow{C::Merge, QT_TRANSLATE_NOOP("CMainFrame", "&Voeg tekening toe..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Voeg een andere tekening toe aan deze tekening"),
               nullptr, nullptr, &F::OnMerge, U::Always, 0},
    CommandRow{C::Print, QT_TRANSLATE_NOOP("CMainFrame", "&Print...\tCtrl+P"), "Ctrl+P",
               QT_TRANSLATE_NOOP("CMainFrame", "Print het document"),
               QT_TRANSLATE_NOOP("CMainFrame", "Print"), "document-print", &F::OnPrint, U::Always,
               0},
    CommandRow{C::PrintPreview, QT_TRANSLATE_NOOP("CMainFrame", "A&fdrukvoorbeeld..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon afdrukvoorbeeld"),
               QT_TRANSLATE_NOOP("CMainFrame", "Afdrukvoorbeeld"), "document-print-preview",
               &F::OnPrintPreview, U::Always, 0},
    CommandRow{C::PrintSetup, QT_TRANSLATE_NOOP("CMainFrame", "P&rint Setup..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Wijzig printer en afdrukopties"),
               QT_TRANSLATE_NOOP("CMainFrame", "Printer Setup"), nullptr, &F::OnPrintSetup,
               U::Always, 0},
    // Greyed: it only stands in for an empty recent-file list.
    CommandRow{C::RecentFile, QT_TRANSLATE_NOOP("CMainFrame", "Recent File"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Open dit document"), nullptr, nullptr, nullptr,
               U::Unserved, 0},
    CommandRow{C::Exit, QT_TRANSLATE_NOOP("CMainFrame", "E&xit"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Programma beëindigen"),
               QT_TRANSLATE_NOOP("CMainFrame", "Exit"), "application-exit", &F::OnExit, U::Always,
               0},
    // "B&eeld"
    CommandRow{C::ToolBar, QT_TRANSLATE_NOOP("CMainFrame", "&Werkbalk"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon/verberg werkbalk"),
               QT_TRANSLATE_NOOP("CMainFrame", "Werkbalk"), nullptr, &F::OnToggleBar,
               U::ToolBarShown, 0},
    CommandRow{C::StatusBar, QT_TRANSLATE_NOOP("CMainFrame", "&Statusbalk"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon/verberg statusbalkr"),
               QT_TRANSLATE_NOOP("CMainFrame", "Statusbalk"), nullptr, &F::OnToggleBar,
               U::StatusBarShown, 0},
    CommandRow{C::ColourBar, QT_TRANSLATE_NOOP("CMainFrame", "&Kleurenbalk"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon/verberg kleurenbalk"),
               QT_TRANSLATE_NOOP("CMainFrame", "Kleurenbalk"), nullptr, &F::OnToggleBar,
               U::ColourBarShown, 0},
    CommandRow{C::ShowGrid, QT_TRANSLATE_NOOP("CMainFrame", "Toon &raster"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon raster"),
               QT_TRANSLATE_NOOP("CMainFrame", "Raster"), "grid", &F::OnEdit, U::ShowGrid, 0},
    CommandRow{C::ShowCoordinates, QT_TRANSLATE_NOOP("CMainFrame", "Toon &coördinaten"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon coördinaten"),
               QT_TRANSLATE_NOOP("CMainFrame", "Coördinaten"), "coordinates", &F::OnEdit,
               U::ShowCoordinates, 0},
    CommandRow{C::GridPoints, QT_TRANSLATE_NOOP("CMainFrame", "&Op roosterpunt"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Op roosterpunten werken"),
               QT_TRANSLATE_NOOP("CMainFrame", "Roosterpunt"), "gridpoints", &F::OnEdit,
               U::GridPoints, 0},
    CommandRow{C::Redraw, QT_TRANSLATE_NOOP("CMainFrame", "Alles opnieuw &tekenen"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken alle objecten opnieuw"),
               QT_TRANSLATE_NOOP("CMainFrame", "Verversen"), "view-refresh", &F::OnEdit, U::Always,
               0},
    CommandRow{C::ZoomIn, QT_TRANSLATE_NOOP("CMainFrame", "&Inzoomen\tCtrl++"),
               "Ctrl++; Ctrl+=", QT_TRANSLATE_NOOP("CMainFrame", "Toon de tekening groter"),
               QT_TRANSLATE_NOOP("CMainFrame", "Inzoomen"), nullptr, &F::OnZoom, U::Always, 0},
    CommandRow{C::ZoomOut, QT_TRANSLATE_NOOP("CMainFrame", "&Uitzoomen\tCtrl+-"), "Ctrl+-",
               QT_TRANSLATE_NOOP("CMainFrame", "Toon de tekening kleiner"),
               QT_TRANSLATE_NOOP("CMainFrame", "Uitzoomen"), nullptr, &F::OnZoom, U::Always, 0},
    CommandRow{C::ZoomActual, QT_TRANSLATE_NOOP("CMainFrame", "Ware &grootte"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon de tekening op 100 %"),
               QT_TRANSLATE_NOOP("CMainFrame", "Ware grootte"), nullptr, &F::OnZoom, U::Always, 0},
    CommandRow{C::ZoomFit, QT_TRANSLATE_NOOP("CMainFrame", "&Hele tekening"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon de hele tekening zo groot als past"),
               QT_TRANSLATE_NOOP("CMainFrame", "Hele tekening"), nullptr, &F::OnZoom, U::Always, 0},
    // "&Opties"
    CommandRow{C::Undo, QT_TRANSLATE_NOOP("CMainFrame", "&Undo\tAlt+Bksp"), "Alt+Backspace",
               QT_TRANSLATE_NOOP("CMainFrame", "Laatste bewerking ongedaan maken, indien mogelijk"),
               QT_TRANSLATE_NOOP("CMainFrame", "Undo"), "document-revert", &F::OnEdit, U::CanUndo,
               0},
    CommandRow{
        C::StepBack, QT_TRANSLATE_NOOP("CMainFrame", "Stap &terug\tCtrl+Z"), "Ctrl+Z",
        QT_TRANSLATE_NOOP("CMainFrame", "Maak de laatste wijziging van de tekening ongedaan"),
        QT_TRANSLATE_NOOP("CMainFrame", "Stap terug"), "edit-undo", &F::OnStep, U::CanStepBack, 0},
    CommandRow{C::StepForward, QT_TRANSLATE_NOOP("CMainFrame", "&Stap vooruit\tCtrl+Y"),
               "Ctrl+Y; Ctrl+Shift+Z",
               QT_TRANSLATE_NOOP("CMainFrame", "Breng de laatst teruggenomen wijziging terug"),
               QT_TRANSLATE_NOOP("CMainFrame", "Stap vooruit"), "edit-redo", &F::OnStep,
               U::CanStepForward, 0},
    CommandRow{C::Properties, QT_TRANSLATE_NOOP("CMainFrame", "&Kenmerken...\tCtrl+E"), "Ctrl+E",
               QT_TRANSLATE_NOOP("CMainFrame", "Geef kenmerken figuur, raster enz."),
               QT_TRANSLATE_NOOP("CMainFrame", "Kenmerken"), "properties", &F::OnProperties,
               U::Always, 0},
    CommandRow{C::Clipboard, QT_TRANSLATE_NOOP("CMainFrame", "&Naar klembord\tCtrl+C"), "Ctrl+C",
               QT_TRANSLATE_NOOP("CMainFrame", "Gehele veld naar klembord als bitmap"),
               QT_TRANSLATE_NOOP("CMainFrame", "Klembord"), "edit-copy", &F::OnClipboard, U::Always,
               0},
    CommandRow{C::WritePng, QT_TRANSLATE_NOOP("CMainFrame", "Gehele veld als png schrijven..."),
               nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Gehele veld als grafisch png-bestand schrijven"),
               QT_TRANSLATE_NOOP("CMainFrame", "PNG"), nullptr, &F::OnWritePng, U::Always, 0},
    CommandRow{C::ObjectList, QT_TRANSLATE_NOOP("CMainFrame", "&Objectenlijst...\tCtrl+F"),
               "Ctrl+F", QT_TRANSLATE_NOOP("CMainFrame", "Toon objecten"),
               QT_TRANSLATE_NOOP("CMainFrame", "Objecten"), "objects", &F::OnObjectList, U::Always,
               0},
    CommandRow{
        C::RemoveLast, QT_TRANSLATE_NOOP("CMainFrame", "&Laatste object verwijderen\tCtrl+BkSp"),
        "Ctrl+Backspace", QT_TRANSLATE_NOOP("CMainFrame", "Laatst geplaatst object verwijderen"),
        nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::Resize, QT_TRANSLATE_NOOP("CMainFrame", "Ver&groot...\tCtrl+Q"), "Ctrl+Q",
               QT_TRANSLATE_NOOP("CMainFrame", "Vergroot/verklein alle objecten"),
               QT_TRANSLATE_NOOP("CMainFrame", "Vergroot"), "resize", &F::OnResize, U::Always, 0},
    CommandRow{C::MoveLeft,
               QT_TRANSLATE_NOOP("CMainFrame", "Objecten naar l&inks\tCtrl+Pijl Links"),
               "Ctrl+Left",
               QT_TRANSLATE_NOOP("CMainFrame",
                                 "Verschuif alle of alleen geselecteerde objecten naar links"),
               nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::MoveRight,
               QT_TRANSLATE_NOOP("CMainFrame", "Objecten naar &rechts\tCtrl+Pijl Rechts"),
               "Ctrl+Right",
               QT_TRANSLATE_NOOP("CMainFrame",
                                 "Verschuif alle of alleen geselecteerde objecten naar rechts"),
               nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{
        C::MoveUp, QT_TRANSLATE_NOOP("CMainFrame", "Objecten om&hoog\tCtrl+Pijl Op"), "Ctrl+Up",
        QT_TRANSLATE_NOOP("CMainFrame", "Verschuif alle of alleen geselecteerde objecten omhoog"),
        nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{
        C::MoveDown, QT_TRANSLATE_NOOP("CMainFrame", "Objecten &omlaag\tCtrl+Pijl Neer"),
        "Ctrl+Down",
        QT_TRANSLATE_NOOP("CMainFrame", "Verschuif alle of alleen geselecteerde objecten omlaag"),
        nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::Rotate, QT_TRANSLATE_NOOP("CMainFrame", "&Draai 90 graden rechtsom\tCtrl+R"),
               "Ctrl+R", QT_TRANSLATE_NOOP("CMainFrame", "Draai alle figuren 90 graden rechtsom"),
               nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::SelectAll, QT_TRANSLATE_NOOP("CMainFrame", "Selecteer &alle objecten\tCtrl+A"),
               "Ctrl+A", QT_TRANSLATE_NOOP("CMainFrame", "Selecteer alle objecten"), nullptr,
               nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::SelectNone,
               QT_TRANSLATE_NOOP("CMainFrame", "Selecteer geen &enkel object\tCtrl+0"), "Ctrl+0",
               QT_TRANSLATE_NOOP("CMainFrame", "Selecteer geen enkel object"), nullptr, nullptr,
               &F::OnEdit, U::Always, 0},
    CommandRow{C::RemoveSelected, QT_TRANSLATE_NOOP("CMainFrame", "&Verwijder\tAlt+Delete"),
               "Alt+Del", QT_TRANSLATE_NOOP("CMainFrame", "Verwijder geselecteerde objecten"),
               nullptr, nullptr, &F::OnEdit, U::Always, 0},
    // "Be&werken": the clipboard's figures and their order.
    CommandRow{C::Cut, QT_TRANSLATE_NOOP("CMainFrame", "K&nippen\tCtrl+X"), "Ctrl+X",
               QT_TRANSLATE_NOOP("CMainFrame", "Knip de geselecteerde objecten naar het klembord"),
               QT_TRANSLATE_NOOP("CMainFrame", "Knippen"), "edit-cut", &F::OnCut, U::HasSelection,
               0},
    CommandRow{
        C::Paste, QT_TRANSLATE_NOOP("CMainFrame", "&Plakken\tCtrl+V"), "Ctrl+V",
        QT_TRANSLATE_NOOP("CMainFrame", "Plak objecten van het klembord; een klik zet ze neer"),
        QT_TRANSLATE_NOOP("CMainFrame", "Plakken"), "edit-paste", &F::OnPaste, U::CanPaste, 0},
    CommandRow{C::ToFront, QT_TRANSLATE_NOOP("CMainFrame", "Naar &voren\tCtrl+Shift+Pijl Op"),
               "Ctrl+Shift+Up",
               QT_TRANSLATE_NOOP("CMainFrame", "Zet de geselecteerde objecten voor alle andere"),
               QT_TRANSLATE_NOOP("CMainFrame", "Naar voren"), nullptr, &F::OnEdit, U::HasSelection,
               0},
    CommandRow{C::ToBack, QT_TRANSLATE_NOOP("CMainFrame", "Naar &achteren\tCtrl+Shift+Pijl Neer"),
               "Ctrl+Shift+Down",
               QT_TRANSLATE_NOOP("CMainFrame", "Zet de geselecteerde objecten achter alle andere"),
               QT_TRANSLATE_NOOP("CMainFrame", "Naar achteren"), nullptr, &F::OnEdit,
               U::HasSelection, 0},
    // "&Vorm"
    CommandRow{C::ToolLijn, QT_TRANSLATE_NOOP("CMainFrame", "&Lijn"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een lijn"),
               QT_TRANSLATE_NOOP("CMainFrame", "Lijn"), nullptr, &F::OnTool, U::Tool, Lijn},
    CommandRow{C::ToolEllips, QT_TRANSLATE_NOOP("CMainFrame", "&Ellips"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een ellips, met SHIFT een cirkel"),
               QT_TRANSLATE_NOOP("CMainFrame", "Ellips"), nullptr, &F::OnTool, U::Tool, Ellips},
    CommandRow{C::ToolCirkel, QT_TRANSLATE_NOOP("CMainFrame", "&Cirkel"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een cirkel vanuit middelpunt en straal"),
               QT_TRANSLATE_NOOP("CMainFrame", "Cirkel"), nullptr, &F::OnTool, U::Tool, Cirkel},
    CommandRow{C::ToolBoogkwart, QT_TRANSLATE_NOOP("CMainFrame", "&BoogKwart"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een kwart boog"),
               QT_TRANSLATE_NOOP("CMainFrame", "BoogKwart"), nullptr, &F::OnTool, U::Tool,
               Boogkwart},
    CommandRow{C::ToolRechthoek, QT_TRANSLATE_NOOP("CMainFrame", "&Rechthoek"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een rechthoek, met SHIFT een vierkant"),
               QT_TRANSLATE_NOOP("CMainFrame", "Rechthoek"), nullptr, &F::OnTool, U::Tool,
               Rechthoek},
    CommandRow{C::ToolVeelhoek, QT_TRANSLATE_NOOP("CMainFrame", "&Veelhoek"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een regelmatige veelhoek"),
               QT_TRANSLATE_NOOP("CMainFrame", "Veelhoek"), nullptr, &F::OnTool, U::Tool, Veelhoek},
    CommandRow{C::ToolOpvullen, QT_TRANSLATE_NOOP("CMainFrame", "&Opvullen"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Vul ruimte begrensd door Kleur Rand met Kleur Vul"),
               QT_TRANSLATE_NOOP("CMainFrame", "Opvullen"), nullptr, &F::OnTool, U::Tool, Opvullen},
    CommandRow{C::ToolTekst, QT_TRANSLATE_NOOP("CMainFrame", "&Tekst"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Zet tekst"),
               QT_TRANSLATE_NOOP("CMainFrame", "Tekst"), nullptr, &F::OnTool, U::Tool, Tekst},
    CommandRow{C::ToolKopieer, QT_TRANSLATE_NOOP("CMainFrame", "&Kopie"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een kopie van de geselecteerde objecten"),
               QT_TRANSLATE_NOOP("CMainFrame", "Kopie"), nullptr, &F::OnTool, U::Tool, Kopieer},
    CommandRow{C::ToolSelecteer, QT_TRANSLATE_NOOP("CMainFrame", "&Selecteer"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Selecteer door objecten te omsluiten"),
               QT_TRANSLATE_NOOP("CMainFrame", "Selecteer"), nullptr, &F::OnTool, U::Tool,
               Selecteer},
    CommandRow{C::ToolPolygoon, QT_TRANSLATE_NOOP("CMainFrame", "&Polygoon"), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Teken een willekeurige veelhoek"),
               QT_TRANSLATE_NOOP("CMainFrame", "Polygoon"), nullptr, &F::OnTool, U::Tool, Polygoon},
    CommandRow{
        C::Thicker, QT_TRANSLATE_NOOP("CMainFrame", "&Dikker"), nullptr,
        QT_TRANSLATE_NOOP("CMainFrame", "Alle of alleen geselecteerde randen een pixel dikker"),
        QT_TRANSLATE_NOOP("CMainFrame", "Dikker"), "thicker", &F::OnEdit, U::Always, 0},
    CommandRow{
        C::Thinner, QT_TRANSLATE_NOOP("CMainFrame", "D&unner"), nullptr,
        QT_TRANSLATE_NOOP("CMainFrame", "Alle of alleen geselecteerde randen een pixel dunner"),
        QT_TRANSLATE_NOOP("CMainFrame", "Dunner"), "thinner", &F::OnEdit, U::Always, 0},
    CommandRow{
        C::FillToggle, QT_TRANSLATE_NOOP("CMainFrame", "Vul &ja/nee"), nullptr,
        QT_TRANSLATE_NOOP("CMainFrame", "Vullingen alle of alleen geselecteerde zetten/weghalen"),
        QT_TRANSLATE_NOOP("CMainFrame", "Vul"), "fill", &F::OnEdit, U::Always, 0},
    // "&Hulp"
    CommandRow{C::About, QT_TRANSLATE_NOOP("CMainFrame", "&Over Pluvo..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Toon programma-informatie en versie"),
               QT_TRANSLATE_NOOP("CMainFrame", "Over"), "help-about", &F::OnAbout, U::Always, 0},
    // Pluvo on the desktop.
    CommandRow{C::WritePdf, QT_TRANSLATE_NOOP("CMainFrame", "Schrijf P&DF..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Schrijf de tekening als PDF-bestand"), nullptr,
               nullptr, &F::OnWritePdf, U::Always, 0},
    CommandRow{C::Language, QT_TRANSLATE_NOOP("CMainFrame", "Taa&l / Language..."), nullptr,
               QT_TRANSLATE_NOOP("CMainFrame", "Kies de taal van Pluvo / Choose Pluvo's language"),
               nullptr, nullptr, &F::OnLanguage, U::Always, 0},
    CommandRow{C::Manual, QT_TRANSLATE_NOOP("CMainFrame", "&Handleiding\tF1"), "F1",
               QT_TRANSLATE_NOOP("CMainFrame", "Open de handleiding in de browser"), nullptr,
               "help-contents", &F::OnManual, U::Always, 0},
    // Toolbar buttons without a command of their own.
    CommandRow{C::TextEditPlaceholder, "", nullptr, QT_TRANSLATE_NOOP("CMainFrame", "Plaatsmaker"),
               nullptr, nullptr, nullptr, U::Unserved, 0},
    CommandRow{C::ToolListPlaceholder, "", nullptr, "", nullptr, nullptr, nullptr, U::Unserved, 0},
    CommandRow{C::Unserved, "", nullptr, "", nullptr, "unserved", nullptr, U::Unserved, 0},
    CommandRow{C::ColourSwatchPlaceholder, "", nullptr, "", nullptr, nullptr, nullptr, U::Unserved,
               0},
    // The colour bar.
    Colour(0),
    Colour(1),
    Colour(2),
    Colour(3),
    Colour(4),
    Colour(5),
    Colour(6),
    Colour(7),
    Colour(8),
    Colour(9),
    Colour(10),
    Colour(11),
    Colour(12),
    Colour(13),
    Colour(14),
    Outline(0),
    Outline(1),
    Outline(2),
    Outline(3),
    Outline(4),
    Outline(5),
    Outline(6),
    Outline(7),
    Outline(8),
    Outline(9),
    Outline(10),
    Outline(11),
    Outline(12),
    Outline(13),
    Outline(14),
};

constexpr CommandId S = Separator;

constexpr std::array kFileMenu = {
    C::New,      C::Open,  C::Save,         C::SaveAs,     S, C::WriteText,
    C::ReadText, S,        C::WriteSvg,     C::WritePdf,   S, C::Merge,
    S,           C::Print, C::PrintPreview, C::PrintSetup, S, RecentFileSlot,
    S,           C::Exit,
};
// In the order desktop users know: the history, the clipboard, the
// selection, the order of the figures.
constexpr std::array kEditMenu = {
    C::StepBack,   C::StepForward,    S, C::Cut,     C::Clipboard, C::Paste, S, C::SelectAll,
    C::SelectNone, C::RemoveSelected, S, C::ToFront, C::ToBack,
};
// "&Kopiëren" is "&Naar klembord"; the selection commands' own access keys
// are taken here by the order commands.
constexpr std::array kEditCaptions = {
    MenuCaption{C::Clipboard, QT_TRANSLATE_NOOP("CMainFrame", "&Kopiëren\tCtrl+C")},
    MenuCaption{C::SelectAll, QT_TRANSLATE_NOOP("CMainFrame", "Selecteer a&lle objecten\tCtrl+A")},
    MenuCaption{C::RemoveSelected, QT_TRANSLATE_NOOP("CMainFrame", "Verwij&der\tAlt+Delete")},
};
constexpr std::array kViewMenu = {
    C::ToolBar,         C::StatusBar,  C::ColourBar, S, C::ShowGrid,
    C::ShowCoordinates, C::GridPoints, C::Redraw,    S, C::ZoomIn,
    C::ZoomOut,         C::ZoomActual, C::ZoomFit,   S, C::Language,
};
constexpr std::array kOptionsMenu = {
    C::Undo,
    C::StepBack,
    C::StepForward,
    S,
    C::Properties,
    C::Clipboard,
    C::WritePng,
    C::ObjectList,
    C::RemoveLast,
    S,
    C::Resize,
    S,
    C::MoveLeft,
    C::MoveRight,
    C::MoveUp,
    C::MoveDown,
    S,
    C::Rotate,
    S,
    C::SelectAll,
    C::SelectNone,
    S,
    C::RemoveSelected,
};
constexpr std::array kShapeMenu = {
    C::ToolLijn,      C::ToolEllips,    C::ToolCirkel,   C::ToolBoogkwart,
    C::ToolRechthoek, C::ToolVeelhoek,  C::ToolOpvullen, C::ToolTekst,
    C::ToolKopieer,   C::ToolSelecteer, C::ToolPolygoon, S,
    C::Thicker,       C::Thinner,       C::FillToggle,
};
constexpr std::array kHelpMenu = {C::Manual, C::About};

const std::array kMenus = {
    MenuLayout{QT_TRANSLATE_NOOP("CMainFrame", "&Bestand"), kFileMenu},
    MenuLayout{QT_TRANSLATE_NOOP("CMainFrame", "Be&werken"), kEditMenu, kEditCaptions},
    MenuLayout{QT_TRANSLATE_NOOP("CMainFrame", "B&eeld"), kViewMenu},
    MenuLayout{QT_TRANSLATE_NOOP("CMainFrame", "&Opties"), kOptionsMenu},
    MenuLayout{QT_TRANSLATE_NOOP("CMainFrame", "&Vorm"), kShapeMenu},
    MenuLayout{QT_TRANSLATE_NOOP("CMainFrame", "&Hulp"), kHelpMenu},
};

constexpr std::array kMainToolBar = {
    C::New,
    C::Open,
    C::Save,
    S,
    C::Clipboard,
    S,
    C::Print,
    S,
    C::Undo,
    C::StepBack,
    C::StepForward,
    S,
    C::Resize,
    C::Properties,
    C::ObjectList,
    S,
    C::Redraw,
    C::ShowGrid,
    C::ShowCoordinates,
    C::GridPoints,
    S,
    C::Thicker,
    C::Thinner,
    C::FillToggle,
    C::ColourSwatchPlaceholder,
    S,
    C::TextEditPlaceholder,
    S,
    C::ToolListPlaceholder,
    S,
    C::About,
    C::Unserved,
};

const std::array<CommandId, 15> kColourBar = [] {
    std::array<CommandId, 15> ids{};
    for (int i = 0; i < 15; ++i)
        ids[static_cast<std::size_t>(i)] =
            static_cast<CommandId>(static_cast<int>(C::FillColour1) + i);
    return ids;
}();

} // namespace

std::span<const CommandRow> CommandRows() { return kRows; }

const CommandRow* FindCommand(CommandId id) {
    const auto it = std::find_if(kRows.begin(), kRows.end(),
                                 [id](const CommandRow& row) { return row.id == id; });
    return it == kRows.end() ? nullptr : &*it;
}

std::span<const MenuLayout> MainMenus() { return kMenus; }
std::span<const CommandId> MainToolBar() { return kMainToolBar; }
std::span<const CommandId> ColourBar() { return kColourBar; }
