// Font records and QFonts for the font dialog: the record the dialog opens
// on, and the record that the chosen font becomes.
#pragma once

#include "model/Figuur.h"

#include <QFont>

// The font a record stands for, as the font dialog shows it (smoothed, unlike
// the aliased font QtSurface draws with).
QFont QFontFromLogFont(const LogFont& record);

// The record of a chosen font: the height as the negative character height
// in pixels, weight, italic, underline, strike-out and the face name in
// Windows-1252; everything else, the direction included, comes from `base`.
LogFont LogFontFromQFont(const QFont& font, const LogFont& base);
