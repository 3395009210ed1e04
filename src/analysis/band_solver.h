// Symmetric positive definite systems whose nonzeros lie within three places of the diagonal, as
// a beam's stiffness with a deflection and a rotation at each node is: solved in O(n).
#pragma once

#include <array>
#include <vector>

// Row i holds K(i, i), K(i, i + 1), K(i, i + 2), K(i, i + 3).
using TBandMatrix = std::vector<std::array<long double, 4>>;

// Solves K u = f by LDL^T factors without pivoting (Golub and Van Loan, Matrix Computations,
// 4th ed., sec. 4.3, band LDL^T), which needs K positive definite; `matrix` is left factored.
// Fails with "Floating point division by zero" on a zero or negative pivot.
std::vector<long double> SolveBand(TBandMatrix& matrix, std::vector<long double> loads);
