// The headless command line: pluvo convert INPUT OUTPUT [--size WxH].
#pragma once

#include <functional>

// Runs "pluvo convert" on the full argument vector (argv[1] is "convert").
// Returns the process exit status: 0 success, 1 rejected drawing, 2 usage or
// file errors.
int RunConvert(int argc, char** argv);

// Runs `work` under a GUI application on the offscreen platform, with Qt's
// own warnings kept off stderr and the interface's language installed: what
// the commands without a window need for fonts, images and messages.
int RunWithoutDisplay(const std::function<int()>& work);
