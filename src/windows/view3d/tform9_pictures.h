// Pictures of the 3D window's picture buttons and of its light-position panel, drawn here.
#pragma once

#include <QPixmap>
#include <QPointF>
#include <QRect>

class QPainter;

// A light bulb with rays: the button that shows where the lights are.
void DrawLightBulb(QPainter& painter, const QRect& area);
// Cross hairs on a target: the button that centres the view.
void DrawCentreMark(QPainter& painter, const QRect& area);
// A small cross: the panel's close button.
void DrawCloseMark(QPainter& painter, const QRect& area);
// The scene seen from above and aside: the axes, the shaft on the X axis, the camera and the three
// light places, left free where the window writes the labels L1, L2 and LC.
QPixmap LightPositionsPicture(const QSize& size);
// Where a scene point lies on that picture.
QPointF LightPicturePoint(const QSize& size, double x, double y, double z);
