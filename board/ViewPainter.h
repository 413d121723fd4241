#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// Draws on a QPainter in view coordinates (origin bottom-left, y upward).
// This is the one place where painting meets Qt's y-down widget coordinates.
class ViewPainter {
public:
    ViewPainter(QPainter& painter, double viewHeight);

    QPointF toWidget(QPointF point) const;
    QRectF toWidget(const QRectF& rect) const;

    // Fills the rectangle, replacing what is there.
    void fillRect(const QRectF& rect, const QColor& color);
    // A frame one unit wide along the inside of the rectangle's edges.
    void frameRect(const QRectF& rect, const QColor& color);
    void strokeOval(const QRectF& rect, const QColor& color, double lineWidth);
    void strokeAndFillOval(const QRectF& rect, const QColor& color, double lineWidth);
    // Text whose line box has its lower-left corner at the point; never mirrored.
    void drawText(QPointF lowerLeft, const QString& text, const QFont& font, const QColor& color);
    // Fills and then strokes the rectangle, given around the origin, after turning it
    // counter-clockwise by the angle in radians about that origin.
    void fillAndStrokeRotatedRect(QPointF origin, double angle, const QRectF& rect, const QColor& color,
                                  double lineWidth);

private:
    QPainter& m_Painter;
    double m_ViewHeight;
};
