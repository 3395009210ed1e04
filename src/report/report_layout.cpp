#include "report/report_layout.h"

#include <QPaintDevice>

QFont TTypeface::Font(double points, bool bold) const
{
    QFont font(QStringLiteral("Liberation Sans"));
    // The painter counts in points, so a font of `points` points must measure that many units.
    font.setPointSizeF(points * 72 / device_->logicalDpiY());
    font.setBold(bold);
    // Unhinted glyphs keep their true widths at any scale, so text set in points stays evenly spaced.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFontMetricsF TTypeface::Metrics(const QFont& font) const { return QFontMetricsF(font, device_); }

namespace {

// The height that must fit below `top` for block i to stand there.
double HeightKeptTogether(const std::vector<TBlock>& blocks, size_t i)
{
    const bool keeps = blocks[i].KeepsWithNext && i + 1 < blocks.size() && !blocks[i + 1].StartsPage;
    const double together = keeps ? blocks[i].Height + blocks[i + 1].Height : blocks[i].Height;
    return together <= kWrittenHeight ? together : blocks[i].Height; // what no page holds is not kept together
}

} // namespace

std::vector<TReportPage> Paginate(const std::vector<TBlock>& blocks)
{
    std::vector<TReportPage> pages(1);
    double top = 0;
    for (size_t i = 0; i < blocks.size(); ++i) {
        const TBlock& block = blocks[i];
        const bool full = top + HeightKeptTogether(blocks, i) > kWrittenHeight;
        if (!pages.back().empty() && (block.StartsPage || full)) {
            pages.emplace_back();
            top = 0;
            if (full && block.Heading) {
                pages.back().push_back({block.Heading.get(), 0});
                top = block.Heading->Height;
            }
        }
        pages.back().push_back({&block, top});
        top += block.Height;
    }
    return pages;
}
