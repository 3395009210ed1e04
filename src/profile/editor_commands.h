// The editor's commands over typed numbers: a step of the profile, a bore, a position at which the shaft
// is dimensioned or verified, and the pen and mark settings.
#pragma once

#include "analysis/analysis_state.h"

#include <QString>
#include <cstdint>

inline const QString kOutsideShaft = QStringLiteral("Pozitia trebuie sa se afle intre limitele existente !");
inline const QString kWidthOutOfRange = QStringLiteral("Grosimea trebuie sa fie intre 0 si 255 !");

inline const QString kDiameterNotPositive = QStringLiteral("The diameter must be greater than zero.");

// The step of diameter `diameter` from x + left to x + right, both offsets added as typed. A
// diameter that is not above zero is refused with a message: its solid would be inside out.
QString StepLineStatement(long double x, long double diameter, long double left, long double right);

inline const QString kBoreEndsReversed =
    QStringLiteral("The bore must end to the right of where it starts: \"To\" must be greater than \"From\".");
inline const QString kBoreDiameterNotPositive = QStringLiteral("The bore diameter must be greater than zero.");

// A bore of one diameter from `from` to `to` (mm). Refused with a message unless it runs left to
// right over a length and its diameter is above zero.
QString BoreStatement(long double from, long double to, long double diameter);

// Adds a position between the first and the last analysed position (both ends included) and
// keeps the positions sorted. Fails with a message, changing nothing, outside that span or when
// the point count is full.
void AddDimensioningPoint(TAnalysisState& analysis, long double position);

// An integer text as the integer conversion reads it: blanks before it and a sign allowed;
// anything else fails with "'<text>' is not a valid integer value".
int ReadInteger(const QString& text);
// A pen width or mark width: an integer from 0 to 255, refused with a message otherwise.
uint8_t ReadWidth(const QString& text);
