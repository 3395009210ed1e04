// The largest design the entry allows: 255 forces and 255 moments in each plane, both planes
// calculated, and a profile of 256 statements.
#pragma once

#include "common/number_text.h"
#include "document/design.h"

// 250 distinct positions in all, under the point list's one-byte count.
inline void AddLoads(TPlaneEntries& plane, int offset)
{
    for (int n = 0; n < 255; ++n)
        plane.Entries.push_back({TEntryKind::Force, 4.0L * ((n + offset) % 249) + 0.1L, 100.0L / 3 + n, uint8_t(n % 2)});
    for (int n = 0; n < 255; ++n)
        plane.Entries.push_back({TEntryKind::Moment, 4.0L * ((n * 7 + offset) % 249) + 0.1L, 1e5L / 7 * n, uint8_t(n % 3 == 0)});
}

inline TDesign LargestDesign()
{
    TDesign design;
    design.ShaftLength = 1000;
    design.Horizontal.Step = TPlaneStep::Calculated;
    design.Horizontal.Entries = {{TEntryKind::Bearing, 0, 0, 1}, {TEntryKind::Bearing, 1000, 0, 1}};
    AddLoads(design.Horizontal, 0);
    design.Vertical.Step = TPlaneStep::Calculated;
    AddLoads(design.Vertical, 13);
    design.Dimensioning = {"1000000", "30", "130", "70", "40", "0.308", "Carbon steel, breaking stress 400 MPa",
                           "Costant", 0, true};
    for (int n = 0; n < 256; ++n)
        design.Profile += "line " + FloatToStr(n * 3.9L) + "/" + FloatToStr(20 + n % 7 / 3.0L) + "/" +
                          FloatToStr((n + 1) * 3.9L) + "/" + FloatToStr(20 + n % 7 / 3.0L) + "/0/";
    const int entries = int(design.Horizontal.Entries.size() + design.Vertical.Entries.size());
    design.AddedPoints = {{12.5L, entries}, {500, entries}, {987.25L, entries}};
    return design;
}
