// Text as a row of single glyphs. Where the font neither kerns a pair of a text nor shapes its
// characters, the text is its glyphs side by side: its width is the sum of their advances and its
// pixels are theirs. Each glyph is rasterised once per font, so a page of many distinct texts
// needs no store of laid-out strings.
#pragma once

#include "canvas/canvas.h"

#include <QFont>
#include <QPoint>
#include <QSize>
#include <optional>
#include <vector>

// The pixels that `text` paints in `font` without antialiasing, from the top-left of its box.
std::vector<QPoint> TextInk(const QFont& font, const QString& text);

struct TGlyph {
    int Advance = 0;
    std::vector<QPoint> Ink; // from the top-left of the glyph's box
};

struct TGlyphRow {
    std::vector<const TGlyph*> Glyphs; // one per character, valid for the life of the program
    QSize Extent;                      // the advances' sum by the font's ascent plus descent
};

// The glyphs of `text`, or nothing when the text needs the font's shaping: a pair the font kerns,
// or a character outside the Latin and Greek letters or missing from the font.
std::optional<TGlyphRow> PlainGlyphRow(const TFont& font, const QString& text);
