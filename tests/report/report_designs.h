// Designs for the report's tests: a stepped shaft as a workshop draws it, and a crowded one.
#pragma once

#include "../document/design_samples.h"

// 200 mm on bearings at 10 and 190, 1000 N at 60 and 1500 N at 140 in both planes: a journal of
// 40, a fillet R 2 up to the 60 body, a chamfer 2 x 45 deg at the right end.
inline TDesign SteppedDesign()
{
    TDesign design = SmallDesign();
    design.ShaftLength = 200;
    design.Horizontal.Entries = {{TEntryKind::Bearing, 10, 0, 1}, {TEntryKind::Bearing, 190, 0, 1},
                                 {TEntryKind::Force, 60, 1000, 0}, {TEntryKind::Force, 140, 1500, 0}};
    design.Vertical.Entries = {{TEntryKind::Force, 60, 1000, 1}, {TEntryKind::Moment, 140, 20000, 1}};
    design.Profile = {"line 0/0/0/20/0/",    "line 0/20/58/20/0/",   "arc 56/24/60/20/60/22/58/20/",
                      "line 60/22/60/30/0/", "line 60/30/198/30/0/", "line 198/30/200/28/0/",
                      "line 200/28/200/0/0/"};
    design.AddedPoints = {};
    return design;
}

// The stepped shaft bored through: Ø20 to x = 100, Ø25 from there to the end.
inline TDesign BoredDesign()
{
    TDesign design = SteppedDesign();
    design.Profile << "bore 0/10/100/10/" << "bore 100/10/100/12.5/" << "bore 100/12.5/200/12.5/";
    return design;
}

// Twelve short steps of 4 mm growing by 2 mm, each with a fillet R 0.4 at its shoulder, on a
// 60 mm body: more dimensions than the paper holds at a glance.
inline TDesign CrowdedDesign()
{
    TDesign design = SteppedDesign();
    QStringList drawing = {"line 0/0/0/10/0/"};
    double x = 0, r = 10;
    for (int step = 0; step < 12; ++step, r += 1) {
        drawing << QString("line %1/%2/%3/%2/0/").arg(x).arg(r).arg(x + 3.6);
        drawing << QString("arc %1/%2/%3/%4/%3/%5/%6/%4/").arg(x + 3.2).arg(r + 0.8).arg(x + 4).arg(r).arg(r + 0.4).arg(x + 3.6);
        drawing << QString("line %1/%2/%1/%3/0/").arg(x + 4).arg(r + 0.4).arg(r + 1);
        x += 4;
    }
    drawing << QString("line %1/%2/200/%2/0/").arg(x).arg(r) << QString("line 200/%1/200/0/0/").arg(r);
    design.Profile = drawing;
    return design;
}
