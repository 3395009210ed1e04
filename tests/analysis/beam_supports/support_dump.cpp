// Solves the beams read from standard input, one a line, and writes the program's reactions for
// check_supports.py to hold against its own beam model.
//   in:  nSupports (x k)... nLoads (x F C)... E nPieces (x1 x2 d1 d2)...; no pieces: a uniform beam
//        of unknown E*I; a piece's diameter runs linearly from d1 at x1 to d2 at x2 (mm, MPa)
//   out: the reactions in the supports' order, or "refused <message>"
#include "analysis/continuous_beam.h"
#include "common/errors.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

namespace {

struct TPiece {
    long double X1, X2, D1, D2;
};

TBeamSection Section(std::istream& in)
{
    long double modulus = 0;
    size_t count = 0;
    in >> modulus >> count;
    std::vector<TPiece> pieces(count);
    TBeamSection section;
    for (TPiece& piece : pieces) {
        in >> piece.X1 >> piece.X2 >> piece.D1 >> piece.D2;
        section.Joints.push_back(piece.X1);
    }
    if (pieces.empty()) return section;
    section.Rigidity = [pieces, modulus](long double x) {
        size_t n = 0;
        while (n + 1 < pieces.size() && x >= pieces[n].X2) ++n;
        const TPiece& p = pieces[n];
        const long double d = p.D1 + (p.D2 - p.D1) * (x - p.X1) / (p.X2 - p.X1);
        return modulus * 3.141592653589793238462643383279502884L * std::pow(d, 4) / 64;
    };
    return section;
}

void SolveAndPrint(const std::string& line)
{
    std::istringstream in(line);
    size_t count = 0;
    in >> count;
    std::vector<TBeamSupport> supports(count);
    for (TBeamSupport& support : supports) in >> support.Position >> support.Stiffness;
    in >> count;
    std::vector<TBeamLoad> loads(count);
    for (TBeamLoad& load : loads) in >> load.Position >> load.Force >> load.Couple;
    const TBeamSection section = Section(in);
    try {
        for (const long double reaction : SupportReactions(supports, loads, section)) std::printf(" %.21Lg", reaction);
        std::printf("\n");
    } catch (const KorvelError& error) {
        std::printf("refused %s\n", error.what());
    }
}

} // namespace

int main()
{
    std::string line;
    while (std::getline(std::cin, line)) SolveAndPrint(line);
    return 0;
}
