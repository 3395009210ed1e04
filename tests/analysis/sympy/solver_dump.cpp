// Solves the shafts read from standard input, one a line, and writes the program's answers for
// check_solver.py to hold against SymPy's beam module.
//   in:  L posA posB nForces (pos value direction)... nMoments (pos value direction)...
//   out: RA RB Mmax nPoints (pos left right section)... nMiddles (pos section)...
// A shaft the program refuses is written as "refused <message>".
#include "analysis/load_entry.h"
#include "analysis/solver.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "diagrams/section_moment.h"

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

long double Next(std::istream& in)
{
    std::string token;
    in >> token;
    return StrToFloat(QString::fromStdString(token));
}

void AddLoads(std::istream& in, TAnalysisState& state, bool moments)
{
    const int count = static_cast<int>(Next(in));
    for (int i = 0; i < count; ++i) {
        const long double position = Next(in);
        const long double value = Next(in);
        const bool direction = Next(in) == 1;
        if (moments) AddMoment(state, position, value, direction, true);
        else AddForce(state, position, value, direction, true);
    }
}

void Print(long double value) { std::printf(" %.21Lg", value); }

void SolveAndPrint(const std::string& line)
{
    std::istringstream in(line);
    TAnalysisState state;
    ApplyShaftLength(state, Next(in));
    AddBearing(state, Next(in), true);
    AddBearing(state, Next(in), true);
    AddLoads(in, state, false);
    AddLoads(in, state, true);
    TData data;
    data.SetOriz(true);
    SolvePlane(state, data);

    const Tav& diagram = state.HorzDiagram;
    std::printf("%.21Lg %.21Lg %.21Lg %zu", static_cast<long double>(state.HorzReactions[0]),
                static_cast<long double>(state.HorzReactions[1]), state.Mmax, diagram.size());
    for (const TMomentPoint& point : diagram) {
        for (const long double value : {point.Position, point.Left, point.Right, PlaneMoment(diagram, point.Position)})
            Print(value);
    }
    std::printf(" %zu", diagram.size() - 1);
    for (size_t i = 0; i + 1 < diagram.size(); ++i) {
        const long double middle = (diagram[i].Position + diagram[i + 1].Position) / 2;
        Print(middle);
        Print(PlaneMoment(diagram, middle));
    }
    std::printf("\n");
}

} // namespace

int main()
{
    SetDecimalSeparator('.');
    std::string line;
    while (std::getline(std::cin, line)) {
        try {
            SolveAndPrint(line);
        } catch (const KorvelError& error) {
            std::printf("refused %s\n", qPrintable(error.Text()));
        }
    }
    return 0;
}
