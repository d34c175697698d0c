// The main window: menus, the main toolbar with its text edit and tool list,
// the colour bar, the status bar and the canvas, all built from the command
// table; the handlers of the commands, one file per menu.
#pragma once

#include "CommandTable.h"
#include "Prompts.h"
#include "RecentFileList.h"
#include "interaction/EditCommands.h"
#include "interaction/Gesture.h"
#include "model/DrawingFile.h"
#include "model/FileIo.h"

#include <QMainWindow>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class CPluvoDoc;
class CPluvoView;
class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QSettings;
class QToolBar;

class CMainFrame : public QMainWindow, private GestureStatus {
    Q_OBJECT
public:
    explicit CMainFrame(CPluvoDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Runs a command as its menu item would, then refreshes every check
    // mark and enabled state and gives the canvas the keyboard focus.
    void Run(CommandId id);
    QAction* Action(CommandId id) const;
    CPluvoView* View() const { return m_view; }
    QComboBox* ToolList() const { return m_toolList; }
    QLineEdit* TextEdit() const { return m_textEdit; }
    // The toolbar's swatch of the next figure's outline and fill colours.
    QLabel* ColourSwatch() const { return m_swatch; }
    QToolBar* MainBar() const { return m_mainBar; }
    QToolBar* ColourBarWidget() const { return m_colourBar; }
    QLabel* Pane(int index) const;
    // The status pane with the zoom step.
    QLabel* ZoomPane() const { return m_zoomPane; }
    const RecentFileList& RecentFiles() const { return m_recent; }

    // Opens a drawing as Open does once the name is chosen, with the save
    // prompt first. False when the file could not be read (the reason was
    // shown) or the user cancelled.
    bool OpenFile(const QString& path);
    // What follows reading a drawing: the document takes its place (or the
    // new drawing's, for a rejected file, whose messages show), the file
    // joins the recent-file list, and the recovery copies of windows that
    // died are offered.
    void ShowOpenResult(const QString& path, OpenResult&& result);
    // The check marks and enabled states, read from the drawing and the
    // window. (The lock indicators follow the lock keys and the window's
    // activation instead: asking the X server costs a round trip.)
    void RefreshCommandStates();
    // The title of the window: the file's name, " - ", "Pluvo", and "*"
    // while the drawing has unsaved changes.
    void RebuildTitle();
    // Every change to the drawing goes this way.
    EditRoad& Road() { return m_road; }
    // What New and Open do after the drawing was refilled: the toolbar
    // controls and the canvas start again from the drawing.
    void InitialUpdate();
    // The save prompt for a modified drawing: true when the command may go
    // on (saved, or the changes given up), false on Cancel or a failed save.
    bool SaveModified();

    // --- Command handlers (CommandTable rows) ------------------------------
    void OnFileNew(CommandId);
    void OnFileOpen(CommandId);
    void OnFileSave(CommandId);
    void OnFileSaveAs(CommandId);
    void OnWriteText(CommandId);
    void OnReadText(CommandId);
    void OnWriteSvg(CommandId);
    void OnMerge(CommandId);
    void OnPrint(CommandId);
    void OnPrintPreview(CommandId);
    void OnPrintSetup(CommandId);
    void OnExit(CommandId);
    void OnToggleBar(CommandId id);
    void OnEdit(CommandId id);
    // Ctrl+Z and Ctrl+Y: a step through the history of changes, after the
    // gesture in progress is cancelled.
    void OnStep(CommandId id);
    void OnProperties(CommandId);
    void OnObjectList(CommandId);
    void OnResize(CommandId);
    void OnClipboard(CommandId);
    void OnWritePng(CommandId);
    void OnTool(CommandId id);
    void OnFillColour(CommandId id);
    // A right click on a colour-bar button.
    void OnOutlineColour(CommandId id);
    // The figures through the clipboard ("Be&werken", CMainFrame_Edit.cpp):
    // Ctrl+X puts the selected figures there and removes them as one step,
    // Ctrl+V hands the figures on it to the canvas, to follow the pointer.
    void OnCut(CommandId id);
    void OnPaste(CommandId);
    void OnAbout(CommandId);
    // Pluvo on the desktop (CMainFrame_Desktop.cpp): PDF, language, guide.
    void OnWritePdf(CommandId);
    void OnLanguage(CommandId);
    void OnManual(CommandId);
    // The zoom steps (CMainFrame_State.cpp).
    void OnZoom(CommandId id);
    // The folder of the drawing's file; empty for an unnamed drawing.
    QString DrawingFolder() const;

    // Sets the tool and moves the tool list, nothing else.
    void ZetFiguurType(int type);
    // Shift+Space on a colour-bar button `id` (CMainFrame_Keys.cpp): the
    // outline colour of the next figure and of the selected ones, as Space
    // on it sets their fill colour.
    void OnOutlineColourKey(CommandId id);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void SetPaneText(int pane, const std::string& text) override;

    void BuildActions();
    void BuildMenus();
    void BuildToolBars();
    void BuildStatusBar();
    // Shows the next figure's outline and fill colours on the swatch.
    void RefreshSwatch();
    // The figures on the clipboard, read as Ctrl+V pastes them; false when
    // it holds none that Pluvo can paste.
    bool ClipboardFigures(Drawing& figures) const;
    // Puts the canvas, and the selected figures when there are any, on the
    // clipboard.
    void CopyToClipboard();
    void RebuildRecentFiles();
    // A recent file chosen in the menu: opened, or dropped from the list
    // with a message when it is gone.
    void OpenRecent(const QString& path);
    void RefreshLockIndicators();
    // Whether the key is the shortcut of one of the window's commands.
    bool IsCommandKey(const QKeyEvent& key) const;
    // The window by keyboard (CMainFrame_Keys.cpp): F6 and the colour bar's
    // keys, true when the key was taken; the focus to the next part (1) or
    // the one before (-1); the names a screen reader reads.
    bool FocusKey(QObject* watched, const QKeyEvent& key);
    void CycleFocus(int direction);
    void NameForScreenReaders();
    std::vector<QWidget*> ColourButtons() const;
    void ReadPosition();
    void WritePosition();

    // Runs a change under the command layer's row of `id`; the view
    // repaints as the row says.
    void ApplyEdit(CommandId id, const ChangeFunction& change);

    bool SaveAs();
    bool SaveTo(const QString& path);
    void ShowOpenProblem(const QString& path, const std::string& reason);
    // Asks for a file, offering `remembered` (a path the drawing keeps for
    // this kind of file) or else `initial`; the choice is remembered there.
    // Empty when the user cancelled.
    QString AskFile(FileQuestion::Kind kind, const QString& filter, const QString& suffix,
                    std::string* remembered, const QString& initial = QString(),
                    const QString& caption = QString());
    // Reads the chosen file, or says why it could not.
    bool ReadChosenFile(const QString& path, std::string& bytes);
    // Replaces the file with what `produce` writes, or says why it could not.
    void WriteExport(const QString& path, const ByteProducer& produce);
    QPrinter& Printer();
    // The text edit lost the focus: its text becomes the next text figure's.
    void OnTextEditLeft();

    CPluvoDoc& m_doc;
    // Every change to the drawing goes this way.
    EditRoad m_road{m_doc};
    CPluvoView* m_view = nullptr;
    QToolBar* m_mainBar = nullptr;
    QToolBar* m_colourBar = nullptr;
    QLineEdit* m_textEdit = nullptr;
    QComboBox* m_toolList = nullptr;
    QLabel* m_swatch = nullptr;
    // The colours the swatch shows, and whether the clipboard holds figures
    // to paste (read again after the clipboard changed).
    std::pair<std::int32_t, std::int32_t> m_swatchColours{-1, -1};
    bool m_canPaste = false;
    bool m_clipboardRead = false;
    QLabel* m_panes[5] = {};
    QLabel* m_zoomPane = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentAnchor = nullptr;
    std::vector<QAction*> m_recentActions;
    std::map<CommandId, QAction*> m_actions;
    RecentFileList m_recent;
    // F6 passes through the text field without taking its text.
    bool m_passingTextEdit = false;
    std::unique_ptr<QPrinter> m_printer;
};
