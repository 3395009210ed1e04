// The frame every diagram along the shaft is drawn in on paper: the shaft's length across, one
// quantity up the side, its zero line, its name and unit, and value labels that keep clear of
// each other.
#pragma once

#include "report/text_placement.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

struct TPlotFrame {
    QRectF Area;                  // points, the plotted region without its side labels
    long double From = 0, To = 1; // mm along the shaft
    long double Low = -1, High = 1; // the range of values shown
    bool Downwards = false;         // positive values below the zero line, as the page draws moments
    long double Least = 0, Most = 0; // the values drawn, written at the side
    double Column(long double x) const;
    double Row(long double value) const;
    QPointF At(long double x, long double value) const { return {Column(x), Row(value)}; }
};

// Values from `low` to `high` and zero, with a margin; a flat zero gets a range of 1.
TPlotFrame FrameFor(const QRectF& area, long double from, long double to, long double low, long double high,
                    bool downwards = false);

// Room at the left of a plot's area for its name and scale.
inline constexpr double kPlotSideRoom = 56; // points

// The zero line, thin guides at `stations`, and at the left the name with its unit and the
// least and most values drawn, at their heights.
void PaintPlotFrame(QPainter& painter, const TPlotFrame& frame, const QString& name, const std::vector<long double>& stations,
                    const QFont& font);

// A value in the shortest form to a hundredth: 25000, 416.67, -0.5.
QString PlotValue(long double value);

// Labels of the plot kept off its side column and within `block`, the plot's own piece of paper.
TTextPlacement PlotLabels(const TPlotFrame& frame, const QRectF& block);

// `text` just above (or below) `at`, or not at all where earlier labels fill that place; `lean`
// -1 or 1 keeps it to the left or right of `at` (the two sides of a jump).
void PaintValueLabel(QPainter& painter, const QFontMetricsF& metrics, TTextPlacement& labels, QPointF at, const QString& text,
                     bool above, int lean = 0);
