// The shaft's elements as the planes and the checks take them: their loads entered after the
// hand entries of a plane, just before it is calculated, and what they hand on besides (T(x),
// the axial force).
#pragma once

#include "analysis/analysis_state.h"
#include "elements/machine_elements.h"

#include <QStringList>

// "gear 1", "bevel gear 1", "pulley 2", "sprocket 1", "coupling 1": counted by kind, in the
// elements' order. The window lists them under these names and the page names their loads so.
QStringList ElementNames(const std::vector<TMachineElement>& elements);

// Enters the plane's loads of every element after the loads entered by hand, all of them or none
// (a 256th force is refused with the load entry's message), each named after its element in the
// state. Returns the terms entered, in entry order, for the page to draw.
Tincarcare EnterElementLoads(TAnalysisState& state, const std::vector<TMachineElement>& elements,
                             const TShaftDrive& drive, bool horizontal);

// T(x) and the axial force for the checks; torques that do not balance leave T(x) empty and say
// by how much they miss.
TElementDrive ElementDriveOf(const std::vector<TMachineElement>& elements, const TShaftDrive& drive);

// Fails with the element's message, naming the element, when one cannot be resolved.
void CheckElements(const std::vector<TMachineElement>& elements, const TShaftDrive& drive);

// Whether an element is given as a power: its torque, and so its loads, follow the shaft's speed.
bool FollowsSpeed(const std::vector<TMachineElement>& elements);
