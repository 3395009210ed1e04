// The fatigue check on paper, every factor of every notch in two tables (the factors that make Se,
// then the stresses and the safeties), the weakest notch marked "*" and each value that rests on
// an estimate marked "~".
#pragma once

#include "check/fatigue_check.h"

#include <QStringList>

QStringList FatigueFactorHeadings();
// Of a computed row only.
QStringList FatigueFactorCells(const TFatigueRow& row, bool weakest);

QStringList FatigueStressHeadings();
QStringList FatigueStressCells(const TFatigueRow& row, bool weakest);

// What "*" and "~" stand for.
QString FatigueTableKey();
