#include "Recovery.h"

#include "CMainFrame.h"
#include "MisfitReason.h"
#include "Prompts.h"
#include "Translations.h"
#include "model/BinaryFile.h"
#include "model/CPluvoDoc.h"
#include "model/DrawingFile.h"
#include "model/FileIo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QProcess>
#include <QTimer>
#include <QUuid>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// A copy whose window died, locked by the window that offers it.
struct StaleCopy {
    std::string file;
    std::unique_ptr<QLockFile> lock;
    std::string drawingPath; // absolute; empty for a new, unnamed drawing
    std::int64_t time = 0;   // when it was written, seconds since 1970
    std::string drawing;     // the drawing in the binary format
};

namespace {

// A copy is this line, the time it was made (seconds since 1970) on a line
// of its own, the absolute path of the drawing it belongs to (empty for a
// new drawing) ended by a zero byte, which no path holds, and then the
// drawing in the binary format.
constexpr std::string_view kMagic = "Pluvo herstelkopie 1\n";
const char* const kCopySuffix = ".recovery";
const char* const kLockSuffix = ".lock";

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromLocal(const std::string& path) { return QFile::decodeName(path.c_str()); }

std::string AbsolutePath(const std::string& path) {
    return path.empty() ? path : Local(QFileInfo(FromLocal(path)).absoluteFilePath());
}

std::string CopyHeader(const std::string& drawingPath, std::int64_t time) {
    std::string header(kMagic);
    header += std::to_string(time) + '\n';
    header += drawingPath;
    header += '\0';
    return header;
}

// Reads a copy's header and checks its drawing; false for anything else.
bool ParseCopy(std::string&& bytes, StaleCopy& copy) {
    const std::string_view all(bytes);
    if (!all.starts_with(kMagic)) return false;
    const std::size_t timeEnd = all.find('\n', kMagic.size());
    const std::size_t pathEnd = all.find('\0', timeEnd);
    if (timeEnd == std::string_view::npos || pathEnd == std::string_view::npos) return false;
    bool ok = false;
    copy.time = QByteArray::fromStdString(bytes.substr(kMagic.size(), timeEnd - kMagic.size()))
                    .toLongLong(&ok);
    copy.drawingPath = bytes.substr(timeEnd + 1, pathEnd - timeEnd - 1);
    BinaryDrawing check;
    if (!ok || !ParseBinary(all.substr(pathEnd + 1), check)) return false;
    bytes.erase(0, pathEnd + 1);
    copy.drawing = std::move(bytes);
    return true;
}

std::unique_ptr<QLockFile> LockOf(const std::string& copy) {
    const std::string base = copy.substr(0, copy.size() - std::strlen(kCopySuffix));
    auto lock = std::make_unique<QLockFile>(FromLocal(base + kLockSuffix));
    // Only the death of its window makes a lock stale, not its age.
    lock->setStaleLockTime(0);
    return lock;
}

// Takes the copy `file` when no living window holds it, and reads it; a
// damaged copy is left for the user to look at.
std::optional<StaleCopy> TakeCopy(const std::string& file) {
    if (!file.ends_with(kCopySuffix)) return std::nullopt;
    StaleCopy copy;
    copy.file = file;
    copy.lock = LockOf(file);
    if (!copy.lock->tryLock(0)) return std::nullopt;
    std::string bytes;
    if (ReadFileBytes(file, bytes) || !ParseCopy(std::move(bytes), copy)) return std::nullopt;
    return copy;
}

// Every copy whose window died, oldest first, each locked. The locks of
// windows that died before they wrote a copy go on the way.
std::vector<StaleCopy> TakeStaleCopies(const std::string& folder) {
    const QDir dir(FromLocal(folder));
    for (const QString& name : dir.entryList({QString("*") + kLockSuffix}, QDir::Files)) {
        const QString base = dir.filePath(name.chopped(int(std::strlen(kLockSuffix))));
        if (QFile::exists(base + kCopySuffix)) continue;
        QLockFile lock(base + kLockSuffix);
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) lock.unlock();
    }
    std::vector<StaleCopy> stale;
    for (const QString& name : dir.entryList({QString("*") + kCopySuffix}, QDir::Files))
        if (auto copy = TakeCopy(Local(dir.filePath(name)))) stale.push_back(std::move(*copy));
    std::stable_sort(stale.begin(), stale.end(),
                     [](const StaleCopy& a, const StaleCopy& b) { return a.time < b.time; });
    return stale;
}

