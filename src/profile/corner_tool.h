// The corner tool: a fillet or a chamfer where a horizontal and a vertical line of the drawing
// meet. Both lines are shortened at their common end and the gap is closed by a quarter arc or a
// sloped line. All numbers are the absolute values of the line records, so a line picked on the
// mirrored half acts as its upper copy.
#pragma once

#include "profile/dhl_statement.h"
#include "profile/editor_state.h"

#include <QString>
#include <QStringList>

inline const QString kCutTooLong = QStringLiteral("Raza de racordare e prea mare");
inline const QString kNegativeCut = QStringLiteral("Raza si lungimile tesiturii nu pot fi negative !");

enum class TCornerOutcome { Cut, NoCommonPoint, TooLong, NegativeSize };

struct TCornerCut {
    TCornerOutcome Outcome = TCornerOutcome::NoCommonPoint;
    TLineStatement First, Second; // the two lines after the cut
    QString Closing;              // the arc or chamfer statement; empty when none is added
};

// Cuts `firstCut` off the first line and `secondCut` off the second at their common end; one line
// must be horizontal and the other vertical. A cut longer than the vertical line is refused; one
// longer than the horizontal line turns it round. When the vertical line's ends lie at one radius
// only the horizontal line is cut and nothing closes the gap.
TCornerCut CutCorner(TLineStatement first, TLineStatement second, long double firstCut, long double secondCut,
                     long double radius, bool chamfer);

// The first left press of the tool: marks the line under the pointer as the first line. Returns
// whether the text changed.
bool PickFirstCornerLine(TEditorState& state, QStringList& memo);
// The second press: marks the line under the pointer as the second one, unless it is the first
// line's own statement or the two are not one horizontal and one vertical line. Returns whether
// the press was taken.
bool PickSecondCornerLine(TEditorState& state, QStringList& memo);
// Why the press would not take the line under the pointer as the second line, when the reason is
// the user's to mend: the two lines are not one horizontal and one vertical line. Empty otherwise.
QString SecondCornerLineProblem(const TEditorState& state);
// After a second line was taken and the table rebuilt: cuts the corner, writes both lines back
// unmarked and appends the closing statement; the tool then waits for a first line again.
TCornerOutcome FinishCorner(TEditorState& state, QStringList& memo);
