// The elastic lines of both planes and their resultant drawn over the shaft's outline, with the
// slopes below them, all on one scale along the shaft.
#pragma once

#include "check/deflection_curves.h"

#include <QWidget>
#include <optional>

class TDeflectionPlot : public QWidget {
    Q_OBJECT
public:
    explicit TDeflectionPlot(QWidget* parent = nullptr);

    struct TContent {
        TShaftGeometry Shaft;
        long double BearingA = 0, BearingB = 0;
        std::vector<TCurveSample> Samples;
    };
    // Nothing to draw: an empty frame.
    void Show(std::optional<TContent> content);
    const std::optional<TContent>& Content() const { return content_; }

    // The curves' colours, also those of the legend.
    static const QColor kHorizontalColor, kVerticalColor, kResultantColor;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<TContent> content_;
};
