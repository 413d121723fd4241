#include "GTPGoGame.h"

#include "GTPGoAreaCounting.h"

#include <algorithm>
#include <cmath>
#include <utility>

GTPGoGame::GTPGoGame(const GTPGoGameInfo& gameInfo, GTPGoClock::TimeSource timeSource)
    : m_GameInfo(gameInfo)
    , m_Board(gameInfo.BoardSize(), gameInfo.Handicap())
    , m_Clock(gameInfo.TimeSettings(), std::move(timeSource))
    , m_ColorToMove(gameInfo.Handicap() >= 2 ? GTPGoColorWhite : GTPGoColorBlack)
{
}

std::unique_ptr<GTPGoTurn> GTPGoGame::makeTurn(const GTPGoMove& move) const
{
    auto turn = std::make_unique<GTPGoTurn>(move, m_CurrentTurn);
    turn->setOldKoPoint(m_KoPoint);
    return turn;
}

bool GTPGoGame::playMove(const GTPGoMove& move, GTPGoMoveMessage& message)
{
    if (m_CurrentTurn != static_cast<std::int32_t>(m_Turns.size())) {
        message = GTPGoMessageNotAtEnd;
        return false;
    }
    if (move.IsPass()) {
        const GTPGoTurn* last = getLastTurn();
        if (last && !last->Move().Point()) {
            endByPasses();
            return false;
        }
        // The colour of a pass is not checked against the side to move.
        addTurn(makeTurn(move));
    } else {
        const GTPGoPoint point = *move.Point();
        if (move.Color() != m_ColorToMove) {
            message = GTPGoMessageNotYourTurn;
            return false;
        }
        if (m_KoPoint && *m_KoPoint == point) {
            message = GTPGoMessageKo;
            return false;
        }
        if (!m_Board.isPointFree(point)) {
            message = GTPGoMessageOccupied;
            return false;
        }
        std::vector<GTPGoPoint> captured = m_Board.willCapture(move);
        if (captured.empty() && m_Board.isSuicide(move)) {
            message = GTPGoMessageSuicide;
            return false;
        }
        auto turn = makeTurn(move);
        if (!captured.empty()) {
            turn->setKilledStones(std::move(captured));
        }
        addTurn(std::move(turn));
    }
    m_Board.execute(*getLastTurn());
    recomputeKoPoint();
    m_Clock.onMovePlayed(m_ColorToMove);
    m_ColorToMove = getOppositeColor(m_ColorToMove);
    return true;
}

void GTPGoGame::acceptAreaCount(const std::vector<GTPGoPoint>& deadStones)
{
    double whiteScore = 0;
    double blackScore = 0;
    areaCounting(m_Board, deadStones, static_cast<double>(m_GameInfo.Komi()), whiteScore, blackScore);
    setResultOf(whiteScore, blackScore);
}

void GTPGoGame::setResultOf(double whiteScore, double blackScore)
{
    m_Result = GTPGoGameResult(whiteScore > blackScore ? GTPGoColorWhite : GTPGoColorBlack,
                               std::fabs(whiteScore - blackScore), blackScore, whiteScore, false);
    endGame(GTPGoGameEnd::TwoPasses, whiteScore == blackScore ? GTPGoColorEmpty : m_Result->WinnerColor());
}

void GTPGoGame::endByPasses()
{
    double whiteScore = 0;
    double blackScore = 0;
    velkCounting(whiteScore, blackScore);
    setResultOf(whiteScore, blackScore);
}

void GTPGoGame::recomputeKoPoint()
{
    m_KoPoint.reset();
    const GTPGoTurn* last = getLastTurn();
    if (!last->KilledStones() || last->KilledStones()->size() != 1) {
        return;
    }
    const GTPGoPoint koPoint = last->KilledStones()->front();
    // Ko only when retaking at K would stand on its own capture of exactly one stone.
    const GTPGoMove probe = GTPGoMove::stone(getOppositeColor(last->Move().Color()), koPoint);
    if (m_Board.isSuicide(probe) && m_Board.willCapture(probe).size() == 1) {
        m_KoPoint = koPoint;
    }
}

