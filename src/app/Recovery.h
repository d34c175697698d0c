// The recovery copy of a drawing with unsaved changes: written in the binary
// format under $XDG_STATE_HOME/pluvo/ at most ten seconds after a change, in
// the background, and offered back at the next start of that drawing.
#pragma once

#include <QObject>

#include <chrono>
#include <future>
#include <memory>
#include <string>

class CMainFrame;
class CPluvoDoc;
class QTimer;

class Recovery : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kInterval{10000};

    // Looks at the drawing every `interval` from now on and writes a copy
    // when it is modified and differs from the last copy. The window that
    // shows the drawing is the usual parent: Discard and Offer find the
    // recovery there.
    explicit Recovery(CPluvoDoc& doc, QObject* parent = nullptr,
                      std::chrono::milliseconds interval = kInterval);
    ~Recovery() override;

    // The folder of the copies: $XDG_STATE_HOME/pluvo, or
    // ~/.local/state/pluvo when that is unset or not an absolute path.
    static std::string Folder();
    // The copy of the drawing saved under `drawingPath` (empty: the untitled
    // drawing), named after its absolute path.
    static std::string CopyPath(const std::string& drawingPath);

    // The drawing's changes are saved or given up: its copy goes. Does
    // nothing for a frame without a recovery.
    static void Discard(CMainFrame* frame);

    // At start-up: when the drawing has a copy, asks whether to restore it.
    // "Ja" loads the copy under the drawing's own name, marked modified; "Nee"
    // removes the copy. Does nothing for a frame without a recovery.
    static void Offer(CMainFrame* frame);

    // Hands a copy of the drawing to the background writer when the drawing
    // is modified and differs from the last copy; the timer calls this.
    void WriteNow();
    // Waits until the background writer is done.
    void Wait();

private:
    static Recovery* Of(CMainFrame* frame);
    void Discard();

    CPluvoDoc& m_doc;
    QTimer* m_timer = nullptr;
    // The copy this run wrote or restored, which Discard removes.
    std::string m_copy;
    // What was last handed to the writer, so that an unchanged drawing is not
    // written again.
    std::shared_ptr<const std::string> m_written;
    std::future<void> m_writer;
};
