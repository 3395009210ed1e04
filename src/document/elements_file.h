// The parts mounted on the shaft in the design file: the list "Elements" and the shaft's
// "Rotation". Files written before version 4 have neither and open without elements.
#pragma once

#include "document/design.h"
#include "document/json_fields.h"

#include <QJsonArray>

QJsonArray ElementsArray(const std::vector<TMachineElement>& elements);
QString RotationText(TShaftRotation rotation);

// Fails, naming the field, on a field missing or of the wrong kind.
std::vector<TMachineElement> ReadElements(const TJsonFields& fields, int version);
TShaftRotation ReadRotation(const TJsonFields& fields, int version);
