#include "ViewPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <QPen>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {
// Frames are exactly one unit wide.
constexpr double kFrameWidth = 1.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr int kOpaque = 255;
// Chords of a stone-sized circle stay within a twentieth of a unit of the arc.
constexpr int kCircleSegments = 64;
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

void ViewPainter::fillShadedDisc(QPointF center, double radius, QPointF highlight, const QColor& rimColor,
                                 const QColor& highlightColor)
{
    // Qt's two-circle form runs from the focal circle (0) to the centre circle (1);
    // the other way round paints nothing in Qt 6.4.
    const QPointF widgetCenter = toWidget(center);
    QRadialGradient gradient(widgetCenter, radius, toWidget(highlight), 0);
    gradient.setColorAt(0, highlightColor);
    gradient.setColorAt(1, rimColor);
    // Each component, alpha too, runs linearly from one colour to the other.
    gradient.setInterpolationMode(QGradient::ComponentInterpolation);
    // Qt has no "no extension" spread: limit the gradient to the stone's circle.
    // Antialiased, Qt hands every stone's fill to its thread pool and waits, which
    // costs more than the fill; so the disc is filled aliased, half a unit short of
    // the radius, and an opaque rim gets a smooth one-unit edge drawn round it.
    const double innerRadius = radius - kFrameWidth / 2;
    m_Painter.setRenderHint(QPainter::Antialiasing, false);
    m_Painter.setPen(Qt::NoPen);
    m_Painter.setBrush(gradient);
    m_Painter.drawEllipse(widgetCenter, innerRadius, innerRadius);
    if (rimColor.alpha() == kOpaque) {
        drawSmoothCircle(widgetCenter, innerRadius, rimColor);
    }
}

void ViewPainter::drawSmoothCircle(QPointF widgetCenter, double radius, const QColor& color)
{
    // A polygon fine enough to look round, drawn with a one-unit pen, which Qt
    // strokes directly instead of building and filling an outline.
    static const std::array<QPointF, kCircleSegments + 1> unitCircle = [] {
        std::array<QPointF, kCircleSegments + 1> points;
        for (int i = 0; i <= kCircleSegments; ++i) {
            const double angle = 2 * std::numbers::pi * i / kCircleSegments;
            points[i] = QPointF(std::cos(angle), std::sin(angle));
        }
        return points;
    }();
    QPolygonF circle;
    circle.reserve(kCircleSegments + 1);
    for (const QPointF& point : unitCircle) {
        circle << widgetCenter + point * radius;
    }
    m_Painter.setRenderHint(QPainter::Antialiasing, true);
    m_Painter.setPen(QPen(color, kFrameWidth));
    m_Painter.setBrush(Qt::NoBrush);
    m_Painter.drawPolyline(circle);
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
