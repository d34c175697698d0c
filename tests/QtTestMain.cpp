// Runs the Qt tests inside a QApplication on whatever platform the
// environment names (offscreen in the test runs).
#include "app/Icons.h"

#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdlib.h>

int main(int argc, char** argv) {
    // ctest lists the tests by running this program without the test
    // environment; without a display that listing must not fail either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef PLUVO_DEFAULT_EXE
    // Defaults for what the tests find through the environment.
    setenv("PLUVO_BMP2PNG_DIR", PLUVO_DEFAULT_BMP2PNG_DIR, 0);
    setenv("PLUVO_EXE", PLUVO_DEFAULT_EXE, 0);
#endif
    // Settings and recovery copies go to a folder of this test process,
    // never the user's own, and tests running side by side do not share them.
    char folder[] = "/tmp/pluvo-test-config-XXXXXX";
    const bool isolated = ::mkdtemp(folder) != nullptr;
    if (isolated) {
        setenv("XDG_CONFIG_HOME", folder, 1);
        setenv("XDG_STATE_HOME", folder, 1);
    }
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Brenlock Ostervaal");
    QApplication::setApplicationName("Pluvo");
    InitResources();
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    if (isolated) QDir(QString::fromLocal8Bit(folder)).removeRecursively();
    return status;
}
