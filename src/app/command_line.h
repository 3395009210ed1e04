// The program's command line: what the user asked for, read before any window exists, so that
// asking for help or the version needs no display.
#pragma once

#include <QString>
#include <QStringList>

enum class TCommandMode { Windows, Help, Version, Usage };

struct TCommandLine {
    TCommandMode Mode = TCommandMode::Windows;
    QStringList Files;  // designs to open
    QString Text;       // what Help, Version and Usage print
};

// Reads the arguments (the program's name first, as in argv).
TCommandLine ParseCommandLine(const QStringList& arguments);

// Prints what a mode without windows asks for and gives the process's exit code.
int RunWithoutWindows(const TCommandLine& commandLine);
