// Files written whole or not at all: the bytes go to a temporary file beside the target, which
// replaces the target only once everything is on disk. Every file the program writes goes
// through here, so that a full disk never leaves a cut or empty file in place of a good one.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The reason the file could not be written ("No space left on device"), or nothing when it was;
// on failure an existing file stays byte for byte as it was.
std::optional<QString> TryWriteWholeFile(const QString& fileName, const QByteArray& bytes);

// Fails with one message naming the file and the reason; an existing file then stays as it was.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);
