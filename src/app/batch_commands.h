// The commands that run without windows: help, version, the checks and the exports.
#pragma once

#include "app/command_line.h"

// Runs the command and gives the process's exit code: 0 done and every check asked for was made
// and holds, 1 a check fails or cannot be made, 2 a design cannot be read or written, or the
// command line is wrong.
int RunWithoutWindows(const TCommandLine& commandLine);
