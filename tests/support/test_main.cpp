// Test entry: a QApplication (fonts, widgets and events need one), the decimal point as the
// default separator, settings kept apart from the user's, and a message sink that fails the test on any unexpected message.
#include "common/messages.h"
#include "common/number_text.h"

#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    SetDecimalSeparator('.');
    SetMessageSink([](const QString& text) { ADD_FAILURE() << "unexpected message: " << qPrintable(text); });
    return RUN_ALL_TESTS();
}
