// The application: settings, the one drawing of the run, the command line
// (a drawing to open, or --print) and the main window.
#pragma once

#include "model/CPluvoDoc.h"

#include <QString>

#include <memory>

class CMainFrame;

class CPluvoApp {
public:
    CPluvoApp();
    ~CPluvoApp();

    // Start-up after the QApplication exists: the drawing named on the
    // command line (or a new one) and the main window. Returns the exit
    // status when start-up ends without a window, -1 when the window shows.
    int InitInstance(const QStringList& arguments);

    CPluvoDoc& Document() { return m_doc; }
    CMainFrame* MainFrame() const { return m_frame.get(); }

private:
    int PrintAndExit(const QString& path);

    CPluvoDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

// Runs the editor: the whole program except "pluvo convert".
int RunEditor(int argc, char** argv);
