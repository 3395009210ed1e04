// A floating panel dragged inside its window by its body while the left button is held over it.
#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

class PanelDragger : public QObject {
    Q_OBJECT
public:
    // Presses on `handle` (the panel itself, or a group box that covers it) drag `panel`.
    PanelDragger(QWidget* handle, QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* panel_;
    bool dragging_ = false;
    QPoint grab_; // where the panel was taken, in its own coordinates
};
