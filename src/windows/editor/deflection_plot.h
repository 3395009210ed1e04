// The deflection plot on the check window's page; the painting is the report's as well.
#pragma once

#include "report/deflection_painting.h"

#include <QWidget>
#include <optional>

class TDeflectionPlot : public QWidget {
    Q_OBJECT
public:
    explicit TDeflectionPlot(QWidget* parent = nullptr);

    using TContent = TDeflectionPlotContent;
    // Nothing to draw: an empty frame.
    void Show(std::optional<TContent> content);
    const std::optional<TContent>& Content() const { return content_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<TContent> content_;
};
