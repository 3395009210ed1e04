// Test entry: a QApplication (fonts, widgets and events need one), the decimal point as the
// default separator, settings kept apart from the user's, and a message sink that fails the test on any unexpected message.
#include "common/messages.h"
#include "common/number_text.h"

#include <QApplication>
#include <QStandardPaths>
#include <dlfcn.h>
#include <gtest/gtest.h>

// The leak checker reports at exit, after the OpenGL driver has been unloaded, so the driver's own
// caches would show up in a module it cannot name, beyond the reach of a suppression. Loaded here
// for good, the driver keeps its name.
static void KeepOpenGLDriverLoaded()
{
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
    for (const char* library : {"libGLX_mesa.so.0", "/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"})
        dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
#endif
#endif
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    KeepOpenGLDriverLoaded();
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    SetDecimalSeparator('.');
    SetMessageSink([](const QString& text) { ADD_FAILURE() << "unexpected message: " << qPrintable(text); });
    return RUN_ALL_TESTS();
}
