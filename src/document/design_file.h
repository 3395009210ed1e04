// The design file: a small, versioned JSON document that holds a TDesign.
#pragma once

#include "document/design.h"

#include <QByteArray>

inline const QString kDesignFormat = QStringLiteral("Korvel design");

// No design comes near this; a larger file is refused unread.
constexpr qint64 kLargestDesignFile = 32 * 1024 * 1024;

// The bytes of a design file; fails with a message naming the file when it cannot be read, is
// not a regular file (a pipe, a device, a folder) or is larger than kLargestDesignFile. Every
// reader of a design goes through here.
QByteArray ReadDesignFile(const QString& fileName);

// Writes the file whole or not at all; fails with a message naming the file and the reason, and
// an existing file then stays as it was.
void SaveDesignFile(const QString& fileName, const QByteArray& bytes);

// Indented, keys in a fixed order, every number as a text that reads back to the same value.
QByteArray DesignToJson(const TDesign& design);

// Reads the whole document and checks it before it returns anything: a document that is not
// JSON, of a newer version, short of a field, with a field of the wrong kind, or with an entry
// that the load entry or the editor would refuse, fails with one message naming what is wrong.
TDesign DesignFromJson(const QByteArray& json);

// What a design read from an older file does differently now, to be told once as it opens, or an
// empty text: before version 3 only bearings A and B carried load, so the reactions of a shaft on
// three or more bearings are not those it was saved with.
QString OlderDesignNotice(const TDesign& design);
