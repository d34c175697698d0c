// Starts the editor, or converts a drawing without a window when the first
// argument is "convert", or writes a file manager's preview for "thumbnail";
// "--help" and "--version" answer on standard output without a display.
#include "app/CPluvoApp.h"
#include "app/ConvertCommand.h"
#include "app/ThumbnailCommand.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

// The texts of the command line, in the interface's language.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

int PrintUsage() {
    const QString usage = CommandLine::tr(
        "gebruik: pluvo [TEKENING]           de editor, met TEKENING geopend (.txt: tekstbestand)\n"
        "         pluvo --print TEKENING     drukt TEKENING af op de standaardprinter\n"
        "         pluvo convert INVOER UITVOER [--size BxH]\n"
        "                                    zet een tekening om zonder venster (zie convert "
        "--help)\n"
        "         pluvo thumbnail INVOER UITVOER.png GROOTTE\n"
        "                                    schrijft een miniatuur voor bestandsbeheerders\n"
        "         pluvo --help | --version   deze hulp, of de versie\n");
    std::fputs(usage.toLocal8Bit().constData(), stdout);
    return 0;
}

bool Is(const char* argument, const char* option) { return std::strcmp(argument, option) == 0; }

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && Is(argv[1], "convert")) return RunConvert(argc, argv);
    if (argc >= 2 && Is(argv[1], "thumbnail")) return RunThumbnail(argc, argv);
    if (argc >= 2 && (Is(argv[1], "--help") || Is(argv[1], "-h")))
        return RunWithoutDisplay(PrintUsage);
    if (argc >= 2 && Is(argv[1], "--version")) {
        std::printf("pluvo %s\n", PLUVO_VERSION);
        return 0;
    }
    return RunEditor(argc, argv);
}
