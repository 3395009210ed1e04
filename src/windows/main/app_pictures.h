// The pictures of the start-up windows, drawn by our own code: the splash, the navigation
// panel's skin and the glyphs of its buttons.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

class QPainter;

// The splash picture; the corners outside its rounded outline are transparent.
QPixmap SplashPicture(const QSize& size);
// The navigation panel's skin; the corners outside its rounded outline are transparent.
QPixmap PanelSkin(const QSize& size);

// Glyphs of the panel's picture buttons, each drawn into the whole button rectangle.
void DrawInitialDataGlyph(QPainter& painter, const QRect& area);
void DrawShaftElementsGlyph(QPainter& painter, const QRect& area);
void DrawHorizontalPlaneGlyph(QPainter& painter, const QRect& area);
void DrawVerticalPlaneGlyph(QPainter& painter, const QRect& area);
void DrawProfileGlyph(QPainter& painter, const QRect& area);
void DrawSolidGlyph(QPainter& painter, const QRect& area);
// The small viewing buttons: 0 zoom in, 1 zoom out, 2 rotate, 3 fit.
void DrawViewGlyph(QPainter& painter, const QRect& area, int kind);