// Creates the folder of the copies, readable by its owner only: the copies
// hold the user's drawings.
bool MakeFolder(const std::string& folder) {
    const std::size_t slash = folder.rfind('/');
    if (slash != std::string::npos && slash > 0) QDir().mkpath(FromLocal(folder.substr(0, slash)));
    ::mkdir(folder.c_str(), 0700);
    return QFileInfo(FromLocal(folder)).isDir();
}

bool StartWindow(const std::string& copy) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   {"--recover", FromLocal(copy)});
}

Recovery::WindowOpener& Opener() {
    static Recovery::WindowOpener opener = StartWindow;
    return opener;
}

// Yes restores the copy, No removes it, Cancel keeps it for later.
SaveAnswer AskAbout(CMainFrame* frame, const StaleCopy& copy, bool here) {
    const QString name =
        copy.drawingPath.empty() ? Recovery::tr("Naamloos") : FromLocal(copy.drawingPath);
    const QLocale locale(InstalledLanguage() == Language::English ? QLocale::English
                                                                  : QLocale::Dutch);
    const QString time = locale.toString(QDateTime::fromSecsSinceEpoch(copy.time),
                                         locale.dateFormat(QLocale::ShortFormat) + " HH:mm:ss");
    return prompts::AskJaNee(
        frame,
        Recovery::tr("Er zijn niet-opgeslagen wijzigingen in %1 bewaard (%2). Wilt u ze "
                     "terugzetten?")
            .arg(name, time),
        (here ? QString() : Recovery::tr("Ze komen in een nieuw venster.") + ' ') +
            Recovery::tr("Nee gooit ze weg; Later bewaart ze voor een volgende keer."),
        Recovery::tr("&Later"));
}

} // namespace

std::chrono::milliseconds Recovery::Interval() {
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("PLUVO_RECOVERY_INTERVAL_MS", &ok);
    return ok && ms > 0 ? std::chrono::milliseconds(ms) : kInterval;
}

Recovery::Recovery(CPluvoDoc& doc, QObject* parent, std::chrono::milliseconds interval)
    : QObject(parent), m_doc(doc), m_timer(new QTimer(this)) {
    const std::string folder = Folder();
    if (MakeFolder(folder)) {
        // A name no other window has ever had, so that no copy is taken for
        // another, even one whose process had the same number.
        m_file = folder + "/" + QUuid::createUuid().toString(QUuid::Id128).toStdString() +
                 kCopySuffix;
        m_lock = LockOf(m_file);
        if (!m_lock->tryLock(0)) m_lock.reset();
    }
    if (!m_lock) std::fprintf(stderr, "pluvo: %s: no recovery copies\n", folder.c_str());
    connect(m_timer, &QTimer::timeout, this, &Recovery::WriteNow);
    m_timer->start(interval);
}

// The copy stays: a window that ends without a clean close leaves its
// unsaved changes to be offered; the lock goes, so they are.
Recovery::~Recovery() { Wait(); }

std::string Recovery::Folder() {
    // Relative values are to be ignored, says the XDG base directory rule.
    std::string state = Local(qEnvironmentVariable("XDG_STATE_HOME"));
    if (state.empty() || state.front() != '/') state = Local(QDir::homePath()) + "/.local/state";
    return state + "/pluvo";
}

