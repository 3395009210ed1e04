// Where along the shaft the twisting moment acts: between the member that brings it in and the
// one that takes it out. Outside the span the shaft carries no torque.
#pragma once

#include <optional>

struct TTwistSpan {
    std::optional<long double> From; // mm; none: from the shaft's left end
    std::optional<long double> To;   // mm; none: to its right end

    bool Contains(long double x) const { return (!From || x >= *From) && (!To || x <= *To); }
    bool operator==(const TTwistSpan&) const = default;
};
