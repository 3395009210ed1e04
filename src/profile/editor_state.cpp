// The profile editor's state, and the rule that keeps its picks on the statements they name.
#include "profile/editor_state.h"

TEditorState::TEditorState() : DrawingBitmap(650, 200, QImage::Format_RGB32), DrawingCanvas(DrawingBitmap)
{
    DrawingBitmap.fill(Qt::white);
}

void DropPicks(TEditorState& state)
{
    state.HoverIndex = state.HighlightIndex = state.SnapIndex = state.FirstLineIndex = state.SelectedIndex = -1;
    state.LineStartPicked = state.FirstLinePicked = false;
    state.StartBoxShown = state.EndBoxShown = false;
}

bool TableDescribes(TEditorState& state, const QStringList& memo)
{
    if (memo == state.TableText) return true;
    DropPicks(state);
    return false;
}

void KeepPicksFor(TEditorState& state, const QStringList& memo) { state.TableText = memo; }
