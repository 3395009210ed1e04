#include "dimensioning/materials.h"

#include "common/number_text.h"
#include "dimensioning/stress_checks.h"

const std::array<TMaterial, 8>& MaterialTable()
{
    // Yield stresses, minimum values of the standard grades whose breaking stress the name gives:
    // structural steels S235, E295, E335, E360; quenched and tempered 34CrMo4 and 42CrMo4; cast
    // steels GE200 and GE240.
    static const std::array<TMaterial, 8> table{{
        {"Carbon steel, breaking stress 400 MPa", 130, 70, 40, 400, 235},
        {"Carbon steel, breaking stress  500 MPa", 170, 75, 45, 500, 295},
        {"Carbon steel, breaking stress 600 MPa", 200, 95, 55, 600, 335},
        {"Carbon steel, breaking stress 700 MPa", 230, 110, 65, 700, 360},
        {"Alloyed steel, breaking stress 800 MPa", 270, 130, 75, 800, 550},
        {"Alloyed steel, breaking stress 1000 MPa", 330, 150, 90, 1000, 750},
        {"Cast steel, breaking stress 400 MPa", 100, 50, 30, 400, 200},
        {"Cast steel, breaking stress 500 MPa", 120, 70, 40, 500, 240},
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
