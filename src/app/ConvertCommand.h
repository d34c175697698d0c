// The headless command line: pluvo convert INPUT OUTPUT [--size WxH].
#pragma once

#include "platform/CanvasExport.h"

#include <functional>

class CPluvoDoc;

// Runs "pluvo convert" on the full argument vector (argv[1] is "convert").
// Returns the process exit status: 0 success, 1 rejected drawing, 2 usage or
// file errors.
int RunConvert(int argc, char** argv);

// The PNG canvas without --size: the drawing's extent plus one grid cell,
// within the caps of the window's canvas (kMaxViewSide on a side,
// kMaxViewPixels in all), so that a drawing reaching far cannot ask for
// gigabytes.
CanvasSize ConvertCanvasSize(const CPluvoDoc& doc);

// Runs `work` under a GUI application on the offscreen platform, with Qt's
// own warnings kept off stderr and the interface's language installed: what
// the commands without a window need for fonts, images and messages.
int RunWithoutDisplay(const std::function<int()>& work);
