// The pictures of the profile editor, drawn by our own code: the glyphs of its tool buttons and
// the picture of its 3D button.
#pragma once

#include <QIcon>
#include <QPixmap>

QIcon DrawLinesGlyph();
QIcon ModifyLinesGlyph();
QIcon DeleteLinesGlyph();
QIcon ChamferGlyph();
QIcon FilletGlyph();
QIcon VerticalLinesGlyph();
QIcon DiametersGlyph();
QIcon ZoomInGlyph();
QIcon ZoomOutGlyph();
QIcon WholeShaftGlyph();
// A shaded shaft seen in perspective.
QPixmap SolidPicture(int size);
