#include "QtSurface.h"

#include "model/Win1252.h"

#include <algorithm>
#include <cstring>

namespace {

// More cache entries than a drawing uses in practice; past it the cache
// starts again rather than grow without bound.
constexpr std::size_t kMaxCachedFonts = 64;
constexpr std::size_t kMaxCachedWidths = 1024;

// Text larger than this is drawn at this size; font engines spend minutes on
// glyphs of a million pixels, which a damaged file may ask for.
constexpr int kMaxFontPixels = 4096;

} // namespace

QtSurface::QtSurface(QImage& image, SurfaceKind kind)
    : RasterSurface(nullptr, 0, 0, 0, kind), m_image(image) {
    if (m_image.format() != QImage::Format_RGB32 && m_image.format() != QImage::Format_ARGB32)
        m_image.convertTo(QImage::Format_RGB32);
    Refresh();
}

QtSurface::QtSurface(const QtSurface& from, std::int32_t top, std::int32_t bottom)
    : RasterSurface(nullptr, 0, 0, 0, from.IsPrinting() ? SurfaceKind::Printing : SurfaceKind::Screen),
      m_bandImage(reinterpret_cast<uchar*>(from.Pixels()), from.m_image.width(),
                  from.m_image.height(), from.m_image.bytesPerLine(), from.m_image.format()),
      m_image(m_bandImage) {
    Refresh();
    StartBand(from, top, bottom);
}

QtSurface::QtSurface(const QtSurface& from, std::int32_t left, std::int32_t top, std::int32_t width,
                     std::int32_t height)
    : RasterSurface(nullptr, 0, 0, 0, from.IsPrinting() ? SurfaceKind::Printing : SurfaceKind::Screen),
      m_bandImage(reinterpret_cast<uchar*>(from.Pixels() + top * from.Stride() + left), width,
                  height, from.m_image.bytesPerLine(), from.m_image.format()),
      m_image(m_bandImage) {
    Refresh();
}

std::unique_ptr<Surface> QtSurface::Window(std::int32_t left, std::int32_t top, std::int32_t width,
                                           std::int32_t height) {
    Refresh();
    if (left < 0 || top < 0 || width < 1 || height < 1 || left > HorzRes() - width ||
        top > VertRes() - height)
        return nullptr;
    return std::unique_ptr<Surface>(new QtSurface(*this, left, top, width, height));
}

std::unique_ptr<Surface> QtSurface::RowBand(std::int32_t top, std::int32_t bottom) {
    Refresh();
    return std::unique_ptr<Surface>(new QtSurface(*this, top, bottom));
}

bool QtSurface::LimitRows(std::int32_t top, std::int32_t bottom) {
    RasterSurface::LimitRows(top, bottom);
    m_clipChanged = true;
    return true;
}

QtSurface::~QtSurface() {
    if (m_painter) m_painter->end();
}

// The owner may have copied the image since the last operation (for the
// clipboard, say). Writing through the old buffer would change that copy
// too, so each operation takes the image's own buffer again, which detaches
// a shared one, and restarts the text painter on a new buffer.
void QtSurface::Refresh() {
    uchar* bits = m_image.bits();
    if (bits == m_bits && HorzRes() == m_image.width() && VertRes() == m_image.height()) return;
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_bits = bits;
    m_clipChanged = true;
    Attach(reinterpret_cast<Pixel*>(bits), m_image.width(), m_image.height(),
           m_image.bytesPerLine() / 4);
}

// --- Text --------------------------------------------------------------------

