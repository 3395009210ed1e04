// T(x) of the shaft's elements on the check window's fatigue page; the painting is the report's.
#pragma once

#include "report/torque_painting.h"

#include <QWidget>

class TTorquePlot : public QWidget {
    Q_OBJECT
public:
    explicit TTorquePlot(QWidget* parent = nullptr);

    // Hidden while the shaft has no elements.
    void Show(TTorquePlotContent content);
    const TTorquePlotContent& Content() const { return content_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TTorquePlotContent content_;
};
