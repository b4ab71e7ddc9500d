#include "WindowSet.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    // Widget tests need no display, also when CTest lists them right after the build.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The folder memory of the file dialogs lives in a settings file of the test's own.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    ::testing::InitGoogleTest(&argc, argv);
    kvr::KvrApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
