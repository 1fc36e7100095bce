// Test entry: every test program runs headless under the program's own application class.
#include "platform/GuardedApplication.h"

#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    // Tests compare number texts, so the machine's locale must not leak in.
    QLocale::setDefault(QLocale::c());
    GuardedApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
