#include "dimensioning/materials.h"

#include "common/number_text.h"
#include "dimensioning/stress_checks.h"

const std::array<TMaterial, 8>& MaterialTable()
{
    static const std::array<TMaterial, 8> table{{
        {"Carbon steel, breaking stress 400 MPa", 130, 70, 40},
        {"Carbon steel, breaking stress  500 MPa", 170, 75, 45},
        {"Carbon steel, breaking stress 600 MPa", 200, 95, 55},
        {"Carbon steel, breaking stress 700 MPa", 230, 110, 65},
        {"Alloyed steel, breaking stress 800 MPa", 270, 130, 75},
        {"Alloyed steel, breaking stress 1000 MPa", 330, 150, 90},
        {"Cast steel, breaking stress 400 MPa", 100, 50, 30},
        {"Cast steel, breaking stress 500 MPa", 120, 70, 40},
    }};
    return table;
}

const std::array<QString, 3>& TwistCycleNames()
{
    static const std::array<QString, 3> names{"Costant", "Pulsatory", "Symetrically alternant"};
    return names;
}

namespace {

QString CoefficientText(const QString& alternatingText, const QString& divisorText)
{
    const long double alternating = StrToFloat(alternatingText);
    return FormatFloat("0.000", alternating / ReadAllowBendStress(divisorText));
}

} // namespace

std::optional<QString> TorsionCoeffText(int cycleItem, const QString& staticText,
                                        const QString& pulsatoryText,
                                        const QString& alternatingText)
{
    switch (static_cast<TTwistCycle>(cycleItem)) {
    case TTwistCycle::Constant: return CoefficientText(alternatingText, staticText);
    case TTwistCycle::Pulsatory: return CoefficientText(alternatingText, pulsatoryText);
    case TTwistCycle::SymmetricAlternating: return QString("1");
    }
    return std::nullopt;
}
