// Taking back one load of the plane being entered: the design as if that load had never been
// added, and the rows of the list the user picks it from.
#pragma once

#include "document/design.h"

#include <vector>

inline const QString kLengthStays =
    QStringLiteral("Lungimea arborelui nu poate fi stearsa : planul nu poate ramane fara ea !");

// One row of the list: the term's name, its position (mm), its value with the unit, its sense.
struct TEntryRow {
    QString Name;
    QString Position;
    QString Value;
    QString Sense;
    bool operator==(const TEntryRow&) const = default;
};

// The shaft length heads the list of every plane.
TEntryRow LengthRow(long double shaftLength);
// The entry `index` of the plane, named as the entry names it (RHA, FH2, MV1, ...).
TEntryRow EntryRow(const TPlaneEntries& plane, size_t index, bool horizontal);
// The whole list: the length once it is applied, then every entry in entry order.
std::vector<TEntryRow> EntryRows(long double shaftLength, const TPlaneEntries& plane, bool horizontal);

// Row 0 is the length, which the plane cannot do without; row i takes back the entry i - 1.
// A calculated plane must be calculated again. The result must pass the check of an opened
// design (an editor point may have leant on the load's position), or the removal is refused.
TDesign DesignWithoutRow(const TDesign& design, bool horizontal, size_t row);
