// The pointer tools of the profile editor, over the editor state and the drawing text: tracking
// of the line and the line end under the pointer, drawing a line between two line ends, and
// picking, modifying and deleting a line. No tool turns a pixel into millimetres: every number
// written comes from a line record or from a typed text.
#pragma once

#include "canvas/canvas.h"
#include "profile/editor_state.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

enum class TTool { Draw, Modify, Delete, Fillet, Chamfer };

// Turns the chosen tool on and the others off; a picked line start or first corner line stays.
void SelectTool(TEditorState& state, TTool tool);
// Every tool off, the picked line start and first corner line dropped.
void LeaveTools(TEditorState& state);

// The texts of the six read-outs: x1, r1, x2, r2, dx, dy.
using TReadOuts = std::array<QString, 6>;
TReadOuts ReadOutTexts(const TLineRecord& record);
TReadOuts ClearedReadOuts();

// What one pointer move draws over the picture, in table order: a highlighted record or a green
// box round a line end.
struct TTrackMark {
    int Record = -1;  // highlighted record, or -1 for a box
    TLineRecord Line; // the highlighted record as the move found it
    QPoint Centre;    // the boxed line end, in pixels
};

struct TTracking {
    std::vector<TTrackMark> Marks;
    bool Redraw = false;               // a highlight or a box has gone: the picture is redrawn once
    std::optional<TReadOuts> ReadOuts; // new read-out texts, when they change
};

// Tests every line record against the pointer pixel (x, y) and updates the hover, highlight and
// snap state. A table built from another text than `memo` is not tracked: the picks go and the
// move asks for the redraw that rebuilds it. Without a shaft length nothing is tracked.
TTracking TrackPointer(TEditorState& state, const QStringList& memo, int x, int y, long double shaftLength);
// Draws the marks of a move: highlights in blue (a marked line stays red), boxes in green.
void DrawTracking(Canvas& canvas, const TTracking& tracking, const TEditorState& state, long double shaftLength);

// "line |X1|/|Y1|/|X2|/|Y2|/flag/": a record written back with positive radii.
QString AbsoluteLineText(const TLineRecord& record, const QString& flag);
// Puts `text` in place of the line statement that record `recordIndex` was built from.
void ReplaceRecordStatement(QStringList& memo, int recordIndex, const QString& text);

// The tools below act only while the line table describes `memo` (otherwise they drop every pick
// and change nothing), and keep their picks across their own edits.

// A left press of "Draw lines": the first takes the boxed end as the start, the second appends
// the line to the last boxed end. Returns whether the text changed.
bool DrawLinesPress(TEditorState& state, QStringList& memo);

// A left press of "Modify lines" or "Delete lines": marks the line last under the pointer and
// selects it. Returns the four coordinates for the edit boxes, or nothing when no line is held.
std::optional<std::array<QString, 4>> PickLine(TEditorState& state, QStringList& memo);

// "Modify": the selected statement becomes the four typed numbers, as typed. A text that is not a
// number fails with the conversion message before anything changes. Returns whether it changed.
bool ModifySelected(TEditorState& state, QStringList& memo, const std::array<QString, 4>& texts);
// "Delete": deletes the selected statement; the selection stays on its place, so the next press
// deletes the statement that moves into it. Returns whether it changed.
bool DeleteSelected(TEditorState& state, QStringList& memo);
