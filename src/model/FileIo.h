// Reading and replacing whole files for the drawing's commands: reading with
// a bound only where the size is not known (pipes, devices), replacing a file
// atomically through a temporary file beside it, following a link to its
// target, and the Dutch reason for a failure.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// A failed file operation: the system's error number (0 when nothing
// failed), and whether it concerns the file itself or its folder.
struct FileError {
    enum class About { File, Folder };
    // Not an error number of the system: the path names something that is
    // not a regular file (a pipe, a device), which a save would replace.
    static constexpr int kNotRegularFile = -1;

    int code = 0;
    About about = About::File;

    explicit operator bool() const { return code != 0; }
    // The reason for the user, in the interface's language (UserText):
    // "bestand bestaat niet", "schijf vol", "map bestaat niet", ...
    std::string Reason() const;
};

// The reason for a system error number, Dutch unless translated (UserText);
// the system's own text for rare ones.
std::string DutchReason(int code);

// What a pipe or device may deliver before reading it is given up (EFBIG),
// so that an endless source cannot exhaust the memory. A regular file is read
// whole whatever its size: it cannot grow the loaders' lists beyond what its
// bytes hold.
inline constexpr std::size_t kMaxStreamBytes = std::size_t{256} << 20;

// Reads the whole file into `bytes`.
FileError ReadFileBytes(const std::string& path, std::string& bytes,
                        std::size_t streamLimit = kMaxStreamBytes);

// The file that replacing `path` writes: a symbolic link is followed to its
// final target, so that the link stays a link and its target gets the bytes.
std::string FinalTarget(const std::string& path);

// Why `path` cannot be replaced by a new file, found before any work starts:
// it is a folder or not a regular file, its folder is missing or not
// writable, or the file is not writable. No error when it looks writable.
FileError ReplaceProblem(const std::string& path);

// Receives the bytes of a file piece by piece.
using ByteSink = std::function<void(std::string_view)>;
using ByteProducer = std::function<void(const ByteSink&)>;

// Writes what `produce` hands over into a new file beside the final target,
// flushes it to the disk and renames it over the target, so that the target
// is either the whole new file or untouched, and no temporary file stays
// behind. The folder is flushed after the rename, so that the new name
// survives a power cut once this returns; when that flush fails the target
// already holds the new bytes, but the error is reported, since they may not
// be on the disk. An existing file keeps its permissions; a new one gets 0666
// less the umask.
FileError ReplaceFile(const std::string& path, const ByteProducer& produce);
FileError ReplaceFile(const std::string& path, std::string_view bytes);

// The steps of ReplaceFile, in order.
enum class ReplaceStep { Check, Create, Write, SyncFile, Rename, SyncFolder };

// For tests: every later ReplaceFile fails at `step` with the system error
// `code`, as a full disk, a read-only file system or a failing disk would make
// it fail there, until this is called with code 0. Those failures cannot be
// made for real without mounting file systems, and a process running as root
// is not stopped by permissions.
void SimulateReplaceFailure(ReplaceStep step, int code);
