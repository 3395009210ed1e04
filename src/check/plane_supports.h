// What a shaft on three or more bearings is solved with: each bearing's stiffness, and the best
// section known when "Calculate" is pressed: the drawn profile where it spans the bearings, else
// the pre-sized diameter, else a uniform beam.
#pragma once

#include "analysis/solver.h"
#include "check/check_inputs.h"

#include <QStringList>

struct TSectionSources {
    QStringList Profile;      // the DHL drawing, one statement a line
    uint8_t ArcSteps = 0;     // chords per arc, as the editor reads the drawing
    long double PreSized = 0; // the dimensioning's diameter, mm; 0: not pre-sized
};

// For two bearings only the stiffness is filled: their reactions need no section.
TPlaneSupports PlaneSupports(const TAnalysisState& state, const TSectionSources& sources, const TCheckInputs& inputs);

// Whether a plane solved on three or more bearings was made with another section or other
// stiffness than `supports` now give.
bool MadeForAnotherSection(const TAnalysisState& state, const TPlaneSupports& supports);
// What the Shaft check says then, or an empty text.
QString AnotherSectionText(const TAnalysisState& state, const TPlaneSupports& supports);