Recovery* Recovery::Of(CMainFrame* frame) {
    return frame ? frame->findChild<Recovery*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void Recovery::SetWindowOpener(WindowOpener opener) {
    Opener() = opener ? std::move(opener) : StartWindow;
}

void Recovery::WriteNow() {
    if (!m_lock || !m_doc.IsModified()) return;
    // A closed window's changes were saved or given up.
    if (const auto* window = qobject_cast<const QWidget*>(parent()); window && window->isHidden())
        return;
    if (m_writer.valid()) {
        // A copy still being written: the next turn writes this state.
        if (m_writer.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return;
        // A copy that could not be written is tried again.
        if (!m_writer.get()) m_written.reset();
    }
    const std::string drawingPath = AbsolutePath(m_doc.PathName);
    if (m_written && m_written->revision == m_doc.Revision() &&
        m_written->drawingPath == drawingPath)
        return;
    m_written = Written{m_doc.Revision(), drawingPath};
    // A drawing the binary file cannot hold exactly gets no copy, which
    // would come back as another drawing; said once for each change.
    if (const Misfit misfit = WhatDoesNotFit(m_doc, DrawingFormat::Binary)) {
        std::fprintf(stderr, "pluvo: %s\n",
                     MisfitReason(m_doc, DrawingFormat::Binary, misfit).toLocal8Bit().constData());
        return;
    }
    // Only the bytes are made here; the writing and the flush to the disk,
    // the slow part, happen in the background, which lets the bytes go once
    // they are written.
    m_writer = std::async(
        std::launch::async,
        [file = m_file, header = CopyHeader(drawingPath, QDateTime::currentSecsSinceEpoch()),
         bytes = StoreBinary(m_doc)]() mutable {
            const FileError error = ReplaceFile(file, [&](const ByteSink& sink) {
                sink(header);
                sink(bytes);
            });
            std::string().swap(bytes);
            if (error) std::fprintf(stderr, "pluvo: %s: %s\n", file.c_str(), error.Reason().c_str());
            return !error;
        });
}

void Recovery::Wait() {
    if (m_writer.valid()) m_writer.wait();
}

void Recovery::Discard() {
    Wait();
    m_writer = {};
    if (!m_file.empty()) ::unlink(m_file.c_str());
    m_written.reset();
}

void Recovery::Discard(CMainFrame* frame) {
    if (Recovery* recovery = Of(frame)) recovery->Discard();
}

bool Recovery::CanTake(const std::string& drawingPath) const {
    if (m_doc.IsModified()) return false;
    return m_doc.PathName.empty() || AbsolutePath(m_doc.PathName) == drawingPath;
}

void Recovery::Take(CMainFrame* frame, StaleCopy& copy) {
    // The window's own copy holds nothing the user needs: its drawing is
    // unmodified. It gives way to the restored one, which the window keeps.
    Discard();
    m_lock = std::move(copy.lock);
    m_file = copy.file;
    // The copy is loaded as a drawing, then takes the drawing's own name, so
    // that Save writes it where it belongs, in the format of that name.
    const std::string name = m_doc.PathName.empty() ? copy.drawingPath : m_doc.PathName;
    OpenResult read = LoadDrawing(m_file, copy.drawing);
    frame->Road().Replace({std::move(read.stored), read.runValues, name, Modified::Yes});
    m_written = Written{m_doc.Revision(), copy.drawingPath};
}

void Recovery::Offer(CMainFrame* frame) {
    Recovery* recovery = Of(frame);
    if (!recovery) return;
    bool taken = false;
    for (StaleCopy& copy : TakeStaleCopies(Folder())) {
        const bool here = !taken && recovery->CanTake(copy.drawingPath);
        switch (AskAbout(frame, copy, here)) {
        case SaveAnswer::Yes:
            if (here) {
                recovery->Take(frame, copy);
                taken = true;
                break;
            }
            // The new window takes the copy once this one lets it go.
            copy.lock->unlock();
            if (!Opener()(copy.file))
                prompts::Message(frame, tr("Kan geen nieuw venster openen voor %1; de kopie "
                                           "blijft bewaard.")
                                            .arg(FromLocal(copy.file)));
            break;
        case SaveAnswer::No:
            ::unlink(copy.file.c_str());
            break;
        case SaveAnswer::Cancel:
            break;
        }
    }
}

bool Recovery::Restore(CMainFrame* frame, const std::string& copy) {
    Recovery* recovery = Of(frame);
    std::optional<StaleCopy> stale = TakeCopy(AbsolutePath(copy));
    if (!recovery || !stale) {
        prompts::Message(frame, tr("Kan de herstelkopie %1 niet terugzetten: ze is weg, "
                                   "beschadigd of al in een ander venster geopend.")
                                    .arg(FromLocal(copy)));
        return false;
    }
    recovery->Take(frame, *stale);
    return true;
}
