// A design's checks as the command line prints them: a block of text per file in the window's
// own words and cells, or one JSON document per file for scripts.
#pragma once

#include "report/design_checks.h"

#include <QJsonObject>

QString CheckSummaryText(const QString& fileName, const TDesignChecks& checks);
QJsonObject CheckSummaryJson(const QString& fileName, const TDesignChecks& checks);
