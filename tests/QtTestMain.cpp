// Runs the Qt tests inside a QApplication on whatever platform the
// environment names (offscreen in the test runs).
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // ctest lists the tests by running this program without the test
    // environment; without a display that listing must not fail either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef PLUVO_DEFAULT_EXE
    // Defaults for what the tests find through the environment.
    setenv("PLUVO_TEST_DATA", PLUVO_DEFAULT_TEST_DATA, 0);
    setenv("PLUVO_BMP2PNG_DIR", PLUVO_DEFAULT_BMP2PNG_DIR, 0);
    setenv("PLUVO_EXE", PLUVO_DEFAULT_EXE, 0);
#endif
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
