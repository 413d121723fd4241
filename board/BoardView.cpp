#include "BoardView.h"

#include "board/BoardOverlayPainter.h"
#include "board/DeadStoneMarking.h"
#include "engine/GTPEngineSynchroniser.h"
#include "rules/Log.h"
#include "rules/NumberText.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace {
// The border before the grid is known; recomputed from the grid afterwards.
constexpr std::int32_t kInitialBorderSize = 46;
// A 9 x 9 board: eight intervals between the first and the last line.
constexpr std::int32_t kBoardSize = 8;
// The board square is at most three quarters of the view's width wide.
constexpr double kBoardShareOfWidth = 3.0 * 0.25;
// The hit box reaches half a grid spacing beyond the outermost lines.
constexpr double kHitboxMargin = 0.5;
constexpr double kStoneRadiusFactor = 0.5;
// Adjacent stones leave a gap of one unit between them.
constexpr double kStoneGap = 0.5;
// Column labels "A" to "S".
constexpr char kFirstColumnName = 'A';
constexpr int kColumnNameCount = 19;
constexpr double kTwoPlayersByoYomi = 15.0;
constexpr double kEngineGameMainTime = 0.0;
constexpr double kEngineGameByoYomi = 5.0;
const QPointF kNoMouseLocation {-1, -1};

// The hit box's own edges lie half a spacing outside the outermost lines, where
// rounding would leave the board: they count as outside.
bool insideHitbox(const QRectF& hitbox, QPointF location)
{
    return location.x() > hitbox.x() && location.x() < hitbox.x() + hitbox.width() && location.y() > hitbox.y()
        && location.y() < hitbox.y() + hitbox.height();
}

// Two players share the board without time pressure; against the engine only the
// engine's side is timed, in byo-yomi of a few seconds per move.
void adjustClock(GTPGoGame& game, GTPGoGameInfo& viewGameInfo, GTPGoColor playerColor)
{
    GTPGoClock& clock = game.Clock();
    if (playerColor == GTPGoColorEmpty) {
        clock.OriginalTime().setByoYomi(kTwoPlayersByoYomi);
        clock.setWhiteInfiniteTime(true);
        clock.setBlackInfiniteTime(true);
        clock.setCanLoseOnTime(false);
        return;
    }
    // These are what "time_settings" tells the engine; the game keeps the same settings.
    for (GTPGoGameInfo* info : {&viewGameInfo, &game.GameInfo()}) {
        info->TimeSettings().setMainTime(kEngineGameMainTime);
        info->TimeSettings().setByoYomi(kEngineGameByoYomi);
    }
    clock.OriginalTime().setByoYomi(kEngineGameByoYomi);
    clock.setBlackInfiniteTime(playerColor == GTPGoColorBlack);
    clock.setWhiteInfiniteTime(playerColor == GTPGoColorWhite);
    clock.setCanLoseOnTime(true);
}
}

BoardView::BoardView(const QRect& frame, const GTPGoGameInfo& gameInfo, GTPGoColor playerColor,
                     const QString& language, QWidget* parent, GTPGoClock::TimeSource timeSource)
    : BoardView(frame, std::make_unique<GTPGoGame>(gameInfo, std::move(timeSource)), playerColor, language, parent)
{
}

BoardView::BoardView(const QRect& frame, std::unique_ptr<GTPGoGame> game, GTPGoColor playerColor,
                     const QString& language, QWidget* parent)
    : QWidget(parent)
    , m_GameInfo(game->GameInfo())
    , m_PlayerColor(playerColor)
    , m_GoGame(std::move(game))
    , m_CurrentLanguage(language)
{
    setGeometry(frame);

    // The grid: the board square is the largest that fits the height and leaves a
    // quarter of the width to the info column.
    m_BorderSize = kInitialBorderSize;
    m_BoardSize = kBoardSize;
    const double size = std::min(static_cast<double>(frame.height()), frame.width() * kBoardShareOfWidth);
    m_BoardWidthFactor = (size - 2 * m_BorderSize) / m_BoardSize;
    m_BoardHeightFactor = (size - 2 * m_BorderSize) / m_BoardSize;
    m_BorderSize = static_cast<std::int32_t>((size - m_BoardSize * m_BoardHeightFactor) * 0.5);

    m_IsDemonstration = false;
    m_IsTwoPlayers = m_PlayerColor == GTPGoColorEmpty;
    for (int i = 0; i < kColumnNameCount; ++i) {
        m_ColumnNames.append(QString::asprintf("%c", kFirstColumnName + i));
    }

    adjustClock(*m_GoGame, m_GameInfo, m_PlayerColor);
    m_LastMove = GoBoardPoint::empty();
    m_ForbiddenMove = GoBoardPoint::empty();

    m_StoneRadius = static_cast<float>(m_BoardWidthFactor * kStoneRadiusFactor - kStoneGap);
    m_Marking = new DeadStoneMarking(*m_GoGame, this);
    connect(m_Marking, &DeadStoneMarking::Changed, this, &BoardView::showMarkedCount);
    initializeBoard();
    initializeInfoColumn();
    // Moves are reported anywhere in the view; the handlers keep to GoBoardHitbox.
    setMouseTracking(true);
    showGameSoFar();

    if (!m_IsTwoPlayers && !m_GoGame->IsGameOver()) {
        startPachi();
        m_EngineSync->restart(m_GoGame->getMoves());
        askEngineToPlay();
    }
}

BoardView::~BoardView()
{
    // Ending the engine may still deliver its output; it must not reach a view
    // whose game is already gone.
    if (m_GTPEngine) {
        m_GTPEngine->disconnect(this);
        delete m_GTPEngine;
        m_GTPEngine = nullptr;
    }
}

