// The lowest eigenvalue of K x = lambda M x, K and M symmetric and positive definite (a beam's
// stiffness and mass), by inverse iteration.
#pragma once

#include <Eigen/Sparse>

// A dozen steps settle a bare shaft's first mode; the rest is room for masses that bring the
// second mode close to the first, which slows the iteration.
inline constexpr int kMostInverseIterations = 500;

// Refuses, with its reason, a stiffness that cannot be factorised and an iteration that has not
// settled after `mostIterations` steps.
double LowestEigenvalue(const Eigen::SparseMatrix<double>& stiffness, const Eigen::SparseMatrix<double>& mass,
                        int mostIterations = kMostInverseIterations);
