#include "gui/icons.h"

#include <QPainter>
#include <QPainterPath>

namespace gui {
namespace {

// Draws on a 16×16 grid, scaled to the pixmap.
QPixmap drawn(int size, const std::function<void(QPainter&)>& draw) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    return pm;
}

void sheet(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 3, r.top());
    path.lineTo(r.right(), r.top() + 3);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 0.8));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void drawToolbarPicture(QPainter& p, int number) {
    switch (number) {
    case 1:
        sheet(p, QRectF(3, 1, 10, 14));
        break;
    case 2:
        p.setPen(QPen(QColor(120, 90, 20), 0.8));
        p.setBrush(QColor(230, 190, 80));
        p.drawRect(QRectF(1, 4, 11, 10));
        p.setBrush(QColor(250, 215, 110));
        p.drawPolygon(QPolygonF({QPointF(3, 7), QPointF(15, 7), QPointF(12, 14), QPointF(1, 14)}));
        break;
    case 3:
        p.setPen(QPen(QColor(20, 20, 60), 0.8));
        p.setBrush(QColor(50, 60, 140));
        p.drawRect(QRectF(2, 2, 12, 12));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 2, 8, 5));
        p.setBrush(QColor(180, 180, 180));
        p.drawRect(QRectF(5, 10, 6, 4));
        break;
    case 4:
        sheet(p, QRectF(1, 1, 10, 13));
        p.setPen(QPen(QColor(40, 40, 40), 1.6));
        p.drawLine(QPointF(11, 11), QPointF(15, 15));
        p.setPen(QPen(QColor(40, 40, 40), 1.0));
        p.setBrush(QColor(200, 230, 255, 200));
        p.drawEllipse(QPointF(9, 9), 3.2, 3.2);
        break;
    case 5:
        p.setPen(QPen(QColor(50, 50, 50), 0.8));
        sheet(p, QRectF(4, 1, 8, 6));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(1, 6, 14, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 10, 8, 5));
        p.setBrush(QColor(40, 180, 40));
        p.drawEllipse(QPointF(13, 8), 0.8, 0.8);
        break;
    default:
        break;
    }
}

} // namespace

// A U-shaped wall in section: two walls on one base.
QPixmap programIcon(int size) {
    return drawn(std::max(size, 1), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 90, 160));
        p.drawRoundedRect(QRectF(0, 0, 16, 16), 2, 2);
        p.setBrush(QColor(150, 120, 80));
        p.drawRect(QRectF(5, 6, 6, 6));
        p.setBrush(QColor(225, 225, 220));
        p.drawPolygon(QPolygonF({QPointF(2, 3), QPointF(5, 3), QPointF(5, 12), QPointF(11, 12),
                                 QPointF(11, 3), QPointF(14, 3), QPointF(14, 14), QPointF(2, 14)}));
    });
}

QPixmap picture(std::string_view key, QSize size) {
    if (key == "icon") return programIcon(std::min(size.width(), size.height()));
    return {};
}

QIcon toolbarIcon(int number) {
    if (number < 1 || number > 5) return {};
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(drawn(size, [number](QPainter& p) { drawToolbarPicture(p, number); }));
    return icon;
}

} // namespace gui
