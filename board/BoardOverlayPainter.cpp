#include "BoardOverlayPainter.h"

#include "board/ViewPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

namespace {
// A disc is smaller than a stone, so that it never reads as one.
constexpr double kDiscShare = 0.7;
constexpr double kSquareShare = 0.4;
constexpr double kFrameShare = 1.15;
constexpr double kFrameWidth = 2.5;
constexpr double kOutlineWidth = 1.5;
const QColor kLabelColor(Qt::white);
const char* const kLabelFontFamily = "Arial";
constexpr double kLabelShareOfDisc = 1.1;
}

BoardOverlayPainter::BoardOverlayPainter(Position position, double stoneRadius, double viewHeight)
    : m_Position(std::move(position)), m_StoneRadius(stoneRadius), m_ViewHeight(viewHeight)
{
}

void BoardOverlayPainter::paint(QPainter& painter, const BoardOverlay& overlay) const
{
    ViewPainter view(painter, m_ViewHeight);
    const auto around = [&](const GTPGoPoint& point, double halfSide) {
        const QPointF centre = m_Position(point);
        return QRectF(centre.x() - halfSide, centre.y() - halfSide, 2 * halfSide, 2 * halfSide);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const BoardOverlay::Square& square : overlay.Squares) {
        view.fillRect(around(square.Point, m_StoneRadius * kSquareShare), square.Color);
    }
    for (const BoardOverlay::Frame& frame : overlay.Frames) {
        painter.setPen(QPen(frame.Color, kFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(view.toWidget(around(frame.Point, m_StoneRadius * kFrameShare)));
    }
    QFont font(QString::fromLatin1(kLabelFontFamily));
    font.setBold(true);
    font.setPixelSize(static_cast<int>(m_StoneRadius * kDiscShare * kLabelShareOfDisc));
    painter.setFont(font);
    for (const BoardOverlay::Disc& disc : overlay.Discs) {
        const QRectF widgetDisc = view.toWidget(around(disc.Point, m_StoneRadius * kDiscShare));
        painter.setPen(QPen(disc.Color.darker(), kOutlineWidth));
        painter.setBrush(disc.Color);
        painter.drawEllipse(widgetDisc);
        painter.setPen(kLabelColor);
        painter.drawText(widgetDisc, Qt::AlignCenter, disc.Label);
    }
    painter.restore();
}
