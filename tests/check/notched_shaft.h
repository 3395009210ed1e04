// A shaft the strength table passes everywhere: 200 mm on bearings at 0 and 200, one load at 100
// bending it to 900000 N*mm, MT = 200000 N*mm constant, alloyed steel of 1000 MPa (sigma aIII =
// 90 MPa, alpha = 0.273, 3rd theory). It is 40 mm thick up to a shoulder at 60 and 60 mm beyond;
// at the shoulder M = 540000 N*mm needs 39.46 mm.
#pragma once

#include "analysis/analysis_state.h"
#include "check/fatigue_check.h"
#include "dimensioning/materials.h"

#include <QStringList>

struct TNotchedShaft {
    TNotchedShaft()
    {
        analysis.ShaftLength = 200;
        analysis.Points = {{1, 0}, {0, 100}, {1, 200}};
        analysis.HorzDiagram = {{0, 0, 0}, {900000, 900000, 100}, {0, 0, 200}};
        analysis.VertDiagram = {{0, 0, 0}, {0, 0, 100}, {0, 0, 200}};
        analysis.TorsionCoeff = 0.273L;
        analysis.AllowBendStress = 90;
        data.SetMT(200000);
        data.SetT3(true);
        material.UltimateStrength = 1000;
        material.YieldStrength = 750;
    }

    // The sharp shoulder, or with a fillet of radius 2 in its inner corner as the corner tool draws it.
    static QStringList Drawing(bool fillet)
    {
        if (!fillet) return {"line 0/0/0/20/0/", "line 0/20/60/20/0/", "line 60/20/60/30/0/", "line 60/30/200/30/0/",
                             "line 200/30/200/0/0/"};
        return {"line 0/0/0/20/0/", "line 0/20/58/20/0/", "line 60/22/60/30/0/", "line 60/30/200/30/0/",
                "line 200/30/200/0/0/", "arc 56/24/60/20/60/22/58/20/"};
    }

    TFatigueCheck Check(const QStringList& drawing, TTwistCycle cycle = TTwistCycle::Constant) const
    {
        return CheckFatigue(analysis, data, cycle, {FindNotches(drawing), DrawnContour(drawing, 20)}, material);
    }

    TAnalysisState analysis;
    TData data;
    TFatigueMaterial material;
};
