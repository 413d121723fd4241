#pragma once

#include "board/BoardOverlay.h"

#include <QPointF>

#include <functional>

class QPainter;

// Paints a BoardOverlay at the board's intersections, sized by its stones.
class BoardOverlayPainter {
public:
    // Where an intersection lies in view coordinates (origin bottom-left, y upward).
    using Position = std::function<QPointF(const GTPGoPoint&)>;

    BoardOverlayPainter(Position position, double stoneRadius, double viewHeight);
    void paint(QPainter& painter, const BoardOverlay& overlay) const;

private:
    Position m_Position;
    double m_StoneRadius;
    double m_ViewHeight;
};
