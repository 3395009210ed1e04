// The profile editor's drawing state: the line table rebuilt by every Generate pass, the pen and
// mark settings, the overlay switches, and the bitmap the drawing is composed on.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

// One line statement as drawn: the statement as written or its mirror image below the axis.
struct TLineRecord {
    long double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    uint8_t Marked = 0;
    uint8_t Horizontal = 0; // a sloped line takes the value of the record before it
};
// Record 2k is the k-th line statement of the text, record 2k + 1 its mirror image.
using TLinii = std::vector<TLineRecord>;

// An overlay drawn over the statements; empty until the strength overlays are wired in.
using TOverlayStep = std::function<void(Canvas& canvas, const QStringList& memo)>;

struct TOverlayHooks {
    TOverlayStep Diameters;
    TOverlayStep EqualStrength;
    TOverlayStep Recommended;
};

constexpr uint8_t kMarkNone = 0;
constexpr uint8_t kMarkSquare = 1;
constexpr uint8_t kMarkCircle = 2;

struct TEditorState {
    TEditorState();
    TEditorState(const TEditorState&) = delete;
    TEditorState& operator=(const TEditorState&) = delete;

    uint8_t ArcWidth = 2;
    uint8_t ArcMarkWidth = 1;
    uint8_t ArcMarkType = kMarkSquare;
    uint8_t LineWidth = 2;
    uint8_t LineMarkWidth = 1;
    uint8_t LineMarkType = kMarkSquare;

    bool ShowDiameters = false;
    bool ShowRecommended = false;
    bool ShowEqualStrength = false;
    TOverlayHooks Overlays;

    uint8_t ArcSteps = 20; // steps of an arc in the profile extraction
    int16_t SelectedIndex = -1;

    TLinii Lines;
    int LineCount() const { return int(Lines.size()); }

    QImage DrawingBitmap;
    Canvas DrawingCanvas; // keeps its pen, brush and font from one pass to the next
};
