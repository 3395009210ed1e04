// The profile editor's state: the tool modes and what the pointer picked, the line table rebuilt
// by every Generate pass, the pen and mark settings, the overlay switches, and the bitmap the
// drawing is composed on.
#pragma once

#include "canvas/canvas.h"
#include "common/view_zoom.h"

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

// A point of the drawing in millimetres.
struct TDrawingPoint {
    long double x = 0, y = 0;
};

struct TEditorState {
    TEditorState();
    TEditorState(const TEditorState&) = delete;
    TEditorState& operator=(const TEditorState&) = delete;

    bool CornerMode = false; // fillet or chamfer
    bool ChamferMode = false;
    bool DrawMode = false;
    bool ModifyMode = false;
    bool DeleteMode = false;
    bool LineStartPicked = false;
    bool FirstLinePicked = false;

    // Record indices into Lines; -1 for none.
    int16_t HoverIndex = -1; // kept when the pointer leaves the line
    int16_t HighlightIndex = -1;
    int16_t SnapIndex = -1;
    int16_t FirstLineIndex = -1;
    int16_t SelectedIndex = -1;

    TDrawingPoint SnapPoint; // the line end boxed last, kept when the box goes
    TDrawingPoint LineStart;
    TDrawingPoint LineEnd;
    bool StartBoxShown = false;
    bool EndBoxShown = false;

    TLineRecord HoverRecord;
    TLineRecord FirstRecord;
    TLineRecord SecondRecord;

    long double FilletRadius = 2;
    long double ChamferD1 = 2; // cut on the line picked first
    long double ChamferD2 = 2; // cut on the line picked second

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

    // Where millimetres land on the band: a view, so neither saved nor undone, and the picks,
    // which name records, hold across it.
    TViewZoom Zoom;

    uint8_t ArcSteps = 20; // steps of an arc in the profile extraction

    TLinii Lines;
    // The text the line table was built from, and into which every remembered index points.
    QStringList TableText;
    QString PassFailure; // the message the pass over TableText stopped with; empty when it drew
    int LineCount() const { return int(Lines.size()); }
    // A remembered index that the rebuilt table no longer holds counts as none.
    int16_t Valid(int16_t index) const { return index >= 0 && index < LineCount() ? index : int16_t(-1); }

    QImage DrawingBitmap;
    Canvas DrawingCanvas; // keeps its pen, brush and font from one pass to the next
};

// Forgets every line the pointer or a tool picked, the pending line start and first corner line
// among them: after the text changed under them they would name other statements.
void DropPicks(TEditorState& state);
// Whether the line table and the picks still describe `memo`; when they do not, the picks go.
bool TableDescribes(TEditorState& state, const QStringList& memo);
// A tool's own edit replaces, appends or deletes statements where its picks expect it: the pass
// that follows over `memo` keeps them. Any other change of the text drops them in that pass.
void KeepPicksFor(TEditorState& state, const QStringList& memo);
