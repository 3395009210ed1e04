// A panel that lies over the 3D window's viewport and that the user moves about the window by
// dragging it with the left button, like a window by its title bar.
#pragma once

#include <QFrame>
#include <QString>

class TDragPanel : public QFrame {
    Q_OBJECT
public:
    explicit TDragPanel(QWidget* parent);

    // The text written in the middle of the panel.
    void SetCaption(const QString& caption);
    QString Caption() const { return caption_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};