QFont QtSurface::FontFromLogFont(const LogFont& record) {
    QFont font(QString::fromUtf8(Win1252ToUtf8(record.FaceName())));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    // Widened first: the height of a damaged record may be INT32_MIN.
    const std::int64_t height = record.lfHeight;
    const int pixels =
        height == 0
            ? 16
            : static_cast<int>(std::clamp<std::int64_t>(std::llabs(height), 1, kMaxFontPixels));
    font.setPixelSize(pixels);
    if (height > 0) {
        // A positive height is the cell height (ascent plus descent): the
        // largest size whose cell fits in it, searched from a proportional
        // guess, as fonts do not grow exactly linearly.
        const auto cellOf = [&font](int size) {
            font.setPixelSize(size);
            return QFontMetrics(font).height();
        };
        const int cell = cellOf(pixels);
        int size = cell > 0 ? std::clamp(pixels * pixels / cell, 1, kMaxFontPixels) : pixels;
        for (int step = 0; step < 8 && size > 1 && cellOf(size) > pixels; ++step) --size;
        for (int step = 0; step < 8 && size < kMaxFontPixels && cellOf(size + 1) <= pixels; ++step)
            ++size;
        font.setPixelSize(size);
    }
    const int weight = record.lfWeight <= 0 ? 400 : std::clamp(record.lfWeight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(record.lfItalic != 0);
    font.setUnderline(record.lfUnderline != 0);
    font.setStrikeOut(record.lfStrikeOut != 0);
    return font;
}

LogFont QtSurface::SelectFont(const LogFont& font) {
    m_font = nullptr;
    return Surface::SelectFont(font);
}

QtSurface::CachedFont& QtSurface::Font() {
    if (m_font) return *m_font;
    const LogFont& record = CurrentFont();
    for (const auto& cached : m_fonts)
        if (std::memcmp(&cached->record, &record, sizeof record) == 0)
            return *(m_font = cached.get());
    if (m_fonts.size() >= kMaxCachedFonts) m_fonts.clear();
    const QFont font = FontFromLogFont(record);
    m_fonts.push_back(
        std::make_unique<CachedFont>(CachedFont{record, font, QFontMetrics(font), {}}));
    return *(m_font = m_fonts.back().get());
}

QPainter& QtSurface::Painter() {
    Refresh();
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, false);
        m_clipChanged = true;
    }
    return *m_painter;
}

namespace {

QString Decode(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] =
            QChar(static_cast<char16_t>(Win1252CodePoint(static_cast<unsigned char>(bytes[i]))));
    return text;
}

} // namespace

int QtSurface::Width(CachedFont& font, std::string_view bytes) {
    const auto found = font.widths.find(std::string(bytes));
    if (found != font.widths.end()) return found->second;
    if (font.widths.size() >= kMaxCachedWidths) font.widths.clear();
    const int width = font.metrics.horizontalAdvance(Decode(bytes));
    font.widths.emplace(bytes, width);
    return width;
}

SIZE QtSurface::GetTextExtentPoint32(std::string_view bytes) {
    CachedFont& font = Font();
    return {Width(font, bytes), font.metrics.height()};
}

void QtSurface::TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) {
    if (bytes.empty()) return;
    CachedFont& font = Font();
    Refresh();
    if (RowsTop() != 0 || RowsBottom() != VertRes()) {
        // A band leaves a text that cannot reach its rows to the other
        // band: within its width and twice its height of (x, y), which
        // covers every turn and the glyphs that reach above or below.
        const std::int64_t reach =
            std::int64_t{Width(font, bytes)} + 2 * std::int64_t{font.metrics.height()};
        if (y + reach < RowsTop() || y - reach >= RowsBottom()) return;
    }
    {
        // Within its width and twice its height of (x, y), whatever its turn.
        const std::int64_t reach =
            std::int64_t{Width(font, bytes)} + 2 * std::int64_t{font.metrics.height()};
        Touch(x - reach, y - reach, x + reach, y + reach);
    }
    QPainter& painter = Painter();
    if (m_clipChanged) {
        m_clipChanged = false;
        painter.resetTransform();
        if (RowsTop() == 0 && RowsBottom() == VertRes())
            painter.setClipping(false);
        else
            painter.setClipRect(QRect(0, RowsTop(), HorzRes(), RowsBottom() - RowsTop()));
    }
    // The painter is used for text only, so its state is set for each text
    // rather than saved and restored around it.
    QTransform transform;
    transform.translate(x, y);
    const std::int32_t escapement = CurrentFont().lfEscapement;
    // Divided first: negating the integer would overflow for INT32_MIN.
    if (escapement != 0) transform.rotate(-(escapement / 10.0));
    painter.setWorldTransform(transform);
    if (GetBkMode() == BkMode::Opaque)
        painter.fillRect(QRect(0, 0, Width(font, bytes), font.metrics.height()),
                         QColor(ToRgb(BkColor())));
    painter.setFont(font.font);
    painter.setPen(QColor(ToRgb(TextColor())));
    painter.drawText(0, font.metrics.ascent(), Decode(bytes));
}
