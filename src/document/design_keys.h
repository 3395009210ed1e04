// The texts that name the design file's choices, shared by its writer and its reader; the index
// of a text is the value of the enumeration it stands for.
#pragma once

#include <QStringList>

inline const QStringList kEntryKindNames{"bearing", "force", "moment"};
inline const QStringList kPlaneStepNames{"not started", "length", "bearings", "forces",
                                         "moments",     "calculate", "calculated"};
inline const QStringList kSlicesNames{"32", "16", "spin"};
