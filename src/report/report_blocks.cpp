#include "report/report_blocks.h"

#include <QPainter>
#include <algorithm>
#include <memory>

namespace {

constexpr double kCellPadding = 3;

double WrappedHeight(const TTypeface& type, const QFont& font, const QString& text)
{
    return type.Metrics(font).boundingRect(QRectF(0, 0, kWrittenWidth, 1e6), Qt::TextWordWrap, text).height();
}

std::vector<double> ColumnWidths(const TTypeface& type, const QFont& font, const QStringList& headings,
                                 const std::vector<QStringList>& rows)
{
    const QFontMetricsF metrics = type.Metrics(font);
    std::vector<double> widths(size_t(headings.size()), 0);
    const auto widen = [&](const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size() && i < headings.size(); ++i)
            widths[size_t(i)] = std::max(widths[size_t(i)], metrics.horizontalAdvance(cells[i]) + 2 * kCellPadding);
    };
    widen(headings);
    for (const QStringList& row : rows) widen(row);
    double total = 0;
    for (double width : widths) total += width;
    if (total > kWrittenWidth)
        for (double& width : widths) width *= kWrittenWidth / total;
    return widths;
}

// Numbers read best right-aligned; the first column names the row.
void PaintRow(QPainter& painter, const QFont& font, const std::vector<double>& widths, const QStringList& cells,
              double height, const QColor& background)
{
    double total = 0;
    for (double width : widths) total += width;
    if (background.alpha() > 0) painter.fillRect(QRectF(0, 0, total, height), background);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    double left = 0;
    for (size_t i = 0; i < widths.size() && i < size_t(cells.size()); ++i) {
        const QRectF cell(left + kCellPadding, 0, widths[i] - 2 * kCellPadding, height);
        const QString text = metrics.elidedText(cells[qsizetype(i)], Qt::ElideRight, cell.width() + 0.5);
        painter.drawText(cell, Qt::AlignVCenter | (i == 0 ? Qt::AlignLeft : Qt::AlignRight), text);
        left += widths[i];
    }
    painter.setPen(QPen(Qt::gray, 0.3));
    painter.drawLine(QPointF(0, height), QPointF(total, height));
}

} // namespace

TBlock TextBlock(const TTypeface& type, const QString& text, const QFont& font, const QColor& background)
{
    const double height = WrappedHeight(type, font, text) + 2;
    return {height, [=](QPainter& painter) {
                if (background.alpha() > 0) painter.fillRect(QRectF(0, 0, kWrittenWidth, height), background);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(0, 1, kWrittenWidth, height), Qt::TextWordWrap, text);
            }};
}

TBlock HeadingBlock(const TTypeface& type, const QString& text, bool startsPage)
{
    const QFont font = type.Font(kHeadingSize, true);
    const double above = startsPage ? 0 : 10;
    const double height = above + type.Metrics(font).height() + 4;
    return {height,
            [=](QPainter& painter) {
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(0, above, kWrittenWidth, height - above), Qt::AlignLeft | Qt::AlignTop, text);
            },
            startsPage};
}

std::vector<TBlock> TableBlocks(const TTypeface& type, const QStringList& headings,
                                const std::vector<QStringList>& rows, const std::vector<bool>& failing)
{
    const QFont font = type.Font(kTableSize);
    const QFont bold = type.Font(kTableSize, true);
    const std::vector<double> widths = ColumnWidths(type, bold, headings, rows);
    const double height = type.Metrics(font).height() * 1.35;
    auto heading = std::make_shared<const TBlock>(TBlock{
        height, [=](QPainter& painter) { PaintRow(painter, bold, widths, headings, height, QColor(230, 230, 230)); }});
    std::vector<TBlock> blocks{*heading};
    for (size_t i = 0; i < rows.size(); ++i) {
        const QColor background = i < failing.size() && failing[i] ? kTooSmallColor : QColor(Qt::transparent);
        blocks.push_back({height,
                          [=, cells = rows[i]](QPainter& painter) { PaintRow(painter, font, widths, cells, height, background); },
                          false, heading});
    }
    return blocks;
}

TBlock ImageSliceBlock(const TTypeface& type, const QString& caption, const QImage& image, int first, int count)
{
    const QFont font = type.Font(kBodySize, true);
    const double captionHeight = kImageCaptionHeight;
    return {captionHeight + count * kImageScale,
            [=](QPainter& painter) {
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(QRectF(0, 0, kWrittenWidth, captionHeight), Qt::AlignLeft | Qt::AlignTop, caption);
                const QRectF target(0, captionHeight, kWrittenWidth, count * kImageScale);
                painter.drawImage(target, image, QRectF(0, first, image.width(), count));
            },
            true};
}
