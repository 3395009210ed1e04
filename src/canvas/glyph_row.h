// Text as a row of single glyphs. Where the font shapes no character of a text, the text is its
// glyphs side by side, each moved on by its advance and the font's kerning of its pairs;
// so a text's width and pixels come from glyphs rasterised once per font, and a page of many
// distinct texts needs no store of laid-out strings.
#pragma once

#include "canvas/canvas.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

// The pixels a text paints, from the top-left of its box, and their bounding box.
struct TInk {
    std::vector<QPoint> Dots;
    QRect Box;
};

// The pixels that `text` paints in `font` without antialiasing.
TInk TextInk(const QFont& font, const QString& text);

enum class TScriptRun { Latin, Common, Other };

struct TGlyph {
    quint32 Index = 0; // in the font
    size_t Slot = 0;   // in the order glyphs of the font were first used
    int Advance = 0;
    TScriptRun Script = TScriptRun::Common;
    TInk Ink;
};

struct TPlacedGlyph {
    const TGlyph* Glyph; // valid for the life of the program
    int X;               // from the left of the text's box
};

struct TGlyphRow {
    std::vector<TPlacedGlyph> Glyphs; // one per character
    QSize Extent;                     // the kerned advances' sum by the font's ascent plus descent
};

// The glyphs of `text`, or nothing when the text needs the font's shaping: a character outside
// the Latin and Greek letters or missing from the font, or a pair the font kerns in a text that
// is neither one run of Latin script nor digits and signs alone.
std::optional<TGlyphRow> PlainGlyphRow(const TFont& font, const QString& text);

// The height of every text's box in `font`: its ascent plus descent.
int TextBoxHeight(const TFont& font);
