// The editor's command numbers. Menus, toolbars, shortcuts and the command
// layer all name a command by its number.
#pragma once

#include <cstdint>

enum class CommandId : std::int32_t {
    // "&Bestand"
    New = 57600,
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    WriteText = 32842,
    ReadText = 32843,
    WriteSvg = 32844,
    Merge = 32846,
    Print = 57607,
    PrintPreview = 57609,
    PrintSetup = 57606,
    RecentFile = 57616,
    Exit = 57665,
    // "B&eeld"
    ToolBar = 59392,
    StatusBar = 59393,
    ColourBar = 32820,
    ShowGrid = 32824,
    ShowCoordinates = 32830,
    GridPoints = 32831,
    Redraw = 32834,
    // "&Opties"
    Undo = 32839,
    Properties = 32772,
    Clipboard = 32773,
    WritePng = 32851,
    ObjectList = 32774,
    RemoveLast = 32777,
    Resize = 32838,
    MoveLeft = 32778,
    MoveRight = 32779,
    MoveUp = 32780,
    MoveDown = 32781,
    Rotate = 32782,
    SelectAll = 32821,
    SelectNone = 32822,
    RemoveSelected = 32837,
    // "&Vorm": the tools
    ToolLijn = 32791,
    ToolEllips = 32792,
    ToolCirkel = 32793,
    ToolBoogkwart = 32832,
    ToolRechthoek = 32794,
    ToolVeelhoek = 32803,
    ToolOpvullen = 32795,
    ToolTekst = 32796,
    ToolKopieer = 32797,
    ToolSelecteer = 32833,
    ToolPolygoon = 32850,
    Thicker = 32800,
    Thinner = 32801,
    FillToggle = 32802,
    // The fifteen fill colours of the colour bar: FillColour1 .. FillColour1 + 14.
    FillColour1 = 32805,
    // "&Hulp"
    About = 57664,
    // The main toolbar's placeholders for the text edit and the tool list,
    // and its last button, which no command serves.
    TextEditPlaceholder = 32823,
    ToolListPlaceholder = 32828,
    Unserved = 32848,
    // Pluvo on the desktop: the PDF export ("&Bestand"), the language
    // ("B&eeld") and the user guide ("&Hulp").
    WritePdf = 32860,
    Language = 32861,
    Manual = 32862,
    // The zoom ("B&eeld").
    ZoomIn = 32863,
    ZoomOut = 32864,
    ZoomActual = 32865,
    ZoomFit = 32866,
    // The history of changes ("&Opties").
    StepBack = 32867,
    StepForward = 32868,
    // Figures in hand ("Be&werken"): through the clipboard, and to the front
    // or back of the figure list.
    Cut = 32869,
    Paste = 32870,
    ToFront = 32871,
    ToBack = 32872,
    // The main toolbar's swatch of the next figure's outline and fill colours.
    ColourSwatchPlaceholder = 32873,
    // The colour bar's fifteen colours as outline colours (a right click):
    // OutlineColour1 .. OutlineColour1 + 14.
    OutlineColour1 = 32874,
};
