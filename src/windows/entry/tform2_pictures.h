// The pictures of the initial-data window, drawn by our own code: its skin, the direction
// pictures beside the radio buttons and the built-in glyphs.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <vector>

// A shaded panel with rounded corners; the steps take the `stepsWidth` columns on the left,
// with an etched line at each of `separatorRows`, and an etched line parts them from the list.
QPixmap EntrySkin(QSize size, int stepsWidth, const std::vector<int>& separatorRows);

// An arrow up (with the reactions) or down.
QPixmap ForceDirectionPicture(bool up);
// A curved arrow turning clockwise or counter-clockwise.
QPixmap MomentDirectionPicture(bool clockwise);

// A green check mark: the length step's own "Apply" glyph.
QIcon LengthApplyGlyph();
// A bar with its diagram: the "Calculate" glyph.
QIcon CalculateGlyph();

// A cross on a raised face: the window's own close box.
void DrawCloseGlyph(QPainter& painter, const QRect& area);
