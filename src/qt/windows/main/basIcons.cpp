#include "windows/main/basIcons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace tralyx {
namespace {

using DrawFunction = std::function<void(QPainter&)>;

// Draws in a design grid of pintGrid units (0.5 is a pixel centre at the design size).
QIcon Render(int pintGrid, std::initializer_list<int> pintSizes, const DrawFunction& pfnDraw)
{
    QIcon objIcon;
    for (const int intSize : pintSizes) {
        QPixmap objPixmap(intSize, intSize);
        objPixmap.fill(Qt::transparent);
        QPainter objPainter(&objPixmap);
        objPainter.setRenderHint(QPainter::Antialiasing);
        objPainter.scale(double(intSize) / pintGrid, double(intSize) / pintGrid);
        pfnDraw(objPainter);
        objPainter.end();
        objIcon.addPixmap(objPixmap);
    }
    return objIcon;
}

QPen Outline(const char* pstrColour, double pdblWidth = 1.0)
{
    QPen objPen{QColor(pstrColour), pdblWidth};
    objPen.setJoinStyle(Qt::MiterJoin);
    return objPen;
}

void DrawOpen(QPainter& p)
{
    // A folder: back with its tab, and the front flap tipped forward.
    p.setPen(Outline("#8a5a0b"));
    p.setBrush(QColor("#e9b949"));
    p.drawPolygon(QPolygonF({{1.5, 3.5}, {5.5, 3.5}, {7, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(QColor("#f7d574"));
    p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void DrawSave(QPainter& p)
{
    // A disk: blue body, white label, metal shutter.
    p.setPen(Outline("#1f3f6e"));
    p.setBrush(QColor("#3d73b8"));
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {13, 1.5}, {14.5, 3}, {14.5, 14.5}, {1.5, 14.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#ffffff"));
    p.drawRect(QRectF(4, 2, 8, 5));
    p.setBrush(QColor("#9fb6d6"));
    p.drawRect(QRectF(5, 3.5, 6, 0.9));
    p.drawRect(QRectF(5, 5.1, 6, 0.9));
    p.setBrush(QColor("#d5dde8"));
    p.drawRect(QRectF(4, 10, 8, 4));
    p.setBrush(QColor("#3d73b8"));
    p.drawRect(QRectF(5.5, 11, 1.6, 2.3));
}

void DrawCut(QPainter& p)
{
    // Scissors: two crossing blades and two round handles.
    p.setPen(QPen(QColor("#5b6470"), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.2, 9.8), QPointF(11.5, 1.5));
    p.drawLine(QPointF(10.8, 9.8), QPointF(4.5, 1.5));
    p.setPen(QPen(QColor("#c0392b"), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.2, 12.2), 2.4, 2.4);
    p.drawEllipse(QPointF(11.8, 12.2), 2.4, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#5b6470"));
    p.drawEllipse(QPointF(8, 7.7), 0.9, 0.9);
}

void DrawPage(QPainter& p, double pdblLeft, double pdblTop, double pdblWidth, double pdblHeight)
{
    p.setPen(Outline("#6b7683"));
    p.setBrush(QColor("#ffffff"));
    p.drawRect(QRectF(pdblLeft, pdblTop, pdblWidth, pdblHeight));
    p.setPen(QPen(QColor("#8fa6c4"), 1.0));
    for (double y = pdblTop + 2.5; y < pdblTop + pdblHeight - 1; y += 2)
        p.drawLine(QPointF(pdblLeft + 2, y), QPointF(pdblLeft + pdblWidth - 2, y));
}

void DrawCopy(QPainter& p)
{
    DrawPage(p, 1.5, 1.5, 8, 10);
    DrawPage(p, 6.5, 4.5, 8, 10);
}

void DrawPaste(QPainter& p)
{
    // A clipboard with its clip and a page on it.
    p.setPen(Outline("#6e4a1e"));
    p.setBrush(QColor("#c0894a"));
    p.drawRoundedRect(QRectF(1.5, 2.5, 11, 12), 1, 1);
    p.setPen(Outline("#4d5560"));
    p.setBrush(QColor("#aeb6c1"));
    p.drawRoundedRect(QRectF(4.5, 1.5, 5, 3), 1, 1);
    DrawPage(p, 6.5, 6.5, 8, 8);
}

void DrawToGrid(QPainter& p)
{
    // A table with a green arrow putting the boxes' text into it.
    p.setPen(Outline("#51606f"));
    p.setBrush(QColor("#ffffff"));
    p.drawRect(QRectF(4.5, 5.5, 10, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor("#c9d8ec"));
    p.drawRect(QRectF(5, 6, 9, 2));
    p.setPen(QPen(QColor("#8e9aa8"), 1.0));
    p.drawLine(QPointF(5, 10.5), QPointF(14, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(14, 12.5));
    p.drawLine(QPointF(8.5, 8), QPointF(8.5, 14));
    p.setPen(QPen(QColor("#1e7b34"), 0.8));
    p.setBrush(QColor("#2fa84f"));
    p.drawPolygon(QPolygonF({{0.5, 1.5}, {4.5, 1.5}, {4.5, 0.2}, {8.3, 3.5}, {4.5, 6.8}, {4.5, 5.5}, {0.5, 5.5}}));
}

void DrawApplication(QPainter& p)
{
    // 64-unit grid; data/org.tralyx.Tralyx.svg draws the same shapes.
    QLinearGradient objBack(0, 4, 0, 60);
    objBack.setColorAt(0, QColor("#3c7dd9"));
    objBack.setColorAt(1, QColor("#1f4f95"));
    p.setPen(Qt::NoPen);
    p.setBrush(objBack);
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    p.setBrush(QColor("#ffffff"));
    p.drawPolygon(QPolygonF({{16, 12}, {38, 12}, {46, 20}, {46, 50}, {16, 50}}));
    p.setBrush(QColor("#c9d6e8"));
    p.drawPolygon(QPolygonF({{38, 12}, {38, 20}, {46, 20}}));
    p.setBrush(QColor("#9db3d1"));
    for (const double y : {24.0, 30.0, 36.0}) p.drawRect(QRectF(21, y, 20, 2.5));
    p.setBrush(QColor("#f5a623"));
    p.drawRoundedRect(QRectF(30, 34, 26, 18), 5, 5);
    p.drawPolygon(QPolygonF({{36, 51}, {33, 58}, {43, 51}}));
    p.setPen(QPen(QColor("#ffffff"), 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{37, 48}, {43, 37.5}, {49, 48}}));
    p.drawLine(QPointF(39.5, 44), QPointF(46.5, 44));
}

}  // namespace

QIcon ToolbarPicture(int pintPicture)
{
    static const DrawFunction fnDraw[] = {DrawOpen, DrawSave, DrawCut, DrawCopy, DrawPaste, DrawToGrid};
    if (pintPicture < picOpen || pintPicture > picToGrid) return QIcon();
    return Render(16, {16, 24, 32, 48}, fnDraw[pintPicture - 1]);
}

QIcon ApplicationIcon() { return Render(64, {16, 24, 32, 48, 64, 128, 256}, DrawApplication); }

}  // namespace tralyx
