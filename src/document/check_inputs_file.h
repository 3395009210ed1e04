// The shaft checks' inputs in the design file: one object, "Check". A file written before the
// checks existed has none and opens with the checks' defaults.
#pragma once

#include "check/check_inputs.h"

#include <QJsonObject>

QJsonObject CheckInputsObject(const TCheckInputs& inputs);

// Fails, naming the field, on a field missing from a present object, and naming the field and its
// range on a value outside its physical range.
TCheckInputs ReadCheckInputs(const QJsonObject& document);
