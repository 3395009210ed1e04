// The two load conversions of the entry window: a distributed load to its resultant point force,
// and an eccentric axial force to a concentrated moment. Texts in, texts out.
#pragma once

#include <QString>
#include <QStringList>

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

enum class TDistributedField { None, X, F, L, L2 };

// The field a refusal of the conversion is about: the first empty field that the case needs,
// else the first that is not a number, in the order the conversion reads them. None when every
// field reads and the arithmetic failed.
TDistributedField FaultyDistributedField(TLoadCase loadCase, const TDistributedLoadTexts& texts);

// The index of the first text that is not a number, or -1 when all are.
int FirstUnreadable(const QStringList& texts);

// The moment H * F of an axial force F (N) acting at the lever H (mm), with three decimals.
QString EccentricMomentText(const QString& forceText, const QString& leverText);
