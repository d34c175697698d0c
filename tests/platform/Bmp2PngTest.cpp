// The converter library on its own: well-formed BMP files in, the same image
// as PNG out; damaged headers rejected without a PNG and without big
// allocations.
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The library, loaded from the build for one test and unloaded after it:
// left loaded it would satisfy the export's own search by name.
class Converter {
public:
    Converter() {
        const char* dir = std::getenv("PLUVO_BMP2PNG_DIR");
        const std::string path = std::string(dir ? dir : ".") + "/libBmp2Png.so";
        m_library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (m_library)
            m_convert = reinterpret_cast<int (*)(const char*)>(dlsym(m_library, "Bmp2Png"));
    }
    ~Converter() {
        if (m_library) dlclose(m_library);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    explicit operator bool() const { return m_convert != nullptr; }
    int operator()(const char* path) const { return m_convert(path); }

private:
    void* m_library = nullptr;
    int (*m_convert)(const char*) = nullptr;
};

void Put(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A BMP file of w x h pixels at the given depth, rows bottom-up when h > 0;
// pixel (x, y) of the picture is (r, g, b) = (x * 40, y * 60, 200).
std::vector<std::uint8_t> Bmp(std::int32_t w, std::int32_t h, int bits) {
    const std::uint32_t rows = static_cast<std::uint32_t>(h < 0 ? -h : h);
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) * bits + 31) / 32 * 4;
    std::vector<std::uint8_t> b(54 + stride * rows, 0xEE); // padding is not zero
    b[0] = 'B';
    b[1] = 'M';
    Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
    Put(b, 6, 0, 4);
    Put(b, 10, 54, 4);
    Put(b, 14, 40, 4);
    Put(b, 18, static_cast<std::uint32_t>(w), 4);
    Put(b, 22, static_cast<std::uint32_t>(h), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<std::uint32_t>(bits), 2);
    Put(b, 30, 0, 4);
    Put(b, 34, stride * rows, 4);
    for (std::size_t k = 38; k < 54; ++k) b[k] = 0;
    for (std::uint32_t y = 0; y < rows; ++y) {
        const std::uint32_t stored = h > 0 ? rows - 1 - y : y;
        for (std::int32_t x = 0; x < w; ++x) {
            std::uint8_t* p = &b[54 + stored * stride + static_cast<std::uint32_t>(x) * (bits / 8)];
            p[0] = 200;
            p[1] = static_cast<std::uint8_t>(y * 60);
            p[2] = static_cast<std::uint8_t>(x * 40);
        }
    }
    return b;
}

void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

} // namespace

TEST(Bmp2Png, ConvertsBottomUpAndTopDownRowsOfBothDepths) {
    const Converter convert;
    ASSERT_TRUE(convert);
    QTemporaryDir dir;
    for (int bits : {24, 32})
        for (std::int32_t h : {3, -3}) {
            const std::string bpm = dir.filePath("beeld.bpm").toStdString();
            const std::string png = dir.filePath("beeld.png").toStdString();
            Write(bpm, Bmp(5, h, bits)); // 5 pixels: rows of 24 bits need padding
            ASSERT_EQ(convert(bpm.c_str()), 0) << bits << " " << h;
            const QImage image(QString::fromStdString(png));
            ASSERT_EQ(image.size(), QSize(5, 3)) << bits << " " << h;
            for (int y = 0; y < 3; ++y)
                for (int x = 0; x < 5; ++x)
                    EXPECT_EQ(image.pixel(x, y), qRgb(x * 40, y * 60, 200))
                        << bits << " " << h << " at " << x << "," << y;
            EXPECT_TRUE(Exists(bpm)) << "the caller deletes the bpm file";
            std::remove(png.c_str());
        }
}

TEST(Bmp2Png, DamagedHeadersAreRejectedWithoutAPng) {
    const Converter convert;
    ASSERT_TRUE(convert);
    QTemporaryDir dir;
    const std::string bpm = dir.filePath("kapot.bpm").toStdString();
    const std::string png = dir.filePath("kapot.png").toStdString();
    struct Damage {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        int bytes;
    };
    const Damage damages[] = {
        {"signature", 0, 'X', 1},
        {"info header too small", 14, 12, 4},
        {"negative width", 18, 0xFFFFFFFFu, 4},
        {"zero width", 18, 0, 4},
        {"zero height", 22, 0, 4},
        {"height INT32_MIN", 22, 0x80000000u, 4},
        {"huge width", 18, 0x7FFFFFFFu, 4},
        {"huge height", 22, 0x7FFFFFFFu, 4},
        {"width beyond the rows", 18, 6, 4},
        {"planes", 26, 0, 2},
        {"8 bits", 28, 8, 2},
        {"compressed", 30, 1, 4},
        {"pixels beyond the end", 10, 60, 4},
        {"pixels far beyond the end", 10, 0xFFFFFFFFu, 4},
        {"pixels inside the header", 10, 20, 4},
    };
    for (const Damage& d : damages) {
        std::vector<std::uint8_t> bytes = Bmp(4, 4, 32);
        Put(bytes, d.at, d.value, d.bytes);
        Write(bpm, bytes);
        EXPECT_NE(convert(bpm.c_str()), 0) << d.what;
        EXPECT_FALSE(Exists(png)) << d.what;
    }
    std::vector<std::uint8_t> truncated = Bmp(4, 4, 24);
    truncated.pop_back();
    Write(bpm, truncated);
    EXPECT_NE(convert(bpm.c_str()), 0) << "one byte short";
    Write(bpm, std::vector<std::uint8_t>(truncated.begin(), truncated.begin() + 30));
    EXPECT_NE(convert(bpm.c_str()), 0) << "shorter than the headers";
    EXPECT_FALSE(Exists(png));
    EXPECT_NE(convert(dir.filePath("geen.bpm").toStdString().c_str()), 0) << "no file";
    EXPECT_NE(convert(nullptr), 0);
}

// The converter holds a row at a time, not the image: in a process that may
// grow by only 16 MiB it still converts a 24 MiB picture.
TEST(Bmp2Png, MemoryDoesNotGrowWithThePicture) {
    const Converter convert;
    ASSERT_TRUE(convert);
    QTemporaryDir dir;
    const std::string bpm = dir.filePath("groot.bpm").toStdString();
    const std::string png = dir.filePath("groot.png").toStdString();
    Write(bpm, Bmp(2000, 3000, 32));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t limit = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (16u << 20);
        const rlimit space{limit, limit};
        setrlimit(RLIMIT_AS, &space);
        _exit(convert(bpm.c_str()));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(2000, 3000));
    EXPECT_EQ(image.pixel(3, 2), qRgb(120, 120, 200));
}
