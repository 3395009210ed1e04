// The suggestions in words, as the shaft check's page, the command line's text and the report
// show them.
#pragma once

#include "check/suggestions.h"

#include <QString>
#include <QStringList>

// "n_f", "n_y", "d / d req"
QString FigureName(TGoverning governing);
// "Fillet r = 1.6 mm: n_f = 1.62", "Fillet: none fits (...)"; likewise the others.
QString FilletText(const TSizeSuggestion& fillet, TGoverning governing);
QString DiameterText(const TSizeSuggestion& diameter, TGoverning governing);
QString GradeText(const TGradeSuggestion& grade, TGoverning governing);
// "n_f per 10 % more of: diameter +31 %, bending moment -9 %, Sut +6 %"
QString InfluencesLine(const TRowSuggestions& row);
// The heading, then each suggestion and the influences, one line each: for text and the report.
QStringList SuggestionLines(const TRowSuggestions& row);
// "Shoulder at x = 60 mm (d 40, D 60, r 2): n_f = 1.21, required 1.5"
QString RowHeading(const TRowSuggestions& row);
