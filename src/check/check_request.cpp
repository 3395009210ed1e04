#include "check/check_request.h"

namespace {

void Append(std::vector<long double>& numbers, const Tav& diagram)
{
    numbers.push_back(diagram.size());
    for (const TMomentPoint& point : diagram) numbers.insert(numbers.end(), {point.Position, point.Left, point.Right});
}

} // namespace

TCheckRequest MakeCheckRequest(const TAnalysisState& analysis, const std::vector<long double>& loads,
                               const QStringList& memo, uint8_t arcSteps, const TCheckInputs& inputs)
{
    TCheckRequest request{memo, arcSteps, {}, loads, inputs};
    Append(request.Analysis, analysis.HorzDiagram);
    Append(request.Analysis, analysis.VertDiagram);
    for (const Tvector& bearing : analysis.Reactions) {
        request.Analysis.push_back(bearing.Position);
        for (QChar c : bearing.Name) request.Analysis.push_back(c.unicode());
    }
    return request;
}
