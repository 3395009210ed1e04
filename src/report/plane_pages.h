// The diagram page of each plane drawn again from a design, pixel for pixel as the page window
// draws it while the plane is entered and calculated, with the figures the calculation wrote and
// the names the entry gave the loads.
#pragma once

#include "analysis/load_model.h"
#include "document/design.h"

#include <QImage>
#include <QString>
#include <vector>

struct TPlanePage {
    bool Horizontal = true;
    bool Calculated = false;
    QImage Page; // 595 wide, 860 rows or a grown report's whole pages
    // What the calculation wrote, in the page's own words; empty before "Calculate".
    QString Reactions;       // "RHA = 500.00 N   RHB = 500.00 N"
    QString Maxima;          // "Fmax= 500.00 N    Mmax= 25000.00 N*mm"
    QString CriticalSection; // "Critical cross section = section 2"
    QString Method;          // three or more bearings: how the reactions were found; else empty
    std::vector<long double> BearingReactions; // N, A, B, C, ... as entered
    // The scheme as entered and the solver's results, for the diagrams drawn again as lines.
    long double ShaftLength = 0; // mm
    Tincarcare Bearings;         // in the order of entry, named as this plane names them
    Tincarcare ForceTerms, MomentTerms;
    Tav2 ShearPoints;  // N, one per segment between neighbouring force terms
    Tav MomentPoints;  // N*mm, one per moment term
};

// A load as the entry named it ("FH1", "MV2", "RHA").
struct TEnteredLoad {
    bool Horizontal = true;
    TEntryKind Kind = TEntryKind::Force;
    Tvector Load;
};

struct TPlanePages {
    std::vector<TPlanePage> Planes; // the planes that were started, horizontal first
    std::vector<TEnteredLoad> Loads; // in entry order
};

// Fails with the replay's message where a window would refuse the design.
TPlanePages ReplayPlanePages(const TDesign& design);
