#include "BinaryFile.h"

#include <bit>
#include <cstring>

namespace {

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// Copies records of 32-bit little-endian words between the file and memory,
// in one block on little-endian machines.
void CopyWords(void* dst, const void* src, std::size_t bytes) {
    std::memcpy(dst, src, bytes);
    if constexpr (!kLittleEndian) {
        auto* words = static_cast<unsigned char*>(dst);
        for (std::size_t i = 0; i + 4 <= bytes; i += 4) {
            std::uint32_t w;
            std::memcpy(&w, words + i, 4);
            w = (w >> 24) | ((w >> 8) & 0xFF00u) | ((w << 8) & 0xFF0000u) | (w << 24);
            std::memcpy(words + i, &w, 4);
        }
    }
}

// The 60-byte font record holds five words and then bytes only.
constexpr std::size_t kFontWordBytes = 20;
constexpr std::size_t kSettingsBytes = 20;

class ByteWriter {
public:
    explicit ByteWriter(std::size_t size) { m_out.resize(size); }
    void Int(std::int32_t v) {
        const std::uint32_t u = static_cast<std::uint32_t>(v);
        const unsigned char b[4] = {
            static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
            static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
        Bytes(b, 4);
    }
    void Byte(std::int32_t v) {
        const auto b = static_cast<unsigned char>(v & 0xFF);
        Bytes(&b, 1);
    }
    void Bytes(const void* data, std::size_t n) {
        if (n == 0) return;
        std::memcpy(m_out.data() + m_pos, data, n);
        m_pos += n;
    }
    void Words(const void* data, std::size_t n) {
        if (n == 0) return;
        CopyWords(m_out.data() + m_pos, data, n);
        m_pos += n;
    }
    std::string Take() {
        m_out.resize(m_pos);
        return std::move(m_out);
    }

private:
    std::string m_out;
    std::size_t m_pos = 0;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}
    std::size_t Left() const { return m_bytes.size() - m_pos; }
    bool Int(std::int32_t& v) {
        if (Left() < 4) return false;
        const auto* b = reinterpret_cast<const unsigned char*>(m_bytes.data() + m_pos);
        v = static_cast<std::int32_t>(std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) |
                                      (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
        m_pos += 4;
        return true;
    }
    bool Byte(std::int32_t& v) {
        if (Left() < 1) return false;
        v = static_cast<unsigned char>(m_bytes[m_pos++]);
        return true;
    }
    bool Take(std::size_t n, std::string_view& out) {
        if (Left() < n) return false;
        out = m_bytes.substr(m_pos, n);
        m_pos += n;
        return true;
    }
    // A count of records of recordSize bytes; a negative count means none. A
    // count that the rest of the file cannot hold fails before any memory is
    // reserved for it.
    bool Count(std::size_t recordSize, std::size_t& count) {
        std::int32_t n = 0;
        if (!Int(n)) return false;
        count = n < 0 ? 0 : static_cast<std::size_t>(n);
        return count <= Left() / recordSize;
    }
    template <class Record> bool Records(std::vector<Record>& list) {
        std::size_t n = 0;
        if (!Count(sizeof(Record), n)) return false;
        list.resize(n);
        if (n > 0) CopyWords(list.data(), m_bytes.data() + m_pos, n * sizeof(Record));
        m_pos += n * sizeof(Record);
        return true;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

bool ReadFonts(ByteReader& in, std::vector<LogFont>& fonts) {
    std::size_t n = 0;
    std::string_view block;
    if (!in.Count(sizeof(LogFont), n) || !in.Take(n * sizeof(LogFont), block)) return false;
    fonts.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const char* record = block.data() + i * sizeof(LogFont);
        CopyWords(&fonts[i], record, kFontWordBytes);
        std::memcpy(reinterpret_cast<char*>(&fonts[i]) + kFontWordBytes, record + kFontWordBytes,
                    sizeof(LogFont) - kFontWordBytes);
    }
    return true;
}

bool ReadTexts(ByteReader& in, std::vector<std::string>& texts) {
    // Every entry takes at least its 4-byte length.
    std::size_t n = 0;
    if (!in.Count(4, n)) return false;
    texts.resize(n);
    for (std::string& text : texts) {
        std::int32_t length = 0;
        if (!in.Int(length)) return false;
        if (length <= 0) continue;
        std::string_view bytes;
        if (!in.Take(static_cast<std::size_t>(length) + 1, bytes)) return false;
        // The text ends at its zero byte; it never takes more than its length.
        bytes = bytes.substr(0, static_cast<std::size_t>(length));
        text.assign(bytes.substr(0, bytes.find('\0')));
    }
    return true;
}

} // namespace

std::string StoreBinary(const CPluvoDoc& doc) {
    std::size_t size = 4 + CPluvoDoc::VersionMagic.size() + kSettingsBytes + sizeof(Figuur) + 4 +
                       doc.drawing().figures.size() * sizeof(Figuur) + 4 + 4 +
                       doc.drawing().fonts.size() * sizeof(LogFont) + 4 + doc.drawing().points.size() * sizeof(POINT);
    for (const std::string& text : doc.drawing().texts) size += 4 + (text.empty() ? 0 : text.size() + 1);

    ByteWriter out(size);
    out.Int(static_cast<std::int32_t>(CPluvoDoc::VersionMagic.size()));
    out.Bytes(CPluvoDoc::VersionMagic.data(), CPluvoDoc::VersionMagic.size());
    out.Int(doc.drawing().FileReserved);
    out.Int(doc.drawing().SizeRaster);
    out.Byte(doc.drawing().MetCoord);
    out.Byte(doc.drawing().MetRaster);
    out.Byte(0);
    out.Byte(0);
    out.Int(static_cast<std::int32_t>(doc.drawing().KleurAchtergrond));
    out.Int(static_cast<std::int32_t>(doc.drawing().KleurRaster));
    out.Words(&doc.current, sizeof(Figuur));

    out.Int(static_cast<std::int32_t>(doc.drawing().figures.size()));
    out.Words(doc.drawing().figures.data(), doc.drawing().figures.size() * sizeof(Figuur));

    out.Int(static_cast<std::int32_t>(doc.drawing().texts.size()));
    for (const std::string& text : doc.drawing().texts) {
        out.Int(static_cast<std::int32_t>(text.size()));
        if (text.empty()) continue;
        out.Bytes(text.data(), text.size());
        out.Byte(0);
    }

    out.Int(static_cast<std::int32_t>(doc.drawing().fonts.size()));
    for (const LogFont& font : doc.drawing().fonts) {
        out.Words(&font, kFontWordBytes);
        out.Bytes(reinterpret_cast<const char*>(&font) + kFontWordBytes,
                  sizeof(LogFont) - kFontWordBytes);
    }

    out.Int(static_cast<std::int32_t>(doc.drawing().points.size()));
    out.Words(doc.drawing().points.data(), doc.drawing().points.size() * sizeof(POINT));
    return out.Take();
}

bool ParseBinary(std::string_view bytes, BinaryDrawing& file) {
    Drawing& out = file.drawing;
    ByteReader in(bytes);
    std::int32_t length = 0;
    if (!in.Int(length) || length != static_cast<std::int32_t>(CPluvoDoc::VersionMagic.size()))
        return false;
    std::string_view magic;
    if (!in.Take(CPluvoDoc::VersionMagic.size(), magic) || magic != CPluvoDoc::VersionMagic)
        return false;

    std::int32_t reserved = 0;
    std::int32_t achtergrond = 0;
    std::int32_t raster = 0;
    std::string_view current;
    if (!in.Int(out.FileReserved) || !in.Int(out.SizeRaster) || !in.Byte(out.MetCoord) ||
        !in.Byte(out.MetRaster) || !in.Byte(reserved) || !in.Byte(reserved) ||
        !in.Int(achtergrond) || !in.Int(raster) || !in.Take(sizeof(Figuur), current))
        return false;
    out.KleurAchtergrond = static_cast<COLORREF>(achtergrond);
    out.KleurRaster = static_cast<COLORREF>(raster);
    CopyWords(&file.current, current.data(), sizeof(Figuur));

    if (!in.Records(out.figures) || !ReadTexts(in, out.texts) || !ReadFonts(in, out.fonts))
        return false;
    // Files may end right before the point count: they have no points.
    out.points.clear();
    if (in.Left() == 0) return true;
    return in.Records(out.points);
}

Misfit BinaryMisfit(const Drawing& drawing) {
    for (std::size_t i = 0; i < drawing.texts.size(); ++i)
        if (drawing.texts[i].find('\0') != std::string::npos)
            return {Misfit::Kind::TextZeroByte, static_cast<std::int64_t>(i)};
    const std::int32_t settings[] = {drawing.MetCoord, drawing.MetRaster};
    for (std::int64_t i = 0; i < 2; ++i)
        if (settings[i] < 0 || settings[i] > 255)
            return {Misfit::Kind::SettingNotByte, i, settings[i]};
    return {};
}
