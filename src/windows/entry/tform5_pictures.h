// The pictures of the eccentric axial force: two cases side by side, each an axial force F at
// the end of a lever H across the shaft axis, with the sense of the moment it gives.
#pragma once

#include <QImage>

inline constexpr int kEccentricPictureWidth = 220;
inline constexpr int kEccentricPictureHeight = 56;

// Lever above the axis (upper picture) or below it (lower picture); in both the left case has
// F pointing right and the right case F pointing left.
QImage EccentricForcePicture(bool leverAbove);
