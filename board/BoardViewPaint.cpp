#include "BoardView.h"

#include "board/DeadStoneMarking.h"
#include "board/ViewPainter.h"

#include <QColor>
#include <QFont>
#include <QPainter>

#include <array>
#include <numbers>
#include <optional>

namespace {
// Board colour (1, 199/255, 127/255): green and blue as single-precision values.
const QColor kBoardColor = QColor::fromRgbF(1.0f, 0.78039217f, 0.49803922f);
const QColor kBlack = QColor::fromRgbF(0.0f, 0.0f, 0.0f);
const QColor kGrey = QColor::fromRgbF(0.5f, 0.5f, 0.5f);
const QColor kWhite = QColor::fromRgbF(1.0f, 1.0f, 1.0f);
const QColor kLightGrey = QColor::fromRgbF(2.0f / 3.0f, 2.0f / 3.0f, 2.0f / 3.0f);
const QColor kRed = QColor::fromRgbF(1.0f, 0.0f, 0.0f);
// The translucent stone's rim.
constexpr float kShadowAlpha = 0.5f;

const char* const kLabelFontFamily = "Arial";
constexpr int kLabelFontSize = 12;
constexpr int kCountFontSize = 20;
// Row labels sit in the left margin at an eighth of the border, their lower edge
// this far below their line; column labels sit as far up from the bottom edge.
constexpr std::int32_t kLabelMarginDivisor = 8;
constexpr float kRowLabelDrop = 10.0f;

constexpr std::int32_t kStarPointBoardSize = 8;
constexpr std::array<std::array<int, 2>, 5> kStarPoints {{{2, 2}, {2, 6}, {4, 4}, {6, 2}, {6, 6}}};
constexpr double kStarPointRadius = 5.0;
constexpr double kLineWidth = 1.0;

// The highlight lies a quarter of a grid spacing up and right of the centre.
constexpr double kHighlightOffsetFactor = 0.25;
// The ring's diameter is the stone's radius.
constexpr float kRingScale = 0.5f;
// The cross: two bars a grid spacing long and an eighth of a spacing thick.
constexpr double kCrossThicknessDivisor = 8.0;
constexpr double kCrossAngle = std::numbers::pi / 4;
constexpr double kCrossLineWidth = 2.0;
// A dead stone's cross: arms of a third of the stone's radius, two units thick.
constexpr double kDeadCrossShare = 1.0 / 3.0;
constexpr double kDeadCrossWidth = 2.0;
// Counting numbers start a little left of and below the stone's centre.
constexpr float kCountOffsetFactor = 0.25f;
constexpr float kCountDrop = 5.0f;

struct StoneAppearance {
    QColor Rim;
    QColor Highlight;
};

std::optional<StoneAppearance> stoneAppearance(std::int64_t color)
{
    if (color == GTPGoColorBlack) {
        return StoneAppearance {kBlack, kGrey};
    }
    if (color == GTPGoColorWhite) {
        return StoneAppearance {kWhite, kLightGrey};
    }
    return std::nullopt;
}

QFont arial(int size)
{
    // A view unit is a pixel, so the sizes are pixel sizes.
    QFont font(kLabelFontFamily);
    font.setPixelSize(size);
    return font;
}
}

void BoardView::drawBoard(QPainter& painter)
{
    ViewPainter view(painter, height());
    const QRectF boardArea(0, 0, m_Width, m_Height);
    view.fillRect(boardArea, kBoardColor);
    view.frameRect(boardArea, kBlack);
    view.frameRect(QRectF(m_BorderSize, m_BorderSize, m_BoardSize * m_BoardWidthFactor,
                          m_BoardSize * m_BoardHeightFactor),
                   kBlack);
    // The grid lines are the frames of the cells.
    for (std::int32_t i = 0; i < m_BoardSize; ++i) {
        for (std::int32_t j = 0; j < m_BoardSize; ++j) {
            view.frameRect(QRectF(getPosX(i), getPosY(j), m_BoardWidthFactor, m_BoardHeightFactor), kBlack);
        }
    }
}

void BoardView::drawCoordinates(QPainter& painter)
{
    ViewPainter view(painter, height());
    const QFont font = arial(kLabelFontSize);
    const std::int32_t margin = m_BorderSize / kLabelMarginDivisor;
    for (std::int32_t i = 0; i <= m_BoardSize; ++i) {
        view.drawText(QPointF(margin, getPosY(i) - kRowLabelDrop), QString::asprintf("%d", i + 1), font, kBlack);
        view.drawText(QPointF(getPosX(i), margin), m_ColumnNames.at(i), font, kBlack);
    }
}

void BoardView::drawStarPoints(QPainter& painter)
{
    if (m_BoardSize != kStarPointBoardSize) {
        return;
    }
    ViewPainter view(painter, height());
    for (const auto& [i, j] : kStarPoints) {
        const QRectF oval(getPosX(i) - kStarPointRadius, getPosY(j) - kStarPointRadius, 2 * kStarPointRadius,
                          2 * kStarPointRadius);
        view.strokeAndFillOval(oval, kBlack, kLineWidth);
    }
}

