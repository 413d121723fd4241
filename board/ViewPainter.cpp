#include "ViewPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <numbers>

namespace {
// Frames are exactly one unit wide.
constexpr double kFrameWidth = 1.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
}

ViewPainter::ViewPainter(QPainter& painter, double viewHeight)
    : m_Painter(painter)
    , m_ViewHeight(viewHeight)
{
}

QPointF ViewPainter::toWidget(QPointF point) const
{
    return {point.x(), m_ViewHeight - point.y()};
}

QRectF ViewPainter::toWidget(const QRectF& rect) const
{
    return {rect.x(), m_ViewHeight - rect.y() - rect.height(), rect.width(), rect.height()};
}

void ViewPainter::fillRect(const QRectF& rect, const QColor& color)
{
    m_Painter.setRenderHint(QPainter::Antialiasing, false);
    m_Painter.fillRect(toWidget(rect), color);
}

void ViewPainter::frameRect(const QRectF& rect, const QColor& color)
{
    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    fillRect({x, y, kFrameWidth, h}, color);
    fillRect({x + w - kFrameWidth, y, kFrameWidth, h}, color);
    fillRect({x, y, w, kFrameWidth}, color);
    fillRect({x, y + h - kFrameWidth, w, kFrameWidth}, color);
}

void ViewPainter::strokeOval(const QRectF& rect, const QColor& color, double lineWidth)
{
    m_Painter.setRenderHint(QPainter::Antialiasing, true);
    m_Painter.setPen(QPen(color, lineWidth));
    m_Painter.setBrush(Qt::NoBrush);
    m_Painter.drawEllipse(toWidget(rect));
}

void ViewPainter::strokeAndFillOval(const QRectF& rect, const QColor& color, double lineWidth)
{
    m_Painter.setRenderHint(QPainter::Antialiasing, true);
    m_Painter.setPen(QPen(color, lineWidth));
    m_Painter.setBrush(color);
    m_Painter.drawEllipse(toWidget(rect));
}

void ViewPainter::drawText(QPointF lowerLeft, const QString& text, const QFont& font, const QColor& color)
{
    // Qt places text by its baseline; the line box's lower edge lies one descent below it.
    const QFontMetricsF metrics(font, m_Painter.device());
    const QPointF baseline = toWidget(lowerLeft) - QPointF(0, metrics.descent());
    m_Painter.setRenderHint(QPainter::Antialiasing, true);
    m_Painter.setFont(font);
    m_Painter.setPen(color);
    m_Painter.drawText(baseline, text);
}

void ViewPainter::fillAndStrokeRotatedRect(QPointF origin, double angle, const QRectF& rect, const QColor& color,
                                           double lineWidth)
{
    m_Painter.save();
    m_Painter.setRenderHint(QPainter::Antialiasing, true);
    m_Painter.translate(toWidget(origin));
    // Turn the local system y-up, so a positive angle turns counter-clockwise on screen.
    m_Painter.scale(1, -1);
    m_Painter.rotate(angle * kDegreesPerRadian);
    QPen pen(color, lineWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    m_Painter.setPen(pen);
    m_Painter.setBrush(color);
    m_Painter.drawRect(rect);
    m_Painter.restore();
}
