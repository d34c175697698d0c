// The headless command line: pluvo convert INPUT OUTPUT [--size WxH].
#pragma once

// Runs "pluvo convert" on the full argument vector (argv[1] is "convert").
// Returns the process exit status: 0 success, 1 rejected drawing, 2 usage or
// file errors.
int RunConvert(int argc, char** argv);
