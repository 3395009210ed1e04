#include "report/report_blocks.h"

#include "report/page_slice.h"

#include <QHash>
#include <QPainter>
#include <algorithm>
#include <memory>

namespace {

constexpr double kCellPadding = 3;

double WrappedHeight(const TTypeface& type, const QFont& font, const QString& text)
{
    return type.Metrics(font).boundingRect(QRectF(0, 0, kWrittenWidth, 1e6), Qt::TextWordWrap, text).height();
}

// A row of cells with the advance of each in the font it is painted in, measured once.
struct TMeasuredRow {
    QStringList Cells;
    std::vector<double> Advances;
};

// Advances already measured in a table's font: a long table repeats most of its cells.
using TAdvances = QHash<QString, double>;

TMeasuredRow Measured(const QFontMetricsF& metrics, const QStringList& cells, TAdvances& known)
{
    TMeasuredRow row{cells, {}};
    row.Advances.reserve(size_t(cells.size()));
    for (const QString& cell : cells) {
        auto advance = known.constFind(cell);
        if (advance == known.constEnd()) advance = known.insert(cell, metrics.horizontalAdvance(cell));
        row.Advances.push_back(*advance);
    }
    return row;
}

// As wide as the widest cell, narrowed to the written width where they are wider together.
std::vector<double> ColumnWidths(const TMeasuredRow& heading, const std::vector<TMeasuredRow>& rows)
{
    std::vector<double> widths(heading.Advances.size(), 0);
    const auto widen = [&](const TMeasuredRow& row) {
        for (size_t i = 0; i < row.Advances.size() && i < widths.size(); ++i)
            widths[i] = std::max(widths[i], row.Advances[i] + 2 * kCellPadding);
    };
    widen(heading);
    for (const TMeasuredRow& row : rows) widen(row);
    return widths;
}

// Whether the columns had to be narrowed to fit the written width.
bool NarrowToWrittenWidth(std::vector<double>& widths)
{
    double total = 0;
    for (double width : widths) total += width;
    if (total <= kWrittenWidth) return false;
    for (double& width : widths) width *= kWrittenWidth / total;
    return true;
}

// A table's font and columns, shared by its rows. Cells are cut short only where the columns had
// to be narrowed to the written width; otherwise the widest cell already fits.
struct TTableColumns {
    QFont Font;
    QFontMetricsF Metrics;
    std::vector<double> Widths;
    bool Narrowed = false;
};

void PaintRow(QPainter& painter, const TTableColumns& columns, const TMeasuredRow& row, double height,
              const QColor& background)
{
    double total = 0;
    for (double width : columns.Widths) total += width;
    if (background.alpha() > 0) painter.fillRect(QRectF(0, 0, total, height), background);
    painter.setFont(columns.Font);
    painter.setPen(Qt::black);
    const QFontMetricsF& metrics = columns.Metrics;
    const double baseline = (height + metrics.ascent() - metrics.descent()) / 2;
    double left = 0;
    for (size_t i = 0; i < columns.Widths.size() && i < row.Advances.size(); ++i) {
        const double room = columns.Widths[i] - 2 * kCellPadding;
        QString text = row.Cells[qsizetype(i)];
        double advance = row.Advances[i];
        if (columns.Narrowed && advance > room) {
            text = metrics.elidedText(text, Qt::ElideRight, room + 0.5);
            advance = metrics.horizontalAdvance(text);
        }
        // Numbers read best right-aligned; the first column names the row.
        const double indent = i == 0 ? 0 : room - advance;
        painter.drawText(QPointF(left + kCellPadding + indent, baseline), text);
        left += columns.Widths[i];
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

TBlock CaptionBlock(const TTypeface& type, const QString& text)
{
    TBlock caption = TextBlock(type, text, type.Font(kBodySize, true));
    caption.KeepsWithNext = true;
    return caption;
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
            startsPage,
            nullptr,
            true};
}

std::vector<TBlock> TableBlocks(const TTypeface& type, const QStringList& headings,
                                const std::vector<QStringList>& rows, const std::vector<bool>& failing)
{
    const QFont font = type.Font(kTableSize);
    const QFont bold = type.Font(kTableSize, true);
    const QFontMetricsF metrics = type.Metrics(font);
    TAdvances boldAdvances, advances;
    const TMeasuredRow heading = Measured(type.Metrics(bold), headings, boldAdvances);
    std::vector<TMeasuredRow> measured;
    measured.reserve(rows.size());
    for (const QStringList& row : rows) measured.push_back(Measured(metrics, row, advances));
    std::vector<double> widths = ColumnWidths(heading, measured);
    const bool narrowed = NarrowToWrittenWidth(widths);
    const auto body = std::make_shared<const TTableColumns>(TTableColumns{font, metrics, widths, narrowed});
    const auto head = std::make_shared<const TTableColumns>(TTableColumns{bold, type.Metrics(bold), widths, narrowed});
    const double height = metrics.height() * 1.35;
    auto headingBlock = std::make_shared<const TBlock>(TBlock{
        height, [=](QPainter& painter) { PaintRow(painter, *head, heading, height, QColor(230, 230, 230)); }});
    std::vector<TBlock> blocks{*headingBlock};
    for (size_t i = 0; i < measured.size(); ++i) {
        const QColor background = i < failing.size() && failing[i] ? kTooSmallColor : QColor(Qt::transparent);
        blocks.push_back({height,
                          [=, row = std::move(measured[i])](QPainter& painter) {
                              PaintRow(painter, *body, row, height, background);
                          },
                          false, headingBlock});
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
                PaintPageSlice(painter, target, image, first, count);
            },
            true};
}
