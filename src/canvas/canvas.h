// Canvas: the classic stateful raster API (pen, brush, font, pen position) over a QImage,
// with the raster rules the drawing routines are written for:
//  - a line of a 1-pixel pen does not paint its end pixel; a wider pen is a square of its width
//    dragged from the start to the end point, both included, so joined lines close their corners;
//  - Rectangle and Ellipse (x1, y1, x2, y2) cover columns x1..x2-1 and rows y1..y2-1 (corners in
//    any order), outline in the pen, inside in the brush (vertical hatch: lines 8 columns apart in
//    the brush colour, the gaps left as they were);
//  - Arc runs counter-clockwise on screen from the start radial to the end radial;
//  - FloodFill fills outward from a seed until pixels of the border colour;
//  - TextOut puts the top-left of the text box at the point, on a box of the brush colour while
//    the brush is solid, transparent otherwise;
//  - 96 DPI: a font of s points is s * 96 / 72 pixels high (the em; the text box holds ascent and
//    descent); "MS Sans Serif" and "Small Fonts" are drawn with Liberation Sans, without antialiasing.
// Every primitive opens its own painter, so the image is free for other readers between calls.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

enum class TBrushStyle { Solid, Clear, VerticalHatch };

struct TPen {
    QColor Color = Qt::black;
    int Width = 1;
};

struct TBrush {
    QColor Color = Qt::white;
    TBrushStyle Style = TBrushStyle::Solid;
};

struct TFont {
    QString Name = "MS Sans Serif";
    int Size = 8; // points
    QColor Color = Qt::black;
    bool Bold = false;
};

// A colour given as a platform colour value: 0x00BBGGRR (255 is red, 128 maroon).
QColor ColorFromValue(unsigned value);

class Canvas {
public:
    // Draws on `image`, which must outlive the canvas.
    explicit Canvas(QImage& image);

    TPen Pen;
    TBrush Brush;
    TFont Font;

    QImage& Image() { return *image_; }
    const QImage& Image() const { return *image_; }
    int Width() const { return image_->width(); }
    int Height() const { return image_->height(); }
    QColor Pixel(int x, int y) const; // invalid colour outside the image

    QPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Arc of the ellipse in the box (x1, y1)-(x2, y2), counter-clockwise from the radial through
    // (x3, y3) to the radial through (x4, y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FloodFill(int x, int y, const QColor& border);
    void TextOut(int x, int y, const QString& text);
    QSize TextExtent(const QString& text) const;
    int TextWidth(const QString& text) const { return TextExtent(text).width(); }
    int TextHeight(const QString& text) const; // the same for every text of the font
    // Gives the pixels at `origin` plus each offset the pen's colour, those inside the image.
    void SetPixels(QPoint origin, const std::vector<QPoint>& offsets);
    // Copies the `source` rectangle of another canvas into `destination` (same size: 1:1).
    void CopyRect(const QRect& destination, const Canvas& source, const QRect& sourceRect);
    // Makes the image `height` rows tall when it is shorter, the new rows in `fill`; the rows it
    // has keep their pixels. Fails with a message when there is no memory for the taller image.
    void GrowTo(int height, const QColor& fill);
    // Writes a 24-bit Windows bitmap of the whole image; fails with a message when it cannot.
    void SaveToBmp(const QString& fileName) const;

private:
    QImage* image_;
    QPoint penPos_;
};
