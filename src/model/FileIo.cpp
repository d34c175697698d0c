#include "FileIo.h"

#include "UserText.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor when the scope ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now and reports the error of the close.
    int Close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

int WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

FileError Failure(int code, FileError::About about = FileError::About::File) {
    return {code, about};
}

// The failure a test asked for: the step and the error number, 0 for none.
// Atomic, because recovery copies are written from a worker thread.
std::atomic<ReplaceStep> g_failingStep{ReplaceStep::Check};
std::atomic<int> g_failingCode{0};

// The simulated error of `step`, or 0.
int Simulated(ReplaceStep step) {
    const int code = g_failingCode.load();
    return code != 0 && g_failingStep.load() == step ? code : 0;
}

// Flushes the folder's entries, so that a rename in it is on the disk. A
// folder that cannot be opened for reading (write and search permission
// only) cannot be flushed by this process; that is no reason to fail a save.
// File systems that do not flush folders answer EINVAL, which is not a
// failure either.
int SyncFolder(const std::string& folder) {
    if (const int code = Simulated(ReplaceStep::SyncFolder)) return code;
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0) return 0;
    if (::fsync(dir.get()) != 0 && errno != EINVAL) return errno;
    return 0;
}

// Creates a new file with a unique name in `folder` and gives its open
// descriptor, or -1 with errno set. It is created with mode 0666, which the
// system narrows by the umask (and a default ACL of the folder), as for any
// new file: the process-wide umask is never changed, which would race with
// files created on other threads.
int CreateTemporary(const std::string& folder, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[6];
        if (::getentropy(random, sizeof random) != 0) return -1;
        char suffix[2 * sizeof random + 1];
        for (std::size_t i = 0; i < sizeof random; ++i)
            std::snprintf(suffix + 2 * i, 3, "%02x", random[i]);
        name = folder + "/.pluvo-" + suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

std::string DutchReason(int code) {
    switch (code) {
    case FileError::kNotRegularFile:
        return UserText("FileError", "is geen gewoon bestand");
    case ENOENT:
        return UserText("FileError", "bestand bestaat niet");
    case EACCES:
    case EPERM:
        return UserText("FileError", "geen toegang");
    case EISDIR:
        return UserText("FileError", "is een map");
    case ENOTDIR:
        return UserText("FileError", "map bestaat niet");
    case EROFS:
        return UserText("FileError", "alleen-lezen bestandssysteem");
    case ENOSPC:
        return UserText("FileError", "schijf vol");
    case EDQUOT:
        return UserText("FileError", "schijfquotum overschreden");
    case EFBIG:
        return UserText("FileError", "bestand te groot");
    case ENAMETOOLONG:
        return UserText("FileError", "naam te lang");
    case ELOOP:
        return UserText("FileError", "te veel symbolische koppelingen");
    case EIO:
        return UserText("FileError", "invoer-/uitvoerfout");
    case ENOMEM:
        return UserText("FileError", "onvoldoende geheugen");
    case EMFILE:
    case ENFILE:
        return UserText("FileError", "te veel open bestanden");
    case EBUSY:
        return UserText("FileError", "bestand is in gebruik");
    default:
        return std::strerror(code);
    }
}

std::string FileError::Reason() const {
    if (about == About::Folder) {
        if (code == ENOENT || code == ENOTDIR) return UserText("FileError", "map bestaat niet");
        if (code == EACCES || code == EPERM)
            return UserText("FileError", "geen schrijfrechten in de map");
    }
    return DutchReason(code);
}

FileError ReadFileBytes(const std::string& path, std::string& bytes, std::size_t streamLimit) {
    bytes.clear();
    // Non-blocking, so that opening a pipe without a writer cannot hang; the
    // reads below block again.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) return Failure(errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return Failure(errno);
    if (S_ISDIR(info.st_mode)) return Failure(EISDIR);
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags >= 0) ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);

    const bool regular = S_ISREG(info.st_mode);
    const std::size_t limit = regular ? SIZE_MAX : streamLimit;
    const auto readInto = [&](char* into, std::size_t size) -> ssize_t {
        for (;;) {
            const ssize_t n = ::read(file.get(), into, size);
            if (n >= 0 || errno != EINTR) return n;
        }
    };
    // A regular file is read in one piece into a buffer of its size; the
    // loop after it takes whatever a growing or special file delivers.
    if (regular && info.st_size > 0) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = readInto(bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                bytes.clear();
                return Failure(errno);
            }
            if (n == 0) break;
            done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = readInto(buffer, sizeof buffer);
        if (n < 0) {
            bytes.clear();
            return Failure(errno);
        }
        if (n == 0) break;
        if (static_cast<std::size_t>(n) > limit - bytes.size()) {
            bytes.clear();
            bytes.shrink_to_fit();
            return Failure(EFBIG);
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return {};
}

std::string FinalTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0) return target;
        link.resize(static_cast<std::size_t>(n));
        // A relative link is relative to the folder of the link.
        target = link.front() == '/' ? link : FolderOf(target) + "/" + link;
    }
    return target;
}

FileError ReplaceProblem(const std::string& path) {
    const std::string target = FinalTarget(path);
    struct stat info {};
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) return Failure(EISDIR);
    // Replacing goes through a new file and a rename, which would put a plain
    // file in the place of a device or a pipe.
    if (exists && !S_ISREG(info.st_mode)) return Failure(FileError::kNotRegularFile);
    const std::string folder = FolderOf(target);
    struct stat folderInfo {};
    if (::stat(folder.c_str(), &folderInfo) != 0) return Failure(errno, FileError::About::Folder);
    if (!S_ISDIR(folderInfo.st_mode)) return Failure(ENOTDIR, FileError::About::Folder);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return Failure(errno, FileError::About::Folder);
    if (exists && ::access(target.c_str(), W_OK) != 0) return Failure(errno);
    return {};
}

FileError ReplaceFile(const std::string& path, const ByteProducer& produce) {
    const std::string target = FinalTarget(path);
    if (const FileError problem = ReplaceProblem(target)) return problem;
    if (const int code = Simulated(ReplaceStep::Check)) return Failure(code);

    const std::string folder = FolderOf(target);
    std::string temporary;
    if (const int code = Simulated(ReplaceStep::Create))
        return Failure(code, FileError::About::Folder);
    Descriptor file(CreateTemporary(folder, temporary));
    if (file.get() < 0) return Failure(errno, FileError::About::Folder);

    // An existing file keeps its permissions; a new one has those that the
    // system gave the temporary file.
    struct stat existing {};
    int error = 0;
    if (::stat(target.c_str(), &existing) == 0 &&
        ::fchmod(file.get(), existing.st_mode & 07777) != 0)
        error = errno;
    if (error == 0) {
        produce([&](std::string_view piece) {
            if (error == 0) error = WriteAll(file.get(), piece);
        });
    }
    if (error == 0) error = Simulated(ReplaceStep::Write);
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    if (error == 0) error = Simulated(ReplaceStep::SyncFile);
    const int closeError = file.Close();
    if (error == 0) error = closeError;
    if (error == 0) error = Simulated(ReplaceStep::Rename);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return Failure(error);
    }
    return Failure(SyncFolder(folder));
}

FileError ReplaceFile(const std::string& path, std::string_view bytes) {
    return ReplaceFile(path, [bytes](const ByteSink& sink) { sink(bytes); });
}

void SimulateReplaceFailure(ReplaceStep step, int code) {
    g_failingStep.store(step);
    g_failingCode.store(code);
}
