// Text on the canvas: the installed font that stands in for each named font at 96 DPI, TextOut
// and TextExtent.
#include "canvas/canvas.h"

#include "canvas/canvas_painting.h"

#include <QFontMetrics>
#include <QHash>

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

// Fonts are built once per name, size and weight: text is drawn on every redraw of the editor.
// Glyphs are drawn without antialiasing so that text is crisp and its pixels are exact.
const QFont& ScreenFont(const TFont& font)
{
    static QHash<QString, QFont> fonts;
    const QString key = font.Name + '|' + QString::number(font.Size) + (font.Bold ? "|b" : "|");
    auto found = fonts.find(key);
    if (found != fonts.end()) return *found;
    QFont screen(InstalledFamily(font.Name));
    screen.setPixelSize(PixelSize(font.Size));
    screen.setBold(font.Bold);
    screen.setStyleStrategy(QFont::NoAntialias);
    screen.setHintingPreference(QFont::PreferFullHinting);
    return *fonts.insert(key, screen);
}

// The box of a text is its advance wide and the font's ascent plus descent high.
QSize Canvas::TextExtent(const QString& text) const
{
    const QFontMetrics metrics(ScreenFont(Font));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (image_->isNull()) return;
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
