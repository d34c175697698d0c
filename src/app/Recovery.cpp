#include "Recovery.h"

#include "CMainFrame.h"
#include "model/BinaryFile.h"
#include "model/CPluvoDoc.h"
#include "model/DrawingFile.h"
#include "model/FileIo.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Longer names are shortened to the file's own name and a hash of the path,
// well below the 255 bytes a name may have.
constexpr std::size_t kMaxNameBytes = 200;

std::string Local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Creates the folder of the copies, readable by its owner only: the copies
// hold the user's drawings.
void MakeFolder(const std::string& folder) {
    const std::size_t slash = folder.rfind('/');
    if (slash != std::string::npos && slash > 0)
        QDir().mkpath(QFile::decodeName(folder.substr(0, slash).c_str()));
    ::mkdir(folder.c_str(), 0700);
}

} // namespace

Recovery::Recovery(CPluvoDoc& doc, QObject* parent, std::chrono::milliseconds interval)
    : QObject(parent), m_doc(doc), m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, &Recovery::WriteNow);
    m_timer->start(interval);
}

Recovery::~Recovery() { Wait(); }

std::string Recovery::Folder() {
    // Relative values are to be ignored, says the XDG base directory rule.
    std::string state = Local(qEnvironmentVariable("XDG_STATE_HOME"));
    if (state.empty() || state.front() != '/') state = Local(QDir::homePath()) + "/.local/state";
    return state + "/pluvo";
}

std::string Recovery::CopyPath(const std::string& drawingPath) {
    std::string name = "untitled";
    if (!drawingPath.empty()) {
        // The absolute path with "/" written as "%2F" (and "%" as "%25", so
        // that two paths never share a name).
        const std::string absolute =
            Local(QFileInfo(QFile::decodeName(drawingPath.c_str())).absoluteFilePath());
        name.clear();
        for (const char c : absolute) {
            if (c == '%')
                name += "%25";
            else if (c == '/')
                name += "%2F";
            else
                name += c;
        }
        if (name.size() > kMaxNameBytes) {
            const std::string base = absolute.substr(absolute.rfind('/') + 1).substr(0, 100);
            const QByteArray hash =
                QCryptographicHash::hash(QByteArray::fromStdString(absolute),
                                         QCryptographicHash::Sha1)
                    .toHex();
            name = base + "-" + hash.toStdString();
        }
    }
    return Folder() + "/" + name + ".plv";
}

Recovery* Recovery::Of(CMainFrame* frame) {
    return frame ? frame->findChild<Recovery*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void Recovery::WriteNow() {
    if (!m_doc.IsModified()) return;
    // A copy still being written: the next turn of the timer writes this
    // state.
    if (m_writer.valid() &&
        m_writer.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    // Only the bytes are made here; the writing and the flush to the disk,
    // the slow part, happen in the background.
    auto bytes = std::make_shared<const std::string>(StoreBinary(m_doc));
    const std::string copy = CopyPath(m_doc.PathName);
    if (m_written && copy == m_copy && *m_written == *bytes) return;
    m_copy = copy;
    m_written = bytes;
    m_writer = std::async(std::launch::async, [folder = Folder(), copy, bytes] {
        MakeFolder(folder);
        if (const FileError error = ReplaceFile(copy, *bytes))
            std::fprintf(stderr, "pluvo: %s: %s\n", copy.c_str(), error.Reason().c_str());
    });
}

void Recovery::Wait() {
    if (m_writer.valid()) m_writer.wait();
}

void Recovery::Discard() {
    Wait();
    if (!m_copy.empty()) ::unlink(m_copy.c_str());
    ::unlink(CopyPath(m_doc.PathName).c_str());
    m_copy.clear();
    m_written.reset();
}

void Recovery::Discard(CMainFrame* frame) {
    if (Recovery* recovery = Of(frame)) recovery->Discard();
}

void Recovery::Offer(CMainFrame* frame) {
    Recovery* recovery = Of(frame);
    if (!recovery) return;
    CPluvoDoc& doc = recovery->m_doc;
    const std::string copy = CopyPath(doc.PathName);
    std::string bytes;
    BinaryDrawing read;
    // A damaged copy is not offered, and left for the user to look at.
    if (ReadFileBytes(copy, bytes) || !ParseBinary(bytes, read)) return;

    const QString name = doc.PathName.empty()
                             ? tr("Naamloos")
                             : QFileInfo(QFile::decodeName(doc.PathName.c_str())).fileName();
    QMessageBox box(QMessageBox::Question, tr("Pluvo"),
                    tr("Er zijn niet-opgeslagen wijzigingen in %1 bewaard. Wilt u ze "
                       "terugzetten?")
                        .arg(name),
                    QMessageBox::NoButton, frame);
    QPushButton* yes = box.addButton(tr("&Ja"), QMessageBox::YesRole);
    box.addButton(tr("&Nee"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    if (box.clickedButton() != yes) {
        ::unlink(copy.c_str());
        return;
    }
    // The copy is loaded as a drawing, then takes the drawing's own name, so
    // that Save writes it where it belongs, in the format of that name.
    frame->Road().Replace({std::move(read), RunValues::Keep, doc.PathName, Modified::Yes});
    recovery->m_copy = copy;
    recovery->m_written = std::make_shared<const std::string>(std::move(bytes));
}
