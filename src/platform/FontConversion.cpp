#include "FontConversion.h"

#include "QtSurface.h"
#include "model/Win1252.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace {

// A point size in pixels at the screen's logical resolution, the resolution
// the canvas draws its pixel-sized fonts at.
int PixelsOfPoints(double points) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

} // namespace

QFont QFontFromLogFont(const LogFont& record) {
    QFont font = QtSurface::FontFromLogFont(record);
    font.setStyleStrategy(QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferDefaultHinting);
    return font;
}

LogFont LogFontFromQFont(const QFont& font, const LogFont& base) {
    LogFont record = base;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : PixelsOfPoints(font.pointSizeF());
    record.lfHeight = -std::max(pixels, 1);
    record.lfWeight = std::clamp(static_cast<int>(font.weight()), 1, 1000);
    record.lfItalic = font.italic() ? 1 : 0;
    record.lfUnderline = font.underline() ? 1 : 0;
    record.lfStrikeOut = font.strikeOut() ? 1 : 0;
    record.SetFaceName(Utf8ToWin1252(font.family().toStdString()));
    return record;
}
