// The fatigue check on paper in two tables: every factor of every notch (the shoulders), then the
// stresses, Se and the safeties of every section checked; the weakest notch marked "*" and each
// value that rests on an estimate marked "~".
#pragma once

#include "check/fatigue_check.h"

#include <QStringList>

QStringList FatigueFactorHeadings();
// Of a computed shoulder only.
QStringList FatigueFactorCells(const TFatigueRow& row, bool weakest);

QStringList FatigueStressHeadings();
QStringList FatigueStressCells(const TFatigueRow& row, bool weakest);

// What "*" and "~" stand for.
QString FatigueTableKey();
