// The program's command line: what the user asked for, read before any window exists, so that
// help, the version, the checks and the exports need no display.
#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

enum class TCommandMode { Windows, Help, Version, Usage, Check, ExportStl, ExportDxf, ExportPdf };

struct TCommandLine {
    TCommandMode Mode = TCommandMode::Windows;
    QStringList Files;  // designs to open, check or export
    QString Output;     // the file an export writes
    bool Json = false;  // checks as JSON documents
    QString Text;       // what Help, Version and Usage print
};

// Reads the arguments (the program's name first, as in argv).
TCommandLine ParseCommandLine(const QStringList& arguments);

// The same from the bytes the system gave. An argument that does not read back to the same bytes
// would name another file than the one given: it makes a Usage line that shows its bytes.
TCommandLine ParseRawCommandLine(const QByteArrayList& rawArguments);
