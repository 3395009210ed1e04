// The two load conversions of the entry window: a distributed load to its resultant point force,
// and an eccentric axial force to a concentrated moment. Texts in, texts out.
#pragma once

#include <QString>

enum class TLoadCase { Uniform, Rising, Falling, Trapezoid };

// The fields of the distributed-load window as typed: start X, intensity F (N/mm), length L and
// plateau length L2 (trapezoid only).
struct TDistributedLoadTexts {
    QString X;
    QString F;
    QString L;
    QString L2;
};

inline const QString kMissingData = QStringLiteral("Nu au fost introduse toate datele !");
inline const QString kWrongData = QStringLiteral("Datele nu au fost introduse corect !");

// Fails with kMissingData when a field that the case needs is empty.
void CheckDistributedLoadComplete(TLoadCase loadCase, const TDistributedLoadTexts& texts);

// Position of the resultant, mm, in general format; a field that is not a number fails with
// kWrongData.
QString ResultantPositionText(TLoadCase loadCase, const TDistributedLoadTexts& texts);
// Value of the resultant, N, in general format; fails as above.
QString ResultantValueText(TLoadCase loadCase, const TDistributedLoadTexts& texts);

// The moment H * F of an axial force F (N) acting at the lever H (mm), with three decimals.
QString EccentricMomentText(const QString& forceText, const QString& leverText);
