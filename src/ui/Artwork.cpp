#include "ui/Artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace rylmo::ui {

namespace {

QPixmap canvas(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A curved arrow turning back to the left; mirrored, it points forward.
QIcon curvedArrowIcon(bool forward) {
    QPixmap pixmap = canvas(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (forward) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    const QColor colour(30, 90, 160);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath arc;
    arc.moveTo(4, 6);
    arc.cubicTo(9, 2, 15, 5, 13, 11);
    arc.lineTo(11, 14);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({QPointF(1, 6), QPointF(7, 1.5), QPointF(7, 10)}));
    return QIcon(pixmap);
}

}  // namespace

// A timetable sheet with a small locomotive running across it.
QPixmap applicationPicture(int size) {
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    p.setPen(QPen(QColor(30, 70, 60), 2));
    p.setBrush(QColor(236, 240, 226));
    p.drawRoundedRect(QRectF(6, 4, 52, 56), 5, 5);
    p.setPen(QPen(QColor(120, 140, 130), 2));
    for (int y = 14; y <= 30; y += 8) p.drawLine(QPointF(13, y), QPointF(51, y));

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 30, 30));
    QPainterPath body;
    body.moveTo(10, 50);
    body.lineTo(10, 40);
    body.lineTo(44, 40);
    body.lineTo(54, 45);
    body.lineTo(54, 50);
    body.closeSubpath();
    p.drawPath(body);
    p.drawRect(QRectF(14, 35, 12, 5));
    p.setBrush(QColor(250, 220, 120));
    p.drawRect(QRectF(16, 42, 6, 4));
    p.drawRect(QRectF(26, 42, 6, 4));
    p.drawRect(QRectF(36, 42, 6, 4));
    p.setBrush(QColor(40, 40, 40));
    for (double x : {17.0, 27.0, 39.0, 48.0}) p.drawEllipse(QPointF(x, 52), 3.2, 3.2);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.drawLine(QPointF(8, 55.5), QPointF(56, 55.5));
    return pixmap;
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) icon.addPixmap(applicationPicture(size));
    return icon;
}

QIcon newDocumentIcon() {
    QPixmap pixmap = canvas(16);
    QPainter p(&pixmap);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawPolygon(
        QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    p.drawPolyline(QPolygon({QPoint(10, 1), QPoint(10, 4), QPoint(13, 4)}));
    return QIcon(pixmap);
}

QIcon openDocumentIcon() {
    QPixmap pixmap = canvas(16);
    QPainter p(&pixmap);
    p.setPen(QColor(140, 100, 20));
    p.setBrush(QColor(240, 200, 90));
    p.drawPolygon(QPolygon(
        {QPoint(1, 3), QPoint(6, 3), QPoint(7, 5), QPoint(14, 5), QPoint(14, 13), QPoint(1, 13)}));
    p.setBrush(QColor(250, 225, 130));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
    return QIcon(pixmap);
}

QIcon saveDocumentIcon() {
    QPixmap pixmap = canvas(16);
    QPainter p(&pixmap);
    p.setPen(QColor(20, 40, 100));
    p.setBrush(QColor(60, 100, 180));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(3, 9, 9, 5);
    return QIcon(pixmap);
}

QIcon undoIcon() {
    return curvedArrowIcon(false);
}

QIcon redoIcon() {
    return curvedArrowIcon(true);
}

}  // namespace rylmo::ui
