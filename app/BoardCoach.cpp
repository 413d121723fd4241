#include "BoardCoach.h"

#include "app/CoachPanel.h"
#include "board/BoardView.h"
#include "coach/Coach.h"
#include "coach/CoachWords.h"

#include <cstdlib>

namespace {
const QColor kHintColor(25, 118, 210);
// Territory squares: full for territory, fainter for a framework that may still be reduced.
constexpr int kTerritoryValue = 3;
constexpr int kFrameworkValue = 2;
const QColor kBlackTerritory(20, 20, 20, 200);
const QColor kWhiteTerritory(250, 250, 250, 220);
constexpr int kFrameworkAlpha = 90;
}

BoardCoach::BoardCoach(BoardView& board, CoachPanel& panel, QObject* parent)
    : QObject(parent), m_Board(board), m_Panel(panel), m_Coach(new Coach(board.GoGame().GameInfo(), this))
{
    m_Shown = shownPosition();
    m_TurnsSeen = board.GoGame().Turns().size();
    connect(&m_Board, &BoardView::PlayChanged, this, &BoardCoach::followPlay);
    connect(m_Coach, &Coach::HintReady, this, &BoardCoach::showHint);
    connect(m_Coach, &Coach::TerritoryReady, this, &BoardCoach::showTerritory);
    connect(m_Coach, &Coach::CommentReady, this, &BoardCoach::showComment);
    connect(m_Coach, &Coach::Failed, this, &BoardCoach::coachFailed);
}

bool BoardCoach::isAvailable() const
{
    return m_Coach->isAvailable();
}

bool BoardCoach::wantsPanel() const
{
    return m_Commenting || m_ShowingTerritory || m_Hint || !isAvailable();
}

CoachPosition BoardCoach::shownPosition() const
{
    const GTPGoGame& game = m_Board.GoGame();
    const GTPGoTurn* shown = game.getNodeToDisplay();
    const std::size_t count = !m_Board.isReviewing() ? game.Turns().size()
        : shown != nullptr                          ? static_cast<std::size_t>(shown->TurnNumber()) + 1
                                                    : 0;
    CoachPosition position {game.getMoves(count), GTPGoColorBlack};
    if (!position.Moves.empty()) {
        position.ToMove = getOppositeColor(position.Moves.back().Color());
    } else if (game.GameInfo().Handicap() >= 2) {
        position.ToMove = GTPGoColorWhite;
    }
    return position;
}

void BoardCoach::hint()
{
    const bool playersTurn = m_Board.PlayerColor() == GTPGoColorEmpty
        || m_Board.GoGame().ColorToMove() == m_Board.PlayerColor() || m_Board.GoGame().IsGameOver();
    if (!m_Board.isReviewing() && !playersTurn) {
        m_Panel.setHint(CoachWords::hintOnYourTurn());
        emit StateChanged();
        return;
    }
    m_Coach->requestHint(m_Shown);
}

void BoardCoach::markBetterMove(const GTPGoPoint& point)
{
    m_BetterMove = point;
    refreshOverlay();
}

void BoardCoach::setCommenting(bool on)
{
    m_Commenting = on;
    if (!on) {
        m_Panel.setComment(QString());
    }
    emit StateChanged();
}

void BoardCoach::setShowingTerritory(bool on)
{
    m_ShowingTerritory = on;
    if (on) {
        m_Coach->requestTerritory(m_Shown);
    } else {
        m_Territory.reset();
        m_Panel.setLead(QString());
        refreshOverlay();
    }
    emit StateChanged();
}

void BoardCoach::followPlay()
{
    commentOnNewMove();
    const CoachPosition shown = shownPosition();
    if (shown == m_Shown) {
        return;
    }
    m_Shown = shown;
    // What was said of the last position no longer holds.
    if (m_Hint) {
        m_Hint.reset();
        m_Panel.setHint(QString());
        emit StateChanged();
    }
    m_Territory.reset();
    m_BetterMove.reset();
    refreshOverlay();
    if (m_ShowingTerritory) {
        m_Coach->requestTerritory(m_Shown);
    }
}

void BoardCoach::commentOnNewMove()
{
    const GTPGoGame& game = m_Board.GoGame();
    const std::size_t turns = game.Turns().size();
    const bool oneMore = turns == m_TurnsSeen + 1;
    m_TurnsSeen = turns;
    if (!m_Commenting || !oneMore) {
        return;
    }
    const GTPGoMove played = game.getLastTurn()->Move();
    if (m_Board.PlayerColor() != GTPGoColorEmpty && played.Color() != m_Board.PlayerColor()) {
        return;
    }
    CoachPosition before {game.getMoves(turns - 1), played.Color()};
    m_Coach->requestComment(before, played);
}

void BoardCoach::showHint(const CoachHint& hint)
{
    if (hint.Position != m_Shown) {
        return;
    }
    m_Hint = hint;
    m_Panel.setHint(CoachWords::hint(hint));
    refreshOverlay();
    emit StateChanged();
}

void BoardCoach::showTerritory(const CoachTerritory& territory)
{
    if (territory.Position != m_Shown || !m_ShowingTerritory) {
        return;
    }
    m_Territory = territory;
    m_Panel.setLead(territory.Lead ? CoachWords::lead(*territory.Lead) : QString());
    refreshOverlay();
}

void BoardCoach::showComment(const CoachComment& comment)
{
    // A move taken back meanwhile is not commented.
    const std::vector<GTPGoMove> moves = m_Board.GoGame().getMoves();
    const std::size_t index = comment.Before.Moves.size();
    if (!m_Commenting || index >= moves.size() || moves[index] != comment.Played) {
        return;
    }
    const QString words = CoachWords::comment(comment);
    m_Panel.setComment(words.isEmpty() ? CoachWords::noMistake(comment.Played) : words);
}

void BoardCoach::coachFailed()
{
    m_Hint.reset();
    m_Territory.reset();
    m_Panel.clear();
    m_Panel.setNote(CoachWords::unavailable());
    refreshOverlay();
    emit StateChanged();
}

void BoardCoach::refreshOverlay()
{
    BoardOverlay overlay;
    if (m_Territory) {
        for (const auto& [point, value] : m_Territory->Owners) {
            const int strength = std::abs(value);
            if (strength == kTerritoryValue || strength == kFrameworkValue) {
                QColor color = value < 0 ? kBlackTerritory : kWhiteTerritory;
                color.setAlpha(strength == kTerritoryValue ? color.alpha() : kFrameworkAlpha);
                overlay.Squares.push_back({point, color});
            }
        }
    }
    if (m_BetterMove) {
        overlay.Frames.push_back({*m_BetterMove, kHintColor});
    }
    if (m_Hint) {
        int label = 1;
        for (const CandidateMove& move : m_Hint->Moves) {
            if (move.Point) {
                overlay.Discs.push_back({*move.Point, QString::number(label), kHintColor});
            }
            ++label;
        }
    }
    m_Board.setOverlay(BoardOverlay::Layer::Coach, std::move(overlay));
}
