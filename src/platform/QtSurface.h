// The drawing surface over a QImage: the shapes are rasterised by
// RasterSurface straight into the image's pixels, and text is drawn by
// QPainter with a font made from the font record.
#pragma once

#include "render/RasterSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class QtSurface : public RasterSurface {
public:
    // The image must stay alive while the surface draws on it; copies taken
    // of it meanwhile keep their pixels. It is converted to 32-bit RGB when
    // it has another format.
    explicit QtSurface(QImage& image, SurfaceKind kind = SurfaceKind::Screen);
    ~QtSurface() override;

    // Bands draw their text with a painter of their own on the same pixels,
    // clipped to their rows, so that two threads can draw texts at once.
    bool LimitRows(std::int32_t top, std::int32_t bottom) override;
    std::unique_ptr<Surface> RowBand(std::int32_t top, std::int32_t bottom) override;
    // A window over part of the image's pixels, with text of its own.
    std::unique_ptr<Surface> Window(std::int32_t left, std::int32_t top, std::int32_t width,
                                    std::int32_t height) override;

    LogFont SelectFont(const LogFont& font) override;
    void TextOut(std::int32_t x, std::int32_t y, std::string_view bytes) override;
    SIZE GetTextExtentPoint32(std::string_view bytes) override;

    // The QFont that a font record stands for (Windows-1252 face name,
    // negative height = character height in pixels, no antialiasing).
    static QFont FontFromLogFont(const LogFont& font);
    // The pixel value of a colour in the image.
    static QRgb ToRgb(COLORREF colour) { return ToPixel(colour); }

protected:
    void Refresh() override;

private:
    struct CachedFont {
        LogFont record;
        QFont font;
        QFontMetrics metrics;
        // Widths of texts measured in this font: a paint measures the same
        // few texts thousands of times.
        std::unordered_map<std::string, int> widths;
    };

    // A band over the pixels of another surface's image.
    QtSurface(const QtSurface& from, std::int32_t top, std::int32_t bottom);
    // A window over part of another surface's image, in the state of a new
    // surface.
    QtSurface(const QtSurface& from, std::int32_t left, std::int32_t top, std::int32_t width,
              std::int32_t height);

    CachedFont& Font();
    static int Width(CachedFont& font, std::string_view bytes);
    QPainter& Painter();

    QImage m_bandImage; // a band's own image over the pixels of another
    QImage& m_image;
    uchar* m_bits = nullptr;
    bool m_clipChanged = false; // the painter's clip is still to follow the rows

    std::vector<std::unique_ptr<CachedFont>> m_fonts;
    CachedFont* m_font = nullptr;
    std::unique_ptr<QPainter> m_painter;
};
