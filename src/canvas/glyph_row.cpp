// Text as a row of single glyphs, and the rasterising that both glyphs and shaped texts use.
#include "canvas/glyph_row.h"

#include "canvas/canvas_painting.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <unordered_map>

std::vector<QPoint> TextInk(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    const QRect box(QPoint(0, -metrics.ascent()), QSize(metrics.horizontalAdvance(text), metrics.height()));
    const QRect area = metrics.boundingRect(text).united(box).adjusted(-2, -2, 2, 2);
    QImage glyphs(area.size(), QImage::Format_ARGB32_Premultiplied);
    glyphs.fill(Qt::transparent);
    QPainter painter(&glyphs);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(-area.left(), -area.top(), text);
    painter.end();
    const QPoint offset(area.left(), area.top() + metrics.ascent());
    std::vector<QPoint> ink;
    for (int y = 0; y < glyphs.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
        for (int x = 0; x < glyphs.width(); ++x)
            if (qAlpha(line[x]) >= 128) ink.push_back(QPoint(x, y) + offset);
    }
    return ink;
}

namespace {

// Scripts whose letters stand alone: no joining, no marks that combine, no reordering. The soft
// hyphen is left out, since it shows only at a line break.
bool StandsAlone(char16_t c)
{
    return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c < 0x250 && c != 0xAD) || (c >= 0x370 && c < 0x400);
}

class TFontGlyphs {
public:
    explicit TFontGlyphs(const QFont& screen) : screen_(screen), raw_(QRawFont::fromFont(screen))
    {
        height_ = QFontMetrics(screen).height();
    }

    int Height() const { return height_; }

    // Nothing for a character that does not stand alone or that the font lacks.
    const TGlyph* Glyph(QChar c)
    {
        auto found = glyphs_.find(c.unicode());
        if (found == glyphs_.end()) found = glyphs_.emplace(c.unicode(), MakeGlyph(c)).first;
        return found->second ? &*found->second : nullptr;
    }

    // The font's kerning table holds every pair that its shaping moves.
    bool Kerns(const QString& text, const std::vector<const TGlyph*>& glyphs) const
    {
        if (glyphs.size() < 2) return false;
        const QList<QPointF> kerned =
            raw_.advancesForGlyphIndexes(raw_.glyphIndexesForString(text), QRawFont::KernedAdvances);
        if (size_t(kerned.size()) != glyphs.size()) return true;
        for (size_t i = 0; i < glyphs.size(); ++i)
            if (kerned[qsizetype(i)].x() != glyphs[i]->Advance) return true;
        return false;
    }

private:
    std::optional<TGlyph> MakeGlyph(QChar c) const
    {
        if (!StandsAlone(c.unicode()) || !raw_.supportsCharacter(c)) return std::nullopt;
        return TGlyph{QFontMetrics(screen_).horizontalAdvance(c), TextInk(screen_, QString(c))};
    }

    QFont screen_;
    QRawFont raw_;
    int height_ = 0;
    std::unordered_map<char16_t, std::optional<TGlyph>> glyphs_; // nodes stay put as it grows
};

TFontGlyphs& FontGlyphs(const TFont& font)
{
    static std::unordered_map<QString, TFontGlyphs> fonts;
    const QString key = FontKey(font);
    auto found = fonts.find(key);
    if (found == fonts.end()) found = fonts.emplace(key, TFontGlyphs(ScreenFont(font))).first;
    return found->second;
}

} // namespace

std::optional<TGlyphRow> PlainGlyphRow(const TFont& font, const QString& text)
{
    TFontGlyphs& fontGlyphs = FontGlyphs(font);
    TGlyphRow row;
    row.Glyphs.reserve(size_t(text.size()));
    int width = 0;
    for (const QChar c : text) {
        const TGlyph* glyph = fontGlyphs.Glyph(c);
        if (!glyph) return std::nullopt;
        row.Glyphs.push_back(glyph);
        width += glyph->Advance;
    }
    if (fontGlyphs.Kerns(text, row.Glyphs)) return std::nullopt;
    row.Extent = QSize(width, fontGlyphs.Height());
    return row;
}
