// The file managers' preview: pluvo thumbnail INPUT OUTPUT SIZE.
#pragma once

// Runs "pluvo thumbnail" on the full argument vector (argv[1] is
// "thumbnail"): writes the drawing's extent as a PNG that fits SIZE x SIZE.
// Returns 0 on success, 1 when INPUT gives no thumbnail (unreadable,
// rejected, too large), 2 for usage errors or an unwritable OUTPUT.
int RunThumbnail(int argc, char** argv);