void BoardView::drawStones(QPainter& painter)
{
    // Both passes under one lock, so they draw the same position.
    std::lock_guard<std::mutex> guard(m_Lock);
    for (const auto& [point, color] : m_StoneList) {
        drawShadowOfStoneAtPoint(painter, color, QPointF(getPosX(point.X()), getPosY(point.Y())));
    }
    for (const auto& [point, color] : m_StoneList) {
        // A stone marked dead stays translucent, crossed in its own colour's contrast.
        if (!m_Marking->isDead(boardPointToGoPoint(point))) {
            drawStoneAtPoint(painter, color, QPointF(getPosX(point.X()), getPosY(point.Y())));
            continue;
        }
        const QPointF center(getPosX(point.X()), getPosY(point.Y()));
        const double arm = m_StoneRadius * kDeadCrossShare;
        const QRectF bar(-arm, -kDeadCrossWidth / 2, 2 * arm, kDeadCrossWidth);
        ViewPainter view(painter, height());
        for (const double angle : {kCrossAngle, -kCrossAngle}) {
            view.fillAndStrokeRotatedRect(center, angle, bar, color == GTPGoColorBlack ? kWhite : kBlack, 0);
        }
    }
}

void BoardView::drawStoneAtPoint(QPainter& painter, std::int64_t color, QPointF center)
{
    const std::optional<StoneAppearance> appearance = stoneAppearance(color);
    if (!appearance) {
        return;
    }
    drawShadedStone(painter, center, appearance->Rim, appearance->Highlight);
}

void BoardView::drawShadowOfStoneAtPoint(QPainter& painter, std::int64_t color, QPointF center)
{
    const std::optional<StoneAppearance> appearance = stoneAppearance(color);
    if (!appearance) {
        return;
    }
    QColor rim = appearance->Rim;
    rim.setAlphaF(kShadowAlpha);
    drawShadedStone(painter, center, rim, appearance->Highlight);
}

void BoardView::drawShadedStone(QPainter& painter, QPointF center, const QColor& rim, const QColor& highlight)
{
    const double d = static_cast<float>(m_BoardWidthFactor * kHighlightOffsetFactor);
    const ViewPainter view(painter, height());
    const QPointF widgetCenter = view.toWidget(center);
    const QPointF highlightOffset = view.toWidget(center + QPointF(d, d)) - widgetCenter;
    m_StoneImages.drawShadedDisc(painter, widgetCenter, m_StoneRadius, highlightOffset, rim, highlight);
}

void BoardView::drawLastMove(QPainter& painter)
{
    if (m_LastMove.marksNothing()) {
        return;
    }
    std::int64_t color = GTPGoColorBlack;
    {
        std::lock_guard<std::mutex> guard(m_Lock);
        const auto found = m_StoneList.find(m_LastMove);
        color = found == m_StoneList.end() ? GTPGoColorBlack : found->second;
    }
    const double x = getPosX(m_LastMove.X());
    const double y = getPosY(m_LastMove.Y());
    const float halfRadius = m_StoneRadius * kRingScale;
    const QRectF ring(x - halfRadius, y - halfRadius, m_StoneRadius, m_StoneRadius);
    ViewPainter(painter, height()).strokeOval(ring, color == GTPGoColorBlack ? kWhite : kBlack, kLineWidth);
}

void BoardView::drawForbiddenMove(QPainter& painter)
{
    if (m_ForbiddenMove.marksNothing()) {
        return;
    }
    const QPointF origin(getPosX(m_ForbiddenMove.X()), getPosY(m_ForbiddenMove.Y()));
    const double w = m_BoardWidthFactor;
    const double h = m_BoardHeightFactor / kCrossThicknessDivisor;
    const QRectF bar(-w / 2, -h / 2, w, h);
    ViewPainter view(painter, height());
    view.fillAndStrokeRotatedRect(origin, kCrossAngle, bar, kRed, kCrossLineWidth);
    view.fillAndStrokeRotatedRect(origin, -kCrossAngle, bar, kRed, kCrossLineWidth);
}

void BoardView::drawCount(QPainter& painter)
{
    if (!m_DisplayCount) {
        return;
    }
    ViewPainter view(painter, height());
    const QFont font = arial(kCountFontSize);
    std::lock_guard<std::mutex> guard(m_Lock);
    // Each colour's stones are numbered 1 to n: the last number is that colour's count.
    int blackCount = 1;
    int whiteCount = 1;
    for (const auto& [point, color] : m_StoneList) {
        const float offset = m_StoneRadius * kCountOffsetFactor;
        const QPointF position(getPosX(point.X()) - offset, getPosY(point.Y()) - offset - kCountDrop);
        if (color == GTPGoColorBlack) {
            view.drawText(position, QString::asprintf("%d", blackCount++), font, kWhite);
        } else {
            view.drawText(position, QString::asprintf("%d", whiteCount++), font, kBlack);
        }
    }
}

void BoardView::drawMouseOver(QPainter& painter)
{
    if (!m_DisplayMouseOver || m_GoGame->IsGameOver() || m_IsDemonstration || !isPlayersTurn()) {
        return;
    }
    if (m_MouseLocationToUpdate == QPointF(-1, -1)) {
        return;
    }
    const std::optional<GoBoardPoint> point = locationToBoardPoint(m_MouseLocationToUpdate);
    if (!point || *point == GoBoardPoint::empty()) {
        return;
    }
    std::lock_guard<std::mutex> guard(m_Lock);
    if (!m_StoneList.contains(*point)) {
        drawShadowOfStoneAtPoint(painter, toPlay(), QPointF(getPosX(point->X()), getPosY(point->Y())));
    }
}
