// Distance chains of the page and of the editor image.
#include "diagrams/dimension_chain.h"

#include "analysis/page_mapping.h"
#include "common/number_text.h"

#include <algorithm>

namespace {

constexpr int kPageChainRow = 140;
constexpr int kClearedColumns = 500;

void DrawChainLink(Canvas& canvas, long double from, long double to, long double shaftLength, int row)
{
    const int x1 = PagePosX(from, shaftLength);
    const int x2 = PagePosX(to, shaftLength);
    canvas.Rectangle(x1, row - 1, x1 + 5, row + 1);
    canvas.Rectangle(x2, row - 1, x2 - 5, row + 1);
    canvas.MoveTo(x1, row);
    canvas.LineTo(x2, row);
    // Deliberately not centred: the label's right edge is the middle of the link.
    const QString label = FloatToStr(to - from);
    const QSize extent = canvas.TextExtent(label);
    const int middle = static_cast<int>(Round((x1 + x2) / 2.0L));
    canvas.TextOut(middle - extent.width(), row - extent.height(), label);
}

} // namespace

void DrawDimensionChain(Canvas& canvas, const std::vector<long double>& sortedPositions,
                        long double shaftLength, int row)
{
    if (!(shaftLength > 0)) return;
    canvas.Pen.Color = Qt::white;
    const TFont previousFont = canvas.Font;
    canvas.Font.Name = "Small Fonts";
    canvas.Font.Size = 7;
    const int textHeight = canvas.TextHeight("10");
    canvas.Rectangle(0, row - textHeight, kClearedColumns, row + 1);
    canvas.Pen.Color = Qt::black;
    for (size_t i = 0; i + 1 < sortedPositions.size(); ++i) {
        if (sortedPositions[i] == sortedPositions[i + 1]) continue;
        DrawChainLink(canvas, sortedPositions[i], sortedPositions[i + 1], shaftLength, row);
    }
    canvas.Font.Size = previousFont.Size;
    canvas.Font.Name = previousFont.Name;
}

namespace {

std::vector<long double> PageChainPositions(const TAnalysisState& state)
{
    Tincarcare ends(2);
    ends[1].Position = state.ShaftLength;
    Tincarcare chain = Concatenate(Concatenate(Concatenate(state.Reactions, state.Forces), ends),
                                   state.Moments);
    SortByPosition(chain);
    return ChainPositions(chain);
}

} // namespace

void DrawPageDimensions(Canvas& canvas, const TAnalysisState& state)
{
    DrawDimensionChain(canvas, PageChainPositions(state), state.ShaftLength, kPageChainRow);
}

// A link's ticks end 5 columns past its first end and its line and label before its second.
void DrawPageDimensionsBeyondClearing(Canvas& canvas, const TAnalysisState& state)
{
    const long double shaftLength = state.ShaftLength;
    if (!(shaftLength > 0)) return;
    const std::vector<long double> positions = PageChainPositions(state);
    const TFont previousFont = canvas.Font;
    canvas.Font.Name = "Small Fonts";
    canvas.Font.Size = 7;
    canvas.Pen.Color = Qt::black;
    // The positions are sorted, so the links that reach the cleared band's end are the last ones:
    // found from the end, they are drawn from left to right as a whole chain would draw them.
    const auto reaches = [&](size_t i) {
        const int reach = std::max(PagePosX(positions[i], shaftLength) + 5, int(PagePosX(positions[i + 1], shaftLength)));
        return reach >= kClearedColumns - 1;
    };
    size_t first = positions.size() < 2 ? 0 : positions.size() - 1;
    while (first > 0 && reaches(first - 1)) --first;
    for (size_t i = first; i + 1 < positions.size(); ++i)
        if (positions[i] != positions[i + 1]) DrawChainLink(canvas, positions[i], positions[i + 1], shaftLength, kPageChainRow);
    canvas.Font.Size = previousFont.Size;
    canvas.Font.Name = previousFont.Name;
}
