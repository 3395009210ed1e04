// The kinds of block the report is made of: a paragraph, a table that breaks over pages with its
// heading, and a slice of a page image placed pixel for pixel across the written width.
#pragma once

#include "report/report_layout.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

// The background of a check's row that fails, on paper; the windows show the same pink.
inline const QColor kTooSmallColor(255, 170, 170);

inline constexpr double kBodySize = 8.5;    // points
inline constexpr double kHeadingSize = 12;
inline constexpr double kTableSize = 7.5;

// Wrapped over the written width; `background` fills the lines' box (red for a failure).
TBlock TextBlock(const TTypeface& type, const QString& text, const QFont& font,
                 const QColor& background = Qt::transparent);
// A line in bold over a table or a plot, kept on the page of what it names.
TBlock CaptionBlock(const TTypeface& type, const QString& text);
// A heading with space above it; `startsPage` puts it on a new page.
TBlock HeadingBlock(const TTypeface& type, const QString& text, bool startsPage = false);

// Columns as wide as their widest cell, narrowed to the written width where they are wider; the
// rows marked failing have the failing background.
std::vector<TBlock> TableBlocks(const TTypeface& type, const QStringList& headings,
                                const std::vector<QStringList>& rows, const std::vector<bool>& failing);

// Rows `first` to `first + count - 1` of `image`, scaled to the written width, under a caption.
TBlock ImageSliceBlock(const TTypeface& type, const QString& caption, const QImage& image, int first, int count);
// Points per pixel of a page image placed across the written width, below a caption's height.
inline constexpr double kImageScale = kWrittenWidth / 595;
inline constexpr double kImageCaptionHeight = 16;
