// The verdict of a design's checks, as the report's first page states it: whether every check
// holds, which fail, the governing figure of each with its place, and what could not be checked.
#pragma once

#include "report/checks_without_windows.h"

#include <QStringList>
#include <vector>

struct TGoverningFigure {
    QString Check;  // "Strength"
    QString Figure; // "smallest drawn / required diameter 0.93 at x = 50 mm"
    bool Fails = false;
};

struct TChecksVerdict {
    std::vector<TGoverningFigure> Figures; // in the order of the checks
    QStringList NotChecked;                // "Strength: not checked: ..."

    bool Holds() const;
    // "All checks hold", or "These checks fail: strength, fatigue"; a check not made fails too.
    QString Headline() const;
};

TChecksVerdict ChecksVerdict(const TDesignChecks& checks);
