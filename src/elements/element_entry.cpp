#include "elements/element_entry.h"

#include "common/errors.h"
#include "elements/torque_diagram.h"

#include <algorithm>
#include <map>

namespace {

QString KindName(TElementKind kind)
{
    switch (kind) {
    case TElementKind::Gear: return QStringLiteral("gear");
    case TElementKind::BevelGear: return QStringLiteral("bevel gear");
    case TElementKind::BeltPulley: return QStringLiteral("pulley");
    case TElementKind::ChainSprocket: return QStringLiteral("sprocket");
    case TElementKind::Coupling: break;
    }
    return QStringLiteral("coupling");
}

std::vector<TElementLoads> ResolveAll(const std::vector<TMachineElement>& elements, const TShaftDrive& drive)
{
    std::vector<TElementLoads> loads;
    loads.reserve(elements.size());
    for (const TMachineElement& element : elements) loads.push_back(ResolveElement(element, drive));
    return loads;
}

} // namespace

QStringList ElementNames(const std::vector<TMachineElement>& elements)
{
    std::map<TElementKind, int> counts;
    QStringList names;
    for (const TMachineElement& element : elements)
        names << KindName(element.Kind) + ' ' + QString::number(++counts[element.Kind]);
    return names;
}

Tincarcare EnterElementLoads(TAnalysisState& state, const std::vector<TMachineElement>& elements,
                             const TShaftDrive& drive, bool horizontal)
{
    const std::vector<TElementLoads> resolved = ResolveAll(elements, drive);
    const QStringList names = ElementNames(elements);
    std::vector<TPlaneLoad> loads;
    QStringList forceNames, momentNames;
    for (size_t i = 0; i < resolved.size(); ++i)
        for (const TPlaneLoad& load : horizontal ? resolved[i].Horizontal : resolved[i].Vertical) {
            loads.push_back(load);
            (load.Couple ? momentNames : forceNames) << names[qsizetype(i)];
        }
    Tincarcare terms = AddPlaneLoads(state, loads, horizontal);
    state.ElementForceNames = forceNames;
    state.ElementMomentNames = momentNames;
    return terms;
}

TElementDrive ElementDriveOf(const std::vector<TMachineElement>& elements, const TShaftDrive& drive)
{
    TElementDrive result;
    if (elements.empty()) return result;
    result.AxialForce = SumAxialForces(ResolveAll(elements, drive));
    const TTorqueBalance balance = TorqueBalance(elements, drive);
    result.TorqueSum = balance.Sum;
    result.Balanced = balance.Balanced;
    if (balance.Balanced) result.Steps = TorqueSteps(elements, drive);
    return result;
}

void CheckElements(const std::vector<TMachineElement>& elements, const TShaftDrive& drive)
{
    const QStringList names = ElementNames(elements);
    for (size_t i = 0; i < elements.size(); ++i) {
        try {
            ResolveElement(elements[i], drive);
        } catch (const KorvelError& error) {
            RaiseError(names[qsizetype(i)] + ": " + error.Text());
        }
    }
}

bool FollowsSpeed(const std::vector<TMachineElement>& elements)
{
    return std::any_of(elements.begin(), elements.end(), [](const TMachineElement& e) { return e.GivenAsPower; });
}
