#include "profile/editor_state.h"

TEditorState::TEditorState() : DrawingBitmap(650, 200, QImage::Format_RGB32), DrawingCanvas(DrawingBitmap)
{
    DrawingBitmap.fill(Qt::white);
}
