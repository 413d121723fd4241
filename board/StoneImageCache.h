#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>

#include <map>
#include <tuple>

class QPainter;

// Shaded stone discs, each rendered once (antialiased) per pair of colours and
// sub-pixel position, then copied onto the board at every repaint. Drawing 160
// radial gradients anew on each repaint costs several milliseconds; a copy of
// the same pixels costs a fraction of that.
class StoneImageCache {
public:
    // A disc of the radius around the centre (widget coordinates, y down), in
    // rimColor at its edge shading to highlightColor at centre + highlightOffset.
    void drawShadedDisc(QPainter& painter, QPointF center, double radius, QPointF highlightOffset,
                        const QColor& rimColor, const QColor& highlightColor);

private:
    // Colours, and the centre's offset from its pixel in eighths of a unit.
    using Key = std::tuple<QRgb, QRgb, int, int>;

    QImage render(QPointF centerInImage, int size, QPointF highlightOffset, const QColor& rimColor,
                  const QColor& highlightColor) const;

    std::map<Key, QImage> m_Images;
    double m_Radius = -1;
    QPointF m_HighlightOffset;
};
