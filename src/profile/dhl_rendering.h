// The Generate pass: the drawing text turned into the editor's picture of the shaft's
// longitudinal section, each statement drawn as written and mirrored about the axis, and the
// line table rebuilt on the way. The bore's lines are drawn the same way, with no line records.
#pragma once

#include "analysis/analysis_state.h"
#include "canvas/canvas.h"
#include "profile/dhl_statement.h"
#include "profile/editor_state.h"

#include <QStringList>

// One line record with the line pen (red while marked) and its end marks.
void DrawLineRecord(Canvas& canvas, const TLineRecord& record, const TEditorState& settings,
                    long double shaftLength);
// One arc, counter-clockwise on the canvas from its start to its end point, with its end marks.
void DrawArc(Canvas& canvas, const TArcStatement& arc, const TEditorState& settings, long double shaftLength);

// Redraws `DrawingBitmap` from the memo lines (the analysed positions underneath, the overlays
// whose switches are on) and copies it to the top-left corner of `target`. A statement that
// does not read stops the pass with its message: the records so far stay in the line table and
// `target` keeps its previous picture. A text other than the one the table was built from drops
// every pick, as the table is rebuilt from the new one.
void Generate(const QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis);
// The pass a pointer move asks for to take a highlight away: a failure that repeats the last
// pass's over the same text is not said again, so a half-typed statement is reported once per
// text and not once per move.
void GenerateAgain(const QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis);

// Unmarks the marked horizontal and vertical line statements (a marked chamfer stays marked),
// drops the selection and redraws; an empty memo only drops the selection. Arc statements are
// not read, so a malformed one fails only in the redraw, after the unmarking.
void ClearMarks(QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis);
