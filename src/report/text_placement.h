// Where the labels of a drawing go: each text takes the first of its candidate boxes that no text
// placed before it covers, so that no two texts of one drawing are written over each other.
#pragma once

#include <QRectF>
#include <optional>
#include <vector>

class TTextPlacement {
public:
    // A box that must stay clear (the paper outside a plot, say) without being a text.
    void Reserve(const QRectF& box) { placed_.push_back(box); }
    // The first free candidate, now taken; none when every one is covered.
    std::optional<QRectF> Take(const std::vector<QRectF>& candidates);

private:
    bool Free(const QRectF& box) const;
    std::vector<QRectF> placed_;
};

// A box of `size` whose reference point (0..1 across, 0..1 down) lies at `at`.
QRectF BoxAt(QPointF at, QSizeF size, double across, double down);
