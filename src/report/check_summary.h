// A design's checks as the command line prints them: a block of text per file in the window's
// own words and cells, or one JSON document per file for scripts.
#pragma once

#include "report/checks_without_windows.h"

#include <QJsonObject>

// The JSON's layout, as docs/check-json.md describes it; raised when a field goes or changes its
// meaning, kept when one is added.
constexpr int kCheckSummaryVersion = 4;

QString CheckSummaryText(const QString& fileName, const TDesignChecks& checks);
QJsonObject CheckSummaryJson(const QString& fileName, const TDesignChecks& checks);
