#include "windows/entry/tform2_pictures.h"

#include "widgets/caption_button.h"
#include "widgets/panel_skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

const QColor kArrowColour(0, 0, 160);

void DrawHead(QPainter& painter, QPointF tip, QPointF back, QPointF side)
{
    painter.setBrush(painter.pen().color());
    painter.drawPolygon(QPolygonF({tip, back + side, back - side}));
}

} // namespace

QPixmap EntrySkin(QSize size, int stepsWidth, const std::vector<int>& separatorRows)
{
    QPixmap skin = RoundedPanelSkin(size, QColor(236, 240, 247), QColor(204, 214, 230));
    QPainter painter(&skin);
    const QColor etch(150, 160, 185);
    for (int row : separatorRows) {
        painter.setPen(etch);
        painter.drawLine(12, row, stepsWidth - 13, row);
        painter.setPen(Qt::white);
        painter.drawLine(12, row + 1, stepsWidth - 13, row + 1);
    }
    if (stepsWidth >= size.width()) return skin;
    painter.setPen(etch);
    painter.drawLine(stepsWidth, 12, stepsWidth, size.height() - 13);
    painter.setPen(Qt::white);
    painter.drawLine(stepsWidth + 1, 12, stepsWidth + 1, size.height() - 13);
    return skin;
}

QPixmap ForceDirectionPicture(bool up)
{
    QPixmap picture = TransparentPixmap(QSize(12, 18));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kArrowColour, 2));
    const QPointF tip(6, up ? 1 : 17);
    const QPointF tail(6, up ? 17 : 1);
    painter.drawLine(tail, tip);
    painter.setPen(QPen(kArrowColour, 1));
    DrawHead(painter, tip, QPointF(6, up ? 7 : 11), QPointF(4, 0));
    return picture;
}

QPixmap MomentDirectionPicture(bool clockwise)
{
    QPixmap picture = TransparentPixmap(QSize(16, 18));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kArrowColour, 2));
    painter.setBrush(Qt::NoBrush);
    // Open at the bottom; the head sits on the end the moment turns towards.
    painter.drawArc(QRectF(2, 2, 12, 12), -60 * 16, 300 * 16);
    painter.setPen(QPen(kArrowColour, 1));
    const qreal headColumn = clockwise ? 11 : 5;
    DrawHead(painter, QPointF(headColumn, 17), QPointF(headColumn, 11), QPointF(3.5, 0));
    return picture;
}

QIcon LengthApplyGlyph()
{
    QPixmap glyph = TransparentPixmap(QSize(16, 16));
    QPainter painter(&glyph);
    painter.setPen(QColor(0, 100, 0));
    painter.setBrush(QColor(0, 170, 0));
    painter.drawPolygon(QPolygon({QPoint(1, 8), QPoint(3, 6), QPoint(6, 9), QPoint(12, 3), QPoint(14, 5),
                                  QPoint(6, 13)}));
    return QIcon(glyph);
}

QIcon CalculateGlyph()
{
    QPixmap glyph = TransparentPixmap(QSize(16, 16));
    QPainter painter(&glyph);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(1, 5, 15, 5);
    painter.setPen(QPen(QColor(200, 0, 0), 1));
    painter.setBrush(QColor(255, 170, 170));
    painter.drawPolygon(QPolygon({QPoint(2, 8), QPoint(8, 15), QPoint(14, 8)}));
    painter.setPen(QPen(kArrowColour, 1));
    painter.drawLine(8, 0, 8, 4);
    return QIcon(glyph);
}

void DrawCloseGlyph(QPainter& painter, const QRect& area)
{
    DrawRaisedFace(painter, area);
    painter.setPen(QPen(Qt::black, 2));
    const QRect cross = area.adjusted(5, 5, -5, -5);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}
