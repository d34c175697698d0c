// The recovery copy of a window's drawing with unsaved changes: one copy per
// window under $XDG_STATE_HOME/pluvo/, locked while the window lives, written
// in the background at most one interval after a change, and offered back
// after the window died, at the next start or open.
#pragma once

#include <QObject>

#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>

class CMainFrame;
class CPluvoDoc;
class QLockFile;
class QTimer;
struct StaleCopy;

class Recovery : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kInterval{10000};
    // kInterval, or PLUVO_RECOVERY_INTERVAL_MS milliseconds when that is set
    // to a positive number (the end-to-end tests wait less that way).
    static std::chrono::milliseconds Interval();

    // Takes a copy name of its own, locked until the recovery ends, and looks
    // at the drawing every `interval` from now on. The window that shows the
    // drawing is the usual parent: Discard, Offer and Restore find the
    // recovery there.
    explicit Recovery(CPluvoDoc& doc, QObject* parent = nullptr,
                      std::chrono::milliseconds interval = Interval());
    ~Recovery() override;

    // The folder of the copies: $XDG_STATE_HOME/pluvo, or
    // ~/.local/state/pluvo when that is unset or not an absolute path.
    static std::string Folder();
    // This window's copy, which exists only while it holds unsaved changes.
    const std::string& CopyFile() const { return m_file; }

    // The drawing's changes are saved or given up: the window's own copy
    // goes. Does nothing for a frame without a recovery.
    static void Discard(CMainFrame* frame);

    // At start and after an open: asks, for each copy whose window died, with
    // its drawing's name and time, whether to restore it. "Ja" restores the
    // first one the window can take (its own drawing, or any while the window
    // holds a new one) under the drawing's own name, marked modified, and
    // every other one in a new window; "Nee" removes the copy; "Later" keeps
    // it for the next time. Does nothing for a frame without a recovery.
    static void Offer(CMainFrame* frame);
    // The window started for one copy that another window's offer handed on:
    // restores it without asking. False, with a message, when the copy is
    // gone, damaged or taken by another window.
    static bool Restore(CMainFrame* frame, const std::string& copy);

    // How a further restored copy gets its window; by default a new editor
    // process started as `pluvo --recover COPY`. False when none started.
    using WindowOpener = std::function<bool(const std::string& copy)>;
    static void SetWindowOpener(WindowOpener opener);

    // Hands the drawing to the background writer when it is modified and
    // its revision or name moved since the last copy; the timer calls this.
    void WriteNow();
    // Waits until the background writer is done.
    void Wait();

private:
    static Recovery* Of(CMainFrame* frame);
    void Discard();
    // Whether the window may take a copy of the drawing at `drawingPath`
    // without losing anything: it holds an unmodified drawing of that name,
    // or an unmodified new one.
    bool CanTake(const std::string& drawingPath) const;
    // Loads the copy into the window and makes it the window's own.
    void Take(CMainFrame* frame, StaleCopy& copy);

    // What the last copy was made of.
    struct Written {
        std::uint64_t revision = 0;
        std::string drawingPath;
    };

    CPluvoDoc& m_doc;
    QTimer* m_timer = nullptr;
    // The copy's file and the lock beside it that says the window lives;
    // null when the folder could not be made.
    std::string m_file;
    std::unique_ptr<QLockFile> m_lock;
    std::optional<Written> m_written;
    // True once the copy was written.
    std::future<bool> m_writer;
};
