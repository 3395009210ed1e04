// Text as a row of single glyphs, and the rasterising that both glyphs and shaped texts use.
#include "canvas/glyph_row.h"

#include "canvas/canvas_painting.h"

#include <QFontMetrics>
#include <QHash>
#include <QRawFont>
#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
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

// The layout kerns a run of Latin script and a run of digits and signs alone each by its own
// rule; texts of other scripts, or of two, are left to it.
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

// How the font kerns a pair: in whole pixels, as a run of Latin script is kerned; in 64ths of a
// pixel, as a run of digits and signs is; and whether at all.
struct TKerning {
    int8_t Pixels = 0;
    int16_t Sixtyfourths = 0;
    bool Any = false;
    bool Known = false; // in the table, once measured
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
        const char16_t code = c.unicode();
        if (code >= kStandAloneEnd) return nullptr;
        if (!made_[code]) {
            made_[code] = true;
            if (std::optional<TGlyph> glyph = MakeGlyph(c)) glyphs_[code] = &storage_.emplace_back(std::move(*glyph));
        }
        return glyphs_[code];
    }

    TKerning Kerning(const TGlyph& left, const TGlyph& right)
    {
        if (left.Slot < kTableSlots && right.Slot < kTableSlots) {
            if (table_.empty()) table_.resize(kTableSlots * kTableSlots);
            TKerning& kerning = table_[left.Slot * kTableSlots + right.Slot];
            if (!kerning.Known) kerning = MeasureKerning(left, right);
            return kerning;
        }
        const quint64 pair = (quint64(left.Index) << 32) | right.Index;
        const auto found = kernings_.constFind(pair);
        if (found != kernings_.cend()) return *found;
        return *kernings_.insert(pair, MeasureKerning(left, right));
    }

private:
    // The glyphs a page uses most, numbered as they are first used, have their pairs' kerning
    // in a table; the rest go to a hash.
    static constexpr size_t kTableSlots = 128;

    std::optional<TGlyph> MakeGlyph(QChar c)
    {
        if (!StandsAlone(c.unicode()) || !raw_.supportsCharacter(c)) return std::nullopt;
        const QList<quint32> index = raw_.glyphIndexesForString(QString(c));
        return TGlyph{index.value(0), slotsGiven_++, QFontMetrics(screen_).horizontalAdvance(c), ScriptRun(c),
                      TextInk(screen_, QString(c))};
    }

    TKerning MeasureKerning(const TGlyph& left, const TGlyph& right) const
    {
        const QList<quint32> indexes{left.Index, right.Index};
        const auto advance = [&](QRawFont::LayoutFlags flags) {
            return raw_.advancesForGlyphIndexes(indexes, flags)[0].x();
        };
        const qreal exact = advance(QRawFont::KernedAdvances | QRawFont::UseDesignMetrics) -
                            advance(QRawFont::UseDesignMetrics);
        // A pair's kerning is a small part of an em, well inside these types at any size drawn.
        return {int8_t(qRound(advance(QRawFont::KernedAdvances) - left.Advance)), int16_t(qRound(exact * 64)),
                exact != 0, true};
    }

    QFont screen_;
    QRawFont raw_;
    int height_;
    std::bitset<kStandAloneEnd> made_;                  // glyphs are made on first use
    std::array<const TGlyph*, kStandAloneEnd> glyphs_{}; // nothing for a character left to the layout
    std::deque<TGlyph> storage_;                         // where they stay put
    size_t slotsGiven_ = 0;
    std::vector<TKerning> table_; // by the slots of both glyphs
    QHash<quint64, TKerning> kernings_; // the pairs beyond the table
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

// A run of Latin script: each pair's kerning, in whole pixels, lengthens its first glyph's advance.
int PlaceKernedByPixels(std::vector<TPlacedGlyph>& glyphs, const std::vector<TKerning>& kernings)
{
    int x = 0;
    for (size_t i = 0; i < glyphs.size(); ++i) {
        glyphs[i].X = x;
        x += glyphs[i].Glyph->Advance + (i < kernings.size() ? kernings[i].Pixels : 0);
    }
    return x;
}

// Digits and signs alone: a pair's kerning, in 64ths of a pixel, is shared between the advances
// of its glyphs (the first takes the half rounded down), each advance is rounded to whole pixels,
// and the second glyph is drawn its share earlier, on the pixel at or left of where it falls.
int PlaceKernedByHalves(std::vector<TPlacedGlyph>& glyphs, const std::vector<TKerning>& kernings)
{
    int pen = 0; // in 64ths of a pixel, always whole pixels
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const int before = i > 0 ? kernings[i - 1].Sixtyfourths - (kernings[i - 1].Sixtyfourths >> 1) : 0;
        const int after = i < kernings.size() ? kernings[i].Sixtyfourths >> 1 : 0;
        glyphs[i].X = (pen + before) >> 6;
        const int advance = glyphs[i].Glyph->Advance * 64 + before + after;
        pen += ((advance + 32) >> 6) * 64;
    }
    return pen >> 6;
}

} // namespace

std::optional<TGlyphRow> PlainGlyphRow(const TFont& font, const QString& text)
{
    TFontGlyphs& fontGlyphs = FontGlyphs(font);
    TGlyphRow row;
    row.Glyphs.reserve(size_t(text.size()));
    static std::vector<TKerning> kernings; // of each pair; kept, as texts are measured by the thousand
    kernings.clear();
    bool latin = false, otherScript = false, kerned = false;
    for (const QChar c : text) {
        const TGlyph* glyph = fontGlyphs.Glyph(c);
        if (!glyph) return std::nullopt;
        latin = latin || glyph->Script == TScriptRun::Latin;
        otherScript = otherScript || glyph->Script == TScriptRun::Other;
        if (!row.Glyphs.empty()) {
            kernings.push_back(fontGlyphs.Kerning(*row.Glyphs.back().Glyph, *glyph));
            kerned = kerned || kernings.back().Any;
        }
        row.Glyphs.push_back({glyph, 0});
    }
    int width = 0;
    if (!kerned || (latin && !otherScript)) width = PlaceKernedByPixels(row.Glyphs, kernings);
    else if (!latin && !otherScript) width = PlaceKernedByHalves(row.Glyphs, kernings);
    else return std::nullopt;
    row.Extent = QSize(width, fontGlyphs.Height());
    return row;
}

int TextBoxHeight(const TFont& font)
{
    return FontGlyphs(font).Height();
}
