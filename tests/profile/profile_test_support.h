// Shared by the drawing-text tests: the failure text of an action, and an editor set up on a
// shaft of 100 mm with an image to copy the drawing to.
#pragma once

#include "analysis/analysis_state.h"
#include "canvas/canvas.h"
#include "common/errors.h"
#include "profile/editor_state.h"

#include "test_support.h"

#include <QImage>
#include <QString>

struct TEditorFixture {
    TEditorFixture()
    {
        analysis.ShaftLength = 100;
        image.fill(QColor(200, 200, 200));
    }

    TAnalysisState analysis;
    TEditorState state;
    QImage image{605, 725, QImage::Format_RGB32};
    Canvas target{image};

    QColor Drawn(int x, int y) const { return state.DrawingBitmap.pixelColor(x, y); }
};
