// A track bar that writes labels beside its ticks, in a band on the tick side of the groove.
#pragma once

#include <QMap>
#include <QSlider>
#include <QString>

class TrackBar : public QSlider {
    Q_OBJECT
public:
    // Vertical by default, as QSlider is.
    explicit TrackBar(QWidget* parent = nullptr) : TrackBar(Qt::Vertical, parent) {}
    explicit TrackBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Labels keyed by the value whose tick they stand beside.
    void SetTickLabels(const QMap<int, QString>& labels);
    // Labels every `interval` from the minimum, each showing its value; 0 removes them.
    void SetLabelInterval(int interval);
    const QMap<int, QString>& TickLabels() const { return labels_; }

    // Where the label of a value is centred, in widget coordinates.
    QPoint LabelCentre(int value) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    // The slider itself keeps out of the label band, for drawing and for the mouse alike.
    void initStyleOption(QStyleOptionSlider* option) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    int LabelBand() const;
    bool LabelsFirst() const;
    QSize WithLabelBand(const QSize& slider) const;

    QMap<int, QString> labels_;
};
