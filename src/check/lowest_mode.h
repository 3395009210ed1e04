// The lowest eigenvalue of K x = lambda M x, K and M symmetric and positive definite (a beam's
// stiffness and mass), by inverse iteration.
#pragma once

#include <Eigen/Sparse>

inline constexpr int kMostInverseIterations = 500;

// Refuses, with its reason, a stiffness that cannot be factorised and an iteration that has not
// settled after `mostIterations` steps.
double LowestEigenvalue(const Eigen::SparseMatrix<double>& stiffness, const Eigen::SparseMatrix<double>& mass,
                        int mostIterations = kMostInverseIterations);