void BoardView::showGameSoFar()
{
    const GTPGoTurn* last = m_GoGame->getLastTurn();
    if (last != nullptr && last->Move().Point()) {
        m_LastMove = goPointToBoardPoint(*last->Move().Point());
    }
    if (!m_GoGame->IsGameOver()) {
        return;
    }
    if (m_GoGame->End() == GTPGoGameEnd::TwoPasses && m_GoGame->Result()) {
        showScore();
    }
    // A finished game is there to be looked through.
    m_DemonstrationButton->setChecked(true);
    onDemonstration();
}

void BoardView::initializeBoard()
{
    {
        std::lock_guard<std::mutex> guard(m_Lock);
        m_StoneList.clear();
        // A new game holds only its handicap stones; a game read from a file, any.
        for (const auto& [point, color] : m_GoGame->Board().Stones()) {
            m_StoneList[goPointToBoardPoint(point)] = color;
        }
    }
    m_GoBoardRect = QRectF(m_BorderSize, m_BorderSize, m_BoardSize * m_BoardWidthFactor,
                           m_BoardSize * m_BoardHeightFactor);
    m_GoBoardHitbox = QRectF(m_BorderSize - m_BoardWidthFactor * kHitboxMargin,
                             m_BorderSize - m_BoardHeightFactor * kHitboxMargin,
                             (m_BoardSize + 1) * m_BoardWidthFactor, (m_BoardSize + 1) * m_BoardHeightFactor);
    m_Width = static_cast<float>(m_GoBoardRect.width() + 2 * m_BorderSize);
    m_Height = static_cast<float>(m_GoBoardRect.height() + 2 * m_BorderSize);
}

BoardView::StoneMap BoardView::shownStones() const
{
    std::lock_guard<std::mutex> guard(m_Lock);
    return m_StoneList;
}

float BoardView::getPosX(float column) const
{
    return static_cast<float>(m_BorderSize + m_BoardWidthFactor * column);
}

float BoardView::getPosY(float row) const
{
    return static_cast<float>(m_BorderSize + m_BoardHeightFactor * row);
}

GTPGoPoint BoardView::boardPointToGoPoint(const GoBoardPoint& point)
{
    return {point.X() + 1, point.Y() + 1};
}

GoBoardPoint BoardView::goPointToBoardPoint(const GTPGoPoint& point)
{
    return {point.X() - 1, point.Y() - 1};
}

std::optional<GoBoardPoint> BoardView::locationToBoardPoint(QPointF location) const
{
    if (!insideHitbox(m_GoBoardHitbox, location)) {
        return std::nullopt;
    }
    // Rounded in single precision, halves away from zero.
    const auto nearestLine = [this](double offset, double extent) {
        const double index = (offset - m_BorderSize) / (extent / m_BoardSize);
        return static_cast<std::int32_t>(std::round(static_cast<float>(index)));
    };
    return GoBoardPoint(nearestLine(location.x(), m_GoBoardRect.width()),
                        nearestLine(location.y(), m_GoBoardRect.height()));
}

QPointF BoardView::toViewLocation(QPointF widgetPosition) const
{
    return {widgetPosition.x(), height() - widgetPosition.y()};
}

void BoardView::paintEvent(QPaintEvent* /*event*/)
{
    // The whole view is painted every time, whatever region Qt asks for.
    QPainter painter(this);
    drawBoard(painter);
    drawCoordinates(painter);
    drawStarPoints(painter);
    drawStones(painter);
    drawLastMove(painter);
    drawForbiddenMove(painter);
    const BoardOverlayPainter overlays(
        [this](const GTPGoPoint& point) { return QPointF(getPosX(point.X() - 1), getPosY(point.Y() - 1)); },
        m_StoneRadius, height());
    for (const BoardOverlay& overlay : m_Overlays) {
        overlays.paint(painter, overlay);
    }
    drawCount(painter);
    setPrisoners();
    drawMouseOver(painter);
}

void BoardView::setOverlay(BoardOverlay::Layer layer, BoardOverlay overlay)
{
    BoardOverlay& shown = m_Overlays[static_cast<std::size_t>(layer)];
    if (overlay != shown) {
        shown = std::move(overlay);
        update();
    }
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPointF location = toViewLocation(event->position());
    // The hover stone stays away until the mouse moves again.
    m_MouseLocationToUpdate = kNoMouseLocation;
    // Off the points a click does nothing, but it is logged all the same.
    if (const std::optional<GoBoardPoint> point = locationToBoardPoint(location)) {
        playAtPoint(boardPointToGoPoint(*point));
    }
    update();
    Log::write("Mouse location: " + fixedDecimal(location.x(), 6) + " " + fixedDecimal(location.y(), 6));
}

void BoardView::playAtPoint(const GTPGoPoint& point)
{
    if (m_Marking->isMarking() && !m_IsDemonstration) {
        m_Marking->toggleGroup(point);
    } else {
        playMove(QPointF(getPosX(point.X() - 1), getPosY(point.Y() - 1)));
    }
    update();
}

void BoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt makes the second press of a double click this event: it is a click on the board all the same.
    mousePressEvent(event);
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF location = toViewLocation(event->position());
    if (insideHitbox(m_GoBoardHitbox, location)) {
        m_MouseLocationToUpdate = location;
        update();
    } else if (m_MouseLocationToUpdate != kNoMouseLocation) {
        // Leaving the hit box is leaving the tracked region.
        m_MouseLocationToUpdate = kNoMouseLocation;
        update();
    }
}

void BoardView::leaveEvent(QEvent* /*event*/)
{
    m_MouseLocationToUpdate = kNoMouseLocation;
    update();
}
