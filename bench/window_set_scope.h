// The whole window set for a benchmark that goes through the windows, as the tests make it:
// the user's recent files untouched, decimal points, messages printed instead of shown.
#pragma once

#include "common/messages.h"
#include "common/number_text.h"
#include "windows/main/window_set.h"

#include <QStandardPaths>

class TWindowSetScope {
public:
    TWindowSetScope()
    {
        QStandardPaths::setTestModeEnabled(true);
        SetDecimalSeparator('.');
        SetMessageSink([](const QString& text) { qWarning("%s", qPrintable(text)); });
        CreateWindowSet();
    }
    ~TWindowSetScope() { DestroyWindowSet(); }
    TWindowSetScope(const TWindowSetScope&) = delete;
    TWindowSetScope& operator=(const TWindowSetScope&) = delete;
};
