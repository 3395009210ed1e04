// The pictures of the initial-data window, drawn by our own code: its skin, the direction
// pictures beside the radio buttons and the built-in glyphs.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <vector>

// A shaded panel with rounded corners and an etched line at each of `separatorRows`.
QPixmap EntrySkin(QSize size, const std::vector<int>& separatorRows);

// An arrow up (with the reactions) or down.
QPixmap ForceDirectionPicture(bool up);
// A curved arrow turning clockwise or counter-clockwise.
QPixmap MomentDirectionPicture(bool clockwise);

// A green check mark: the length step's own "Apply" glyph.
QIcon LengthApplyGlyph();
// A bar with its diagram: the "Calculate" glyph.
QIcon CalculateGlyph();
