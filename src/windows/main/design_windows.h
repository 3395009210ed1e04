// The open design as the windows hold it: taken from them for saving, and given back to a window
// set in its start state by pressing through the same handlers the user pressed.
#pragma once

#include "document/design.h"

#include <QByteArray>

// How the shaft runs now: the Shaft check's speed and the applied sense of rotation.
TShaftDrive ShaftDriveNow();

// The texts of numbers with "." whatever separator the windows show.
TDesign CaptureDesign();

// `design` must have passed its check; the windows must be as the program starts.
void ApplyDesign(const TDesign& design);

// Enters both planes of `design` again, from a new shaft, and its editor's points, over the
// windows as they stand: nothing else of the open design changes. `design` must have passed
// its check.
void ReplayPlanes(const TDesign& design);

// A plane started anew with nothing entered yet gives way to the design it replaced: its planes
// are entered again, page and all. Nothing happens when no start is pending.
void PutBackReplacedDesign();

// The windows put back to their start state, then given `design`.
void ReplaceDesign(const TDesign& design);

// Reads and checks the whole document, then puts the windows back to their start state and
// replays it and returns it. A document that fails leaves the open design on screen and fails
// with the reason.
TDesign OpenDesignDocument(const QByteArray& json);
