// Reading and replacing whole files: sizes, pipes and devices, links,
// permissions and what a failed write leaves behind.
#include "model/FileIo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Every change of the process-wide umask in these tests, counted: it holds
// for all threads, so a thread that changes it, even for a moment, makes
// the files that other threads create meanwhile writable by everyone.
std::atomic<int> g_umaskCalls{0};

extern "C" mode_t umask(mode_t mask) noexcept {
    ++g_umaskCalls;
    return static_cast<mode_t>(::syscall(SYS_umask, mask));
}

namespace {

// A fresh folder under the test's temporary folder, removed at the end.
class Folder {
public:
    Folder() {
        std::string pattern = ::testing::TempDir() + "pluvo-fileio-XXXXXX";
        path = ::mkdtemp(pattern.data());
    }
    ~Folder() { std::system(("rm -rf '" + path + "'").c_str()); }
    std::string operator/(const std::string& name) const { return path + "/" + name; }
    // The names in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        if (DIR* dir = ::opendir(path.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string name = entry->d_name;
                if (name != "." && name != "..") names.push_back(name);
            }
            ::closedir(dir);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string path;
};

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(FileIo, RegularFilesAreReadWholeWhateverTheirSizeStreamsUpToTheLimit) {
    Folder folder;
    const std::string big = folder / "big.plv";
    Put(big, std::string(3 << 20, 'x'));
    std::string bytes;
    EXPECT_FALSE(ReadFileBytes(big, bytes, 1 << 20)) << "the limit is for streams only";
    EXPECT_EQ(bytes.size(), std::size_t{3} << 20);

    const FileError endless = ReadFileBytes("/dev/zero", bytes, 1 << 20);
    EXPECT_EQ(endless.code, EFBIG);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(endless.Reason(), "bestand te groot");

    EXPECT_FALSE(ReadFileBytes("/dev/null", bytes, 1 << 20));
    EXPECT_TRUE(bytes.empty());
}

TEST(FileIo, ReadingGivesDutchReasons) {
    Folder folder;
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(folder / "missing.plv", bytes).Reason(), "bestand bestaat niet");
    EXPECT_EQ(ReadFileBytes(folder.path, bytes).Reason(), "is een map");
    const std::string fifo = folder / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A pipe without a writer reads as empty instead of blocking the open.
    EXPECT_FALSE(ReadFileBytes(fifo, bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(FileIo, ReplacingWritesWholeFilesAndLeavesNoTemporaryFile) {
    Folder folder;
    const std::string target = folder / "a.plv";
    Put(target, "old");
    ::chmod(target.c_str(), 0640);
    ASSERT_FALSE(ReplaceFile(target, [](const ByteSink& sink) {
        sink("new ");
        sink("contents");
    }));
    EXPECT_EQ(Contents(target), "new contents");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "an existing file keeps its permissions";
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.plv"});

    const mode_t previous = ::umask(027);
    const int calls = g_umaskCalls;
    const std::string fresh = folder / "b.txt";
    ASSERT_FALSE(ReplaceFile(fresh, std::string_view("x")));
    EXPECT_EQ(g_umaskCalls, calls) << "a new file takes the umask without changing it";
    ::umask(previous);
    ASSERT_EQ(::stat(fresh.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "a new file gets 0666 less the umask";
}

TEST(FileIo, ReplacingFollowsLinksToTheirTarget) {
    Folder folder;
    ::mkdir((folder / "real").c_str(), 0700);
    const std::string real = folder / "real/drawing.plv";
    Put(real, "old");
    ASSERT_EQ(::symlink("real/drawing.plv", (folder / "link.plv").c_str()), 0);
    EXPECT_EQ(FinalTarget(folder / "link.plv"), folder / "real/drawing.plv");
    ASSERT_FALSE(ReplaceFile(folder / "link.plv", std::string_view("new")));
    EXPECT_EQ(Contents(real), "new");
    struct stat info {};
    ASSERT_EQ(::lstat((folder / "link.plv").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays a link";
}

TEST(FileIo, ReplacingRefusesWhatItCannotWriteAndKeepsTheOldFile) {
    Folder folder;
    const std::string fifo = folder / "pipe.svg";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        std::string reason;
    };
    for (const Case& c : {Case{folder / "no/a.plv", "map bestaat niet"},
                          Case{folder.path, "is een map"}, Case{fifo, "is geen gewoon bestand"}}) {
        EXPECT_EQ(ReplaceProblem(c.path).Reason(), c.reason) << c.path;
        EXPECT_EQ(ReplaceFile(c.path, std::string_view("x")).Reason(), c.reason) << c.path;
    }
    struct stat info {};
    ASSERT_EQ(::stat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)) << "a pipe is not replaced by a plain file";
    EXPECT_FALSE(ReplaceProblem(folder / "new.plv")) << "a new file in a writable folder";

    if (::geteuid() != 0) { // root writes everywhere
        const std::string locked = folder / "locked";
        ::mkdir(locked.c_str(), 0500);
        EXPECT_EQ(ReplaceFile(locked + "/a.plv", std::string_view("x")).Reason(),
                  "geen schrijfrechten in de map");
    }
}

TEST(FileIo, AWriteErrorLeavesTheOldFileAndNoTemporaryFile) {
    // A write that fails half-way: more bytes than a small file-size limit
    // of the process allows.
    Folder folder;
    const std::string target = folder / "a.plv";
    Put(target, "old");
    struct rlimit previous {};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    struct rlimit small = previous;
    small.rlim_cur = 1024;
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileError error = ReplaceFile(target, std::string(4096, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    EXPECT_EQ(error.code, EFBIG);
    EXPECT_EQ(Contents(target), "old");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"a.plv"});
}

TEST(FileIo, TwoThreadsReplacingAtOnceLeaveEachOtherAlone) {
    // The recovery copy is written on a thread of its own while the window
    // saves: neither may change what the other writes, nor its permissions.
    Folder folder;
    const mode_t previous = ::umask(022);
    const auto replaceMany = [&folder](const std::string& name) {
        for (int i = 0; i < 40; ++i) {
            const std::string path = folder / (name + std::to_string(i));
            EXPECT_FALSE(ReplaceFile(path, std::string_view(path)));
        }
    };
    std::thread copies(replaceMany, "copy");
    replaceMany("save");
    copies.join();
    ::umask(previous);
    for (const std::string& name : folder.Names()) {
        EXPECT_EQ(Contents(folder / name), folder / name);
        struct stat info {};
        ASSERT_EQ(::stat((folder / name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << name;
    }
    EXPECT_EQ(folder.Names().size(), 80u);
}
