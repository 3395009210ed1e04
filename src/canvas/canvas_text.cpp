// Text on the canvas: the installed font that stands in for each named font at 96 DPI, TextOut
// and TextExtent, from single glyphs where the font allows and from laid-out texts elsewhere.
#include "canvas/canvas.h"

#include "canvas/canvas_painting.h"
#include "canvas/glyph_row.h"

#include <QFontMetrics>
#include <QHash>
#include <algorithm>
#include <vector>

// The fonts the drawings name are bitmap fonts of another platform. Of the free fonts, Liberation
// Sans (installed with the program) comes closest to their widths: at 8 points its digits are the
// 6 pixels per character that the page layout counts, so a report line of 87 characters fits the
// page from column 40. DejaVu Sans draws digits 7 pixels wide and pushes such lines off the page.
static QString InstalledFamily(const QString& name)
{
    if (name == "MS Sans Serif" || name == "Small Fonts") return QStringLiteral("Liberation Sans");
    return name;
}

// A font of s points is s * 96 / 72 pixels, rounded as the platform rounds it (halves up).
static int PixelSize(int points)
{
    return std::max(1, (points * 96 + 36) / 72);
}

QString FontKey(const TFont& font)
{
    return font.Name + '|' + QString::number(font.Size) + (font.Bold ? "|b" : "|");
}

// Fonts are built once per name, size and weight: text is drawn on every redraw of the editor.
// Glyphs are drawn without antialiasing so that text is crisp and its pixels are exact.
const QFont& ScreenFont(const TFont& font)
{
    static QHash<QString, QFont> fonts;
    const QString key = FontKey(font);
    auto found = fonts.find(key);
    if (found != fonts.end()) return *found;
    QFont screen(InstalledFamily(font.Name));
    screen.setPixelSize(PixelSize(font.Size));
    screen.setBold(font.Bold);
    screen.setStyleStrategy(QFont::NoAntialias);
    screen.setHintingPreference(QFont::PreferFullHinting);
    return *fonts.insert(key, screen);
}

namespace {

// A text that the font shapes, laid out and rasterised once: the editor writes its labels, mostly
// numbers, on every redraw.
struct TTextStamp {
    TInk Ink;
    QSize Extent; // the text box: advance by ascent plus descent
};

const TTextStamp& TextStamp(const TFont& font, const QString& text)
{
    static QHash<QString, TTextStamp> stamps;
    const QString key = FontKey(font) + '|' + text;
    const auto found = stamps.constFind(key);
    if (found != stamps.cend()) return *found;
    if (stamps.size() >= 4096) stamps.clear();
    const QFont& screen = ScreenFont(font);
    const QFontMetrics metrics(screen);
    const QSize extent(metrics.horizontalAdvance(text), metrics.height());
    return *stamps.insert(key, TTextStamp{TextInk(screen, text), extent});
}

void FillBox(QImage& image, QRect box, QRgb color)
{
    box &= image.rect();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line + box.left(), line + box.right() + 1, color);
    }
}

void StampInk(QImage& image, const TInk& ink, QPoint topLeft, QRgb color)
{
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const QRect inside = image.rect();
    const bool whole = inside.contains(ink.Box.translated(topLeft));
    for (const QPoint& dot : ink.Dots) {
        const QPoint pixel = topLeft + dot;
        if (whole || inside.contains(pixel)) reinterpret_cast<QRgb*>(bits + pixel.y() * stride)[pixel.x()] = color;
    }
}

void StampText(QImage& image, const TFont& font, const TBrush& brush, QPoint topLeft, const QString& text)
{
    const QRgb ink = font.Color.rgb();
    if (const std::optional<TGlyphRow> row = PlainGlyphRow(font, text)) {
        if (brush.Style == TBrushStyle::Solid) FillBox(image, QRect(topLeft, row->Extent), brush.Color.rgb());
        for (const TPlacedGlyph& placed : row->Glyphs)
            StampInk(image, placed.Glyph->Ink, topLeft + QPoint(placed.X, 0), ink);
        return;
    }
    const TTextStamp& stamp = TextStamp(font, text);
    if (brush.Style == TBrushStyle::Solid) FillBox(image, QRect(topLeft, stamp.Extent), brush.Color.rgb());
    StampInk(image, stamp.Ink, topLeft, ink);
}

} // namespace

int Canvas::TextHeight(const QString&) const
{
    return TextBoxHeight(Font);
}

// The box of a text is its advance wide and the font's ascent plus descent high. A text that the
// font shapes is measured without rasterising, and kept: the page tries many lines that it never
// writes, and the same ones again on every calculation.
QSize Canvas::TextExtent(const QString& text) const
{
    if (const std::optional<TGlyphRow> row = PlainGlyphRow(Font, text)) return row->Extent;
    static QHash<QString, QSize> extents;
    const QString key = FontKey(Font) + '|' + text;
    const auto found = extents.constFind(key);
    if (found != extents.cend()) return *found;
    if (extents.size() >= 16384) extents.clear();
    const QFontMetrics metrics(ScreenFont(Font));
    return *extents.insert(key, QSize(metrics.horizontalAdvance(text), metrics.height()));
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (image_->isNull()) return;
    if (HasPlainPixels(*image_)) {
        StampText(*image_, Font, Brush, QPoint(x, y), text);
        return;
    }
    const QFont& font = ScreenFont(Font);
    const QFontMetrics metrics(font);
    QPainter painter(image_);
    PreparePainter(painter, *this);
    if (Brush.Style == TBrushStyle::Solid)
        painter.fillRect(QRect(QPoint(x, y), TextExtent(text)), Brush.Color);
    painter.setFont(font);
    painter.setPen(Font.Color);
    painter.drawText(x, y + metrics.ascent(), text);
}
