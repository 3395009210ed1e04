// The design file: a small, versioned JSON document that holds a TDesign.
#pragma once

#include "document/design.h"

#include <QByteArray>

inline const QString kDesignFormat = QStringLiteral("Korvel design");
constexpr int kDesignVersion = 1;

// Indented, keys in a fixed order, every number as a text that reads back to the same value.
QByteArray DesignToJson(const TDesign& design);

// Reads the whole document and checks it before it returns anything: a document that is not
// JSON, of a newer version, short of a field, with a field of the wrong kind, or with an entry
// that the load entry or the editor would refuse, fails with one message naming what is wrong.
TDesign DesignFromJson(const QByteArray& json);
