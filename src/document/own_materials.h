// The engineer's own materials: kept in a file beside the program's settings, so that every design
// on this machine can pick them. A design that uses one keeps its strengths and constants in its
// own check inputs, and so opens anywhere.
#pragma once

#include "check/steel_grades.h"

#include <QString>
#include <vector>

// "materials.json" in the folder of the program's settings file.
QString OwnMaterialsPath();

// An own material: one pair of strengths for every diameter.
TSteelGrade OwnMaterial(const QString& name, long double ultimate, long double yield, long double modulus,
                        long double shear, long double density);

// Why a new material cannot be kept: an empty or taken name, a value outside its physical range,
// or Sy above Sut. Empty when it can.
QString OwnMaterialProblem(const TSteelGrade& material, const std::vector<TSteelGrade>& taken);

// The file's materials; none when there is no file. A file that cannot be read fails, naming it.
std::vector<TSteelGrade> ReadOwnMaterials(const QString& path);
// Writes the whole list at once (QSaveFile): a failed write leaves the old file whole.
void SaveOwnMaterials(const QString& path, const std::vector<TSteelGrade>& materials);
