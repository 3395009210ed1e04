// Text as a row of single glyphs, and the rasterising that both glyphs and shaped texts use.
#include "canvas/glyph_row.h"

#include "canvas/canvas_painting.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <cmath>
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

// The layout kerns a text as the font's kerning table says, within one run of a script; a text of
// digits and signs alone, or of two scripts, is kerned by other rules.
bool IsOneLatinRun(const QString& text)
{
    bool latin = false;
    for (const QChar c : text) {
        const QChar::Script script = c.script();
        if (script == QChar::Script_Latin) latin = true;
        else if (script != QChar::Script_Common && script != QChar::Script_Inherited) return false;
    }
    return latin;
}

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

    // The advance of each character of `text` with the font's kerning of the pair it begins,
    // rounded to whole pixels as the hinted layout rounds it.
    QList<QPointF> KernedAdvances(const QString& text) const
    {
        return raw_.advancesForGlyphIndexes(raw_.glyphIndexesForString(text), QRawFont::KernedAdvances);
    }

    // Whether the font kerns a pair of `text` at all, if only by a fraction of a pixel.
    bool Kerns(const QString& text) const
    {
        const QList<quint32> indexes = raw_.glyphIndexesForString(text);
        return raw_.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics | QRawFont::KernedAdvances) !=
               raw_.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
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

// Each glyph moved on by its advance, kerned as the font's table says where `advances` holds
// the kerned ones; false when an advance is not a whole pixel.
bool PlaceGlyphs(std::vector<TPlacedGlyph>& glyphs, const QList<QPointF>* advances, int& width)
{
    if (advances && size_t(advances->size()) != glyphs.size()) return false;
    width = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const qreal advance = advances ? (*advances)[qsizetype(i)].x() : glyphs[i].Glyph->Advance;
        if (advance != std::trunc(advance)) return false;
        glyphs[i].X = width;
        width += int(advance);
    }
    return true;
}

} // namespace

std::optional<TGlyphRow> PlainGlyphRow(const TFont& font, const QString& text)
{
    TFontGlyphs& fontGlyphs = FontGlyphs(font);
    TGlyphRow row;
    row.Glyphs.reserve(size_t(text.size()));
    for (const QChar c : text) {
        const TGlyph* glyph = fontGlyphs.Glyph(c);
        if (!glyph) return std::nullopt;
        row.Glyphs.push_back({glyph, 0});
    }
    const bool kernedByTable = IsOneLatinRun(text);
    if (!kernedByTable && text.size() > 1 && fontGlyphs.Kerns(text)) return std::nullopt;
    const QList<QPointF> kerned = kernedByTable ? fontGlyphs.KernedAdvances(text) : QList<QPointF>();
    int width = 0;
    if (!PlaceGlyphs(row.Glyphs, kernedByTable ? &kerned : nullptr, width)) return std::nullopt;
    row.Extent = QSize(width, fontGlyphs.Height());
    return row;
}
