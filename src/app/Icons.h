// The application's icon and the toolbar buttons' icons: the desktop theme's
// icon where one fits, our own drawing otherwise, sharp at every scale.
#pragma once

#include "model/Figuur.h"

#include <QIcon>

// Makes the icons built into the program available (call once at start).
void InitResources();
QIcon AppIcon();
// The theme's icon of that name, with our own as the fallback.
QIcon CommandIcon(const char* name);
// A square of the colour with a dark frame, for the colour bar.
QIcon ColourIcon(COLORREF colour);
