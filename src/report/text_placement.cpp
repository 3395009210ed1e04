#include "report/text_placement.h"

namespace {

// Boxes that only touch along an edge leave their texts apart.
bool Overlap(const QRectF& a, const QRectF& b)
{
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() && b.top() < a.bottom();
}

} // namespace

bool TTextPlacement::Free(const QRectF& box) const
{
    for (const QRectF& taken : placed_)
        if (Overlap(box, taken)) return false;
    return true;
}

std::optional<QRectF> TTextPlacement::Take(const std::vector<QRectF>& candidates)
{
    for (const QRectF& box : candidates)
        if (Free(box)) {
            placed_.push_back(box);
            return box;
        }
    return std::nullopt;
}

QRectF BoxAt(QPointF at, QSizeF size, double across, double down)
{
    return {at.x() - across * size.width(), at.y() - down * size.height(), size.width(), size.height()};
}
