// Text as a row of single glyphs, and the rasterising that both glyphs and shaped texts use.
#include "canvas/glyph_row.h"

#include "canvas/canvas_painting.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <array>
#include <memory>
#include <unordered_map>

TInk TextInk(const QFont& font, const QString& text)
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
    TInk ink;
    for (int y = 0; y < glyphs.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(glyphs.constScanLine(y));
        for (int x = 0; x < glyphs.width(); ++x) {
            if (qAlpha(line[x]) < 128) continue;
            ink.Dots.push_back(QPoint(x, y) + offset);
            ink.Box |= QRect(ink.Dots.back(), QSize(1, 1));
        }
    }
    return ink;
}

namespace {

// The layout kerns a text as the font's kerning table says, rounded to whole pixels, within one
// run of a script; a text of digits and signs alone, or of two scripts, is kerned by other rules.
TScriptRun ScriptRun(QChar c)
{
    const QChar::Script script = c.script();
    if (script == QChar::Script_Latin) return TScriptRun::Latin;
    if (script == QChar::Script_Common || script == QChar::Script_Inherited) return TScriptRun::Common;
    return TScriptRun::Other;
}

// Scripts whose letters stand alone: no joining, no marks that combine, no reordering. The soft
// hyphen is left out, since it shows only at a line break.
constexpr char16_t kStandAloneEnd = 0x400;
bool StandsAlone(char16_t c)
{
    return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c < 0x250 && c != 0xAD) || (c >= 0x370 && c < kStandAloneEnd);
}

// How the font kerns a pair: by whole pixels as the hinted layout rounds it, and whether at all.
struct TKerning {
    int Pixels = 0;
    bool Any = false;
};

class TFontGlyphs {
public:
    explicit TFontGlyphs(const QFont& screen)
        : screen_(screen), raw_(QRawFont::fromFont(screen)), height_(QFontMetrics(screen).height())
    {
    }

    int Height() const { return height_; }

    // Nothing for a character that does not stand alone or that the font lacks.
    const TGlyph* Glyph(QChar c)
    {
        if (c.unicode() >= kStandAloneEnd) return nullptr;
        std::unique_ptr<std::optional<TGlyph>>& slot = glyphs_[c.unicode()];
        if (!slot) slot = std::make_unique<std::optional<TGlyph>>(MakeGlyph(c));
        return *slot ? &**slot : nullptr;
    }

    TKerning Kerning(const TGlyph& left, const TGlyph& right)
    {
        const quint64 pair = (quint64(left.Index) << 32) | right.Index;
        const auto found = kernings_.constFind(pair);
        if (found != kernings_.cend()) return *found;
        const QList<quint32> indexes{left.Index, right.Index};
        const auto advance = [&](QRawFont::LayoutFlags flags) { return raw_.advancesForGlyphIndexes(indexes, flags)[0].x(); };
        const TKerning kerning{qRound(advance(QRawFont::KernedAdvances) - left.Advance),
                               advance(QRawFont::KernedAdvances | QRawFont::UseDesignMetrics) !=
                                   advance(QRawFont::UseDesignMetrics)};
        return *kernings_.insert(pair, kerning);
    }

private:
    std::optional<TGlyph> MakeGlyph(QChar c) const
    {
        if (!StandsAlone(c.unicode()) || !raw_.supportsCharacter(c)) return std::nullopt;
        const QList<quint32> index = raw_.glyphIndexesForString(QString(c));
        return TGlyph{index.value(0), QFontMetrics(screen_).horizontalAdvance(c), ScriptRun(c), TextInk(screen_, QString(c))};
    }

    QFont screen_;
    QRawFont raw_;
    int height_;
    std::array<std::unique_ptr<std::optional<TGlyph>>, kStandAloneEnd> glyphs_; // made on first use
    QHash<quint64, TKerning> kernings_; // at most the pairs of the glyphs above
};

TFontGlyphs& FontGlyphs(const TFont& font)
{
    static std::unordered_map<QString, TFontGlyphs> fonts;
    static TFont lastFont;
    static TFontGlyphs* last = nullptr;
    if (last && font.Name == lastFont.Name && font.Size == lastFont.Size && font.Bold == lastFont.Bold) return *last;
    const QString key = FontKey(font);
    auto found = fonts.find(key);
    if (found == fonts.end()) found = fonts.emplace(key, TFontGlyphs(ScreenFont(font))).first;
    lastFont = font;
    last = &found->second;
    return *last;
}

} // namespace

std::optional<TGlyphRow> PlainGlyphRow(const TFont& font, const QString& text)
{
    TFontGlyphs& fontGlyphs = FontGlyphs(font);
    TGlyphRow row;
    row.Glyphs.reserve(size_t(text.size()));
    bool latin = false, otherScript = false, kerned = false;
    int x = 0;
    for (const QChar c : text) {
        const TGlyph* glyph = fontGlyphs.Glyph(c);
        if (!glyph) return std::nullopt;
        latin = latin || glyph->Script == TScriptRun::Latin;
        otherScript = otherScript || glyph->Script == TScriptRun::Other;
        if (!row.Glyphs.empty()) {
            const TKerning kerning = fontGlyphs.Kerning(*row.Glyphs.back().Glyph, *glyph);
            kerned = kerned || kerning.Any;
            x += kerning.Pixels;
        }
        row.Glyphs.push_back({glyph, x});
        x += glyph->Advance;
    }
    if (kerned && (!latin || otherScript)) return std::nullopt;
    row.Extent = QSize(x, fontGlyphs.Height());
    return row;
}

int TextBoxHeight(const TFont& font)
{
    return FontGlyphs(font).Height();
}