std::vector<GTPGoMove> GTPGoGame::getMoves(std::size_t count) const
{
    std::vector<GTPGoMove> moves;
    for (std::size_t i = 0; i < std::min(count, m_Turns.size()); ++i) {
        moves.push_back(m_Turns[i]->Move());
    }
    return moves;
}

bool GTPGoGame::takeBack()
{
    if (m_End == GTPGoGameEnd::TwoPasses) {
        // The second pass changed nothing but the end; ColorToMove is still its side.
        m_IsGameOver = false;
        m_Result.reset();
        m_End = GTPGoGameEnd::None;
        m_Winner = GTPGoColorEmpty;
        return true;
    }
    if (m_IsGameOver || m_Turns.empty()) {
        return false;
    }
    const GTPGoTurn& last = *m_Turns.back();
    undo(last);
    m_KoPoint = last.OldKoPoint();
    m_ColorToMove = last.Move().Color();
    if (GTPGoTurn* previous = last.PreviousTurn()) {
        previous->NextTurns().clear();
    }
    if (m_CurrentNode == &last) {
        m_CurrentNode = last.PreviousTurn();
    }
    m_Turns.pop_back();
    --m_CurrentTurn;
    return true;
}

void GTPGoGame::undo(const GTPGoTurn& turn)
{
    const GTPGoMove& move = turn.Move();
    if (!move.Point()) {
        return;
    }
    GTPGoBoard::StoneMap stones = m_Board.Stones();
    stones.erase(*move.Point());
    for (const GTPGoPoint& killed : turn.KilledStones().value_or(std::vector<GTPGoPoint>())) {
        stones[killed] = static_cast<std::int32_t>(getOppositeColor(move.Color()));
    }
    m_Board.setStones(stones);
}

void GTPGoGame::addTurn(std::unique_ptr<GTPGoTurn> turn)
{
    if (GTPGoTurn* last = getLastTurn()) {
        last->NextTurns().push_back(turn.get());
        turn->setPreviousTurn(last);
    }
    m_Turns.push_back(std::move(turn));
    ++m_CurrentTurn;
}

GTPGoTurn* GTPGoGame::getLastTurn() const
{
    return m_Turns.empty() ? nullptr : m_Turns.back().get();
}

bool GTPGoGame::updateClock()
{
    const bool lost = m_Clock.update(m_ColorToMove);
    if (lost) {
        endGame(GTPGoGameEnd::Time, getOppositeColor(m_ColorToMove));
    }
    return lost;
}

void GTPGoGame::endGame(GTPGoGameEnd how, GTPGoColor winner)
{
    m_IsGameOver = true;
    m_End = how;
    m_Winner = winner;
}

void GTPGoGame::setPause(bool pause)
{
    m_IsPause = pause;
    if (pause) {
        m_Clock.pause();
        m_CurrentNode = getLastTurn();
    } else {
        m_Clock.unpause();
    }
}

void GTPGoGame::velkCounting(double& whiteScore, double& blackScore) const
{
    whiteScore = static_cast<double>(m_GameInfo.Komi());
    blackScore = 0;
    for (const auto& [point, color] : m_Board.Stones()) {
        if (color == GTPGoColorWhite) {
            whiteScore += 1.0;
        } else if (color == GTPGoColorBlack) {
            blackScore += 1.0;
        }
    }
}

std::int32_t GTPGoGame::getNumberOfCapturedStones(GTPGoColor color) const
{
    std::int32_t captured = 0;
    for (const auto& turn : m_Turns) {
        if (turn->Move().Color() == color && turn->KilledStones()) {
            captured += static_cast<std::int32_t>(turn->KilledStones()->size());
        }
    }
    return captured;
}
