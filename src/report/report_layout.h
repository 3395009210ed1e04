// The report laid out as blocks down A4 pages, in points (1/72 inch) from the top-left corner of
// the written area, whatever the device: a PDF file, a printer or the print preview.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPointF>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPaintDevice;

// A4 in points, with a margin of 15 mm all round; the page number sits in the bottom margin.
inline constexpr double kPointsPerMm = 72 / 25.4;
inline constexpr double kSheetWidth = 210 * kPointsPerMm;
inline constexpr double kSheetHeight = 297 * kPointsPerMm;
inline constexpr double kMargin = 15 * kPointsPerMm;
inline constexpr double kWrittenWidth = kSheetWidth - 2 * kMargin;
inline constexpr double kWrittenHeight = kSheetHeight - 2 * kMargin;

// Fonts of a size in points on a painter that counts in points, and their measures.
class TTypeface {
public:
    explicit TTypeface(const QPaintDevice& device) : device_(&device) {}
    QFont Font(double points, bool bold = false) const;
    QFontMetricsF Metrics(const QFont& font) const;

private:
    const QPaintDevice* device_;
};

// A piece of the report that stays on one page; painted with its top-left corner at the origin.
struct TBlock {
    double Height = 0;
    std::function<void(QPainter&)> Paint;
    bool StartsPage = false;
    // Painted again above the block where a page break falls in front of it (a table's heading).
    std::shared_ptr<const TBlock> Heading;
    // Goes to the next page with the block after it rather than stand alone at a page's foot.
    bool KeepsWithNext = false;
};

struct TPlacedBlock {
    const TBlock* Block = nullptr;
    double Top = 0;
};
using TReportPage = std::vector<TPlacedBlock>;

// Blocks placed down the pages in order: a block that does not fit below the last starts a new
// page, as does one that asks for it, and one that keeps with the next where that one would not fit.
std::vector<TReportPage> Paginate(const std::vector<TBlock>& blocks);
