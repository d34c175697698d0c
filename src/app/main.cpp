// Starts the editor, or converts a drawing without a window when the first
// argument is "convert", or writes a file manager's preview for "thumbnail".
#include "app/CPluvoApp.h"
#include "app/ConvertCommand.h"
#include "app/ThumbnailCommand.h"

#include <cstring>

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "convert") == 0) return RunConvert(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "thumbnail") == 0) return RunThumbnail(argc, argv);
    return RunEditor(argc, argv);
}
