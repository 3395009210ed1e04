// Files written whole or not at all: the bytes go to a temporary file beside the target, which
// replaces the target only once everything is on disk.
#pragma once

#include <QByteArray>
#include <QString>

// Fails with one message naming the file and the reason; an existing file then stays as it was.
void WriteWholeFile(const QString& fileName, const QByteArray& bytes);
