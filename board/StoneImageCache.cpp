#include "StoneImageCache.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {
// Sub-pixel positions are told apart to an eighth of a unit.
constexpr double kSubPixelSteps = 8.0;
// Room around the disc for its antialiased edge.
constexpr int kMargin = 2;
}

void StoneImageCache::drawShadedDisc(QPainter& painter, QPointF center, double radius, QPointF highlightOffset,
                                     const QColor& rimColor, const QColor& highlightColor)
{
    if (radius != m_Radius || highlightOffset != m_HighlightOffset) {
        m_Images.clear();
        m_Radius = radius;
        m_HighlightOffset = highlightOffset;
    }
    const int reach = static_cast<int>(std::ceil(radius)) + kMargin;
    const double pixelX = std::floor(center.x());
    const double pixelY = std::floor(center.y());
    const int stepX = static_cast<int>(std::lround((center.x() - pixelX) * kSubPixelSteps));
    const int stepY = static_cast<int>(std::lround((center.y() - pixelY) * kSubPixelSteps));
    const Key key {rimColor.rgba(), highlightColor.rgba(), stepX, stepY};
    auto found = m_Images.find(key);
    if (found == m_Images.end()) {
        const QPointF centerInImage(reach + stepX / kSubPixelSteps, reach + stepY / kSubPixelSteps);
        found = m_Images.emplace(key, render(centerInImage, 2 * reach + 1, highlightOffset, rimColor,
                                             highlightColor)).first;
    }
    painter.drawImage(QPointF(pixelX - reach, pixelY - reach), found->second);
}

QImage StoneImageCache::render(QPointF centerInImage, int size, QPointF highlightOffset, const QColor& rimColor,
                               const QColor& highlightColor) const
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Qt's two-circle form runs from the focal circle (0) to the centre circle (1);
    // the other way round paints nothing in Qt 6.4.
    QRadialGradient gradient(centerInImage, m_Radius, centerInImage + highlightOffset, 0);
    gradient.setColorAt(0, highlightColor);
    gradient.setColorAt(1, rimColor);
    // Each component, alpha too, runs linearly from one colour to the other.
    gradient.setInterpolationMode(QGradient::ComponentInterpolation);
    // Qt has no "no extension" spread: the gradient is painted only inside the disc.
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centerInImage, m_Radius, m_Radius);
    return image;
}
