#include "CommandTable.h"

#include "CMainFrame.h"

#include <algorithm>
#include <array>

namespace {

using C = CommandId;
using F = CMainFrame;
using U = UpdateRule;

constexpr const char* kColourPrompt = "Zet vulkleur, ook voor geselecteerde objecten";

CommandRow Colour(int index) {
    return {static_cast<CommandId>(static_cast<int>(C::FillColour1) + index),
            "",
            nullptr,
            kColourPrompt,
            "Vulkleur",
            nullptr,
            &F::OnFillColour,
            U::Always,
            index};
}

const std::array kRows = {
    // "&Bestand"
    CommandRow{C::New, "&Nieuw\tCtrl+N", "Ctrl+N", "Open nieuw document", "Nieuw", "document-new",
               &F::OnFileNew, U::Always, 0},
    CommandRow{C::Open, "&Open...\tCtrl+O", "Ctrl+O", "Open bestaand document", "Open",
               "document-open", &F::OnFileOpen, U::Always, 0},
    CommandRow{C::Save, "&Op&slaan\tCtrl+S", "Ctrl+S", "Sla document opt", "Opslaan",
               "document-save", &F::OnFileSave, U::Always, 0},
    CommandRow{C::SaveAs, "Opslaan &als...\tF12", "F12", "Sla document op met nieuwe naam",
               "Opslaan als", "document-save-as", &F::OnFileSaveAs, U::Always, 0},
    CommandRow{C::WriteText, "Schrijf als &tekst...", nullptr,
               "Alle objecten als tekst naar tekstbestand", nullptr, nullptr, &F::OnWriteText,
               U::Always, 0},
    CommandRow{C::ReadText, "Lees a&ls tekst...", nullptr,
               "Alle objecten als tekst lezen uit tekstbestand", nullptr, nullptr, &F::OnReadText,
               U::Always, 0},
    CommandRow{C::WriteSvg, "S&chrijf SVG...", nullptr, "Schrijf Scaled Vector Graphics bestand",
               nullptr, nullptr, &F::OnWriteSvg, U::Always, 0},
    CommandRow{C::Merge, "&Voeg tekening toe...", nullptr,
               "Voeg een andere tekening toe aan deze tekening", nullptr, nullptr, &F::OnMerge,
               U::Always, 0},
    CommandRow{C::Print, "&Print...\tCtrl+P", "Ctrl+P", "Print het document", "Print",
               "document-print", &F::OnPrint, U::Always, 0},
    CommandRow{C::PrintPreview, "A&fdrukvoorbeeld...", nullptr, "Toon afdrukvoorbeeld",
               "Afdrukvoorbeeld", "document-print-preview", &F::OnPrintPreview, U::Always, 0},
    CommandRow{C::PrintSetup, "P&rint Setup...", nullptr, "Wijzig printer en afdrukopties",
               "Printer Setup", nullptr, &F::OnPrintSetup, U::Always, 0},
    // Greyed: it only stands in for an empty recent-file list.
    CommandRow{C::RecentFile, "Recent File", nullptr, "Open dit document", nullptr, nullptr,
               nullptr, U::Unserved, 0},
    CommandRow{C::Exit, "E&xit", nullptr, "Programma beëindigen", "Exit", "application-exit",
               &F::OnExit, U::Always, 0},
    // "B&eeld"
    CommandRow{C::ToolBar, "&Werkbalk", nullptr, "Toon/verberg werkbalk", "Werkbalk", nullptr,
               &F::OnToggleBar, U::ToolBarShown, 0},
    CommandRow{C::StatusBar, "&Statusbalk", nullptr, "Toon/verberg statusbalkr", "Statusbalk",
               nullptr, &F::OnToggleBar, U::StatusBarShown, 0},
    CommandRow{C::ColourBar, "&Kleurenbalk", nullptr, "Toon/verberg kleurenbalk", "Kleurenbalk",
               nullptr, &F::OnToggleBar, U::ColourBarShown, 0},
    CommandRow{C::ShowGrid, "Toon &raster", nullptr, "Toon raster", "Raster", "grid", &F::OnEdit,
               U::ShowGrid, 0},
    CommandRow{C::ShowCoordinates, "Toon &coördinaten", nullptr, "Toon coördinaten", "Coördinaten",
               "coordinates", &F::OnEdit, U::ShowCoordinates, 0},
    CommandRow{C::GridPoints, "&Op roosterpunt", nullptr, "Op roosterpunten werken", "Roosterpunt",
               "gridpoints", &F::OnEdit, U::GridPoints, 0},
    CommandRow{C::Redraw, "Alles opnieuw &tekenen", nullptr, "Teken alle objecten opnieuw",
               "Verversen", "view-refresh", &F::OnEdit, U::Always, 0},
    // "&Opties"
    CommandRow{C::Undo, "&Undo\tAlt+Bksp", "Alt+Backspace",
               "Laatste bewerking ongedaan maken, indien mogelijk", "Undo", "edit-undo", &F::OnEdit,
               U::CanUndo, 0},
    CommandRow{C::Properties, "&Kenmerken...\tCtrl+E", "Ctrl+E",
               "Geef kenmerken figuur, raster enz.", "Kenmerken", "properties", &F::OnProperties,
               U::Always, 0},
    CommandRow{C::Clipboard, "&Naar klembord\tCtrl+C", "Ctrl+C",
               "Gehele veld naar klembord als bitmap", "Klembord", "edit-copy", &F::OnClipboard,
               U::Always, 0},
    CommandRow{C::WritePng, "Gehele veld als png schrijven...", nullptr,
               "Gehele veld als grafisch png-bestand schrijven", "PNG", nullptr, &F::OnWritePng,
               U::Always, 0},
    CommandRow{C::ObjectList, "&Objectenlijst...\tCtrl+F", "Ctrl+F", "Toon objecten", "Objecten",
               "objects", &F::OnObjectList, U::Always, 0},
    CommandRow{C::RemoveLast, "&Laatste object verwijderen\tCtrl+BkSp", "Ctrl+Backspace",
               "Laatst geplaatst object verwijderen", nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::Resize, "Ver&groot...\tCtrl+Q", "Ctrl+Q", "Vergroot/verklein alle objecten",
               "Vergroot", "resize", &F::OnResize, U::Always, 0},
    CommandRow{C::MoveLeft, "Objecten naar l&inks\tCtrl+Pijl Links", "Ctrl+Left",
               "Verschuif alle of alleen geselecteerde objecten naar links", nullptr, nullptr,
               &F::OnEdit, U::Always, 0},
    CommandRow{C::MoveRight, "Objecten naar &rechts\tCtrl+Pijl Rechts", "Ctrl+Right",
               "Verschuif alle of alleen geselecteerde objecten naar rechts", nullptr, nullptr,
               &F::OnEdit, U::Always, 0},
    CommandRow{C::MoveUp, "Objecten om&hoog\tCtrl+Pijl Op", "Ctrl+Up",
               "Verschuif alle of alleen geselecteerde objecten omhoog", nullptr, nullptr,
               &F::OnEdit, U::Always, 0},
    CommandRow{C::MoveDown, "Objecten &omlaag\tCtrl+Pijl Neer", "Ctrl+Down",
               "Verschuif alle of alleen geselecteerde objecten omlaag", nullptr, nullptr,
               &F::OnEdit, U::Always, 0},
    CommandRow{C::Rotate, "&Draai 90 graden rechtsom\tCtrl+R", "Ctrl+R",
               "Draai alle figuren 90 graden rechtsom", nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::SelectAll, "Selecteer &alle objecten\tCtrl+A", "Ctrl+A",
               "Selecteer alle objecten", nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::SelectNone, "Selecteer geen &enkel object\tCtrl+0", "Ctrl+0",
               "Selecteer geen enkel object", nullptr, nullptr, &F::OnEdit, U::Always, 0},
    CommandRow{C::RemoveSelected, "&Verwijder\tAlt+Delete", "Alt+Del",
               "Verwijder geselecteerde objecten", nullptr, nullptr, &F::OnEdit, U::Always, 0},
    // "&Vorm"
    CommandRow{C::ToolLijn, "&Lijn", nullptr, "Teken een lijn", "Lijn", nullptr, &F::OnTool,
               U::Tool, Lijn},
    CommandRow{C::ToolEllips, "&Ellips", nullptr, "Teken een ellips, met SHIFT een cirkel",
               "Ellips", nullptr, &F::OnTool, U::Tool, Ellips},
    CommandRow{C::ToolCirkel, "&Cirkel", nullptr, "Teken een cirkel vanuit middelpunt en straal",
               "Cirkel", nullptr, &F::OnTool, U::Tool, Cirkel},
    CommandRow{C::ToolBoogkwart, "&BoogKwart", nullptr, "Teken een kwart boog", "BoogKwart",
               nullptr, &F::OnTool, U::Tool, Boogkwart},
    CommandRow{C::ToolRechthoek, "&Rechthoek", nullptr,
               "Teken een rechthoek, met SHIFT een vierkant", "Rechthoek", nullptr, &F::OnTool,
               U::Tool, Rechthoek},
    CommandRow{C::ToolVeelhoek, "&Veelhoek", nullptr, "Teken een regelmatige veelhoek", "Veelhoek",
               nullptr, &F::OnTool, U::Tool, Veelhoek},
    CommandRow{C::ToolOpvullen, "&Opvullen", nullptr,
               "Vul ruimte begrensd door Kleur Rand met Kleur Vul", "Opvullen", nullptr, &F::OnTool,
               U::Tool, Opvullen},
    CommandRow{C::ToolTekst, "&Tekst", nullptr, "Zet tekst", "Tekst", nullptr, &F::OnTool, U::Tool,
               Tekst},
    CommandRow{C::ToolKopieer, "&Kopie", nullptr, "Teken een kopie van de geselecteerde objecten",
               "Kopie", nullptr, &F::OnTool, U::Tool, Kopieer},
    CommandRow{C::ToolSelecteer, "&Selecteer", nullptr, "Selecteer door objecten te omsluiten",
               "Selecteer", nullptr, &F::OnTool, U::Tool, Selecteer},
    CommandRow{C::ToolPolygoon, "&Polygoon", nullptr, "Teken een willekeurige veelhoek", "Polygoon",
               nullptr, &F::OnTool, U::Tool, Polygoon},
    CommandRow{C::Thicker, "&Dikker", nullptr,
               "Alle of alleen geselecteerde randen een pixel dikker", "Dikker", "thicker",
               &F::OnEdit, U::Always, 0},
    CommandRow{C::Thinner, "D&unner", nullptr,
               "Alle of alleen geselecteerde randen een pixel dunner", "Dunner", "thinner",
               &F::OnEdit, U::Always, 0},
    CommandRow{C::FillToggle, "Vul &ja/nee", nullptr,
               "Vullingen alle of alleen geselecteerde zetten/weghalen", "Vul", "fill", &F::OnEdit,
               U::Always, 0},
    // "&Hulp"
    CommandRow{C::About, "&Over Pluvo...", nullptr, "Toon programma-informatie en versie", "Over",
               "help-about", &F::OnAbout, U::Always, 0},
    // Toolbar buttons without a command of their own.
    CommandRow{C::TextEditPlaceholder, "", nullptr, "Plaatsmaker", nullptr, nullptr, nullptr,
               U::Unserved, 0},
    CommandRow{C::ToolListPlaceholder, "", nullptr, "", nullptr, nullptr, nullptr, U::Unserved, 0},
    CommandRow{C::Unserved, "", nullptr, "", nullptr, "unserved", nullptr, U::Unserved, 0},
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
};

constexpr CommandId S = Separator;

constexpr std::array kFileMenu = {
    C::New,         C::Open, C::Save,  C::SaveAs, S,        C::WriteText,    C::ReadText,   S,
    C::WriteSvg,    S,       C::Merge, S,         C::Print, C::PrintPreview, C::PrintSetup, S,
    RecentFileSlot, S,       C::Exit,
};
constexpr std::array kViewMenu = {
    C::ToolBar,  C::StatusBar,       C::ColourBar,  S,
    C::ShowGrid, C::ShowCoordinates, C::GridPoints, C::Redraw,
};
constexpr std::array kOptionsMenu = {
    C::Undo,
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
constexpr std::array kHelpMenu = {C::About};

const std::array kMenus = {
    MenuLayout{"&Bestand", kFileMenu},   MenuLayout{"B&eeld", kViewMenu},
    MenuLayout{"&Opties", kOptionsMenu}, MenuLayout{"&Vorm", kShapeMenu},
    MenuLayout{"&Hulp", kHelpMenu},
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
