// The shaft materials with their allowable bending stresses, breaking and yield stresses, and the
// coefficient alpha that matches the cycle of the twisting stress to the symmetrically
// alternating bending stress.
#pragma once

#include <QString>
#include <array>
#include <optional>

struct TMaterial {
    QString Name;
    long double StaticStress;      // sigma aI, MPa
    long double PulsatoryStress;   // sigma aII, MPa
    long double AlternatingStress; // sigma aIII, MPa
    long double BreakingStress;    // Sut, MPa, as the name gives it
    long double YieldStress;       // Sy, MPa: the standard minimum of a steel of that strength
};

const std::array<TMaterial, 8>& MaterialTable();

// Item order of the cycle box.
enum class TTwistCycle { Constant, Pulsatory, SymmetricAlternating };

const std::array<QString, 3>& TwistCycleNames();

// The texts of the three stress fields (sigma aI, aII, aIII) and the cycle item give the text of
// the coefficient field; no cycle item (-1) leaves the field as it is. A divisor stress that is
// not above zero fails.
std::optional<QString> TorsionCoeffText(int cycleItem, const QString& staticText,
                                        const QString& pulsatoryText,
                                        const QString& alternatingText);
