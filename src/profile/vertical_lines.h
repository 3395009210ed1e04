// Completes the drawn steps into a closed contour: a shoulder wherever one step ends at the x
// where another begins, and the two end faces down to the axis, or to the bore where one reaches
// that end. The bore's lines take no part in the shoulders.
#pragma once

#include "analysis/analysis_state.h"
#include "canvas/canvas.h"
#include "profile/editor_state.h"

#include <QString>
#include <QStringList>

// The command that closes an outline drawn as bare steps, named in the messages of whatever
// needs the outline closed.
inline const QString kCloseOutlineHint =
    QStringLiteral("Steps drawn from the diameter fields have no shoulder lines: \"Draw vertical lines\" (the first "
                   "button of \"Operations\" in the 2D editor) adds the shoulders and both end faces.");

// Appends the shoulders, sorts the memo, appends the end faces and runs the Generate pass on
// `target`. Ends are matched by their field texts, so 40 and 40.0 do not meet. A shoulder or
// face whose vertical line the text already holds is not appended again, and an end that already
// lies on the axis (or on the bore) gets no face, so a second run only sorts. An empty memo fails with "List index
// out of bounds (0)" and changes nothing; a line that does not read stops the operation at the
// sort, with the shoulders already appended.
void DrawVerticalLines(QStringList& memo, Canvas& target, TEditorState& state, const TAnalysisState& analysis);
