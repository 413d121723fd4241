#pragma once

#include "GTPGoBoard.h"
#include "GTPGoGameEnd.h"
#include "GTPGoGameResult.h"
#include "GTPGoMove.h"
#include "GTPGoMoveMessage.h"
#include "GTPGoTurn.h"
#include "settings/GTPGoClock.h"
#include "settings/GTPGoGameInfo.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// The record of one game and the single gate through which every move enters it.
class GTPGoGame {
public:
    explicit GTPGoGame(const GTPGoGameInfo& gameInfo, GTPGoClock::TimeSource timeSource = {});

    // True when the move was accepted and recorded. On refusal writes a result
    // code; a second pass in a row ends the game and returns false, code untouched.
    bool playMove(const GTPGoMove& move, GTPGoMoveMessage& message);
    void addTurn(std::unique_ptr<GTPGoTurn> turn);
    GTPGoTurn* getLastTurn() const;
    GTPGoTurn* getNodeToDisplay() const { return m_CurrentNode; }
    // The moves of the first count turns (all of them by default), in order.
    std::vector<GTPGoMove> getMoves(std::size_t count = SIZE_MAX) const;
    // Charges the side to move; true (and the game over) when it lost on time.
    bool updateClock();
    void setPause(bool pause);
    // Ends the game other than by two passes (which end it in playMove).
    void endGame(GTPGoGameEnd how, GTPGoColor winner);
    // Takes the last move back: the pass that ended a game by two passes (never
    // recorded as a turn) when there is one, else the last turn, with its
    // captures put back, the ko point and the side to move as they were. The
    // clock keeps the time spent. False when there is nothing to take back.
    bool takeBack();

    // Stones on the board; White's score includes komi.
    void velkCounting(double& whiteScore, double& blackScore) const;
    std::int32_t getNumberOfCapturedStones(GTPGoColor color) const;
    // After two passes in an area-counted game: the result is the area count of the
    // board with these dead stones taken off; White's score includes komi.
    void acceptAreaCount(const std::vector<GTPGoPoint>& deadStones);
    // Moves CurrentNode by up to step turns and lists what changes on the shown
    // board: points to clear and stones to place, never sharing a point.
    void getBoardModifications(std::vector<GTPGoPoint>& removals, std::vector<GTPGoMove>& additions, std::int32_t step);

    const GTPGoGameInfo& GameInfo() const { return m_GameInfo; }
    GTPGoGameInfo& GameInfo() { return m_GameInfo; }
    const GTPGoBoard& Board() const { return m_Board; }
    GTPGoBoard& Board() { return m_Board; }
    const GTPGoClock& Clock() const { return m_Clock; }
    GTPGoClock& Clock() { return m_Clock; }
    const std::vector<std::unique_ptr<GTPGoTurn>>& Turns() const { return m_Turns; }
    std::int32_t CurrentTurn() const { return m_CurrentTurn; }
    void setCurrentTurn(std::int32_t v) { m_CurrentTurn = v; }
    GTPGoColor ColorToMove() const { return m_ColorToMove; }
    void setColorToMove(GTPGoColor v) { m_ColorToMove = v; }
    const std::optional<GTPGoPoint>& KoPoint() const { return m_KoPoint; }
    void setKoPoint(std::optional<GTPGoPoint> v) { m_KoPoint = v; }
    bool IsGameOver() const { return m_IsGameOver; }
    void setIsGameOver(bool v) { m_IsGameOver = v; }
    const std::optional<GTPGoGameResult>& Result() const { return m_Result; }
    void setResult(std::optional<GTPGoGameResult> v) { m_Result = v; }
    bool IsPause() const { return m_IsPause; }
    GTPGoGameEnd End() const { return m_End; }
    // The winning side; Empty for a draw, a void or an unfinished game.
    GTPGoColor Winner() const { return m_Winner; }
    GTPGoTurn* CurrentNode() const { return m_CurrentNode; }
    void setCurrentNode(GTPGoTurn* v) { m_CurrentNode = v; }

private:
    std::unique_ptr<GTPGoTurn> makeTurn(const GTPGoMove& move) const;
    void endByPasses();
    void setResultOf(double whiteScore, double blackScore);
    void recomputeKoPoint();
    // The board's stones once the turn is undone: its stone off, its captures back.
    void undo(const GTPGoTurn& turn);
    void stepBack(std::int32_t steps, std::vector<GTPGoPoint>& removals, std::vector<GTPGoMove>& additions);
    void stepForward(std::int32_t steps, std::vector<GTPGoPoint>& removals, std::vector<GTPGoMove>& additions);

    GTPGoGameInfo m_GameInfo;
    GTPGoBoard m_Board;
    GTPGoClock m_Clock;
    std::vector<std::unique_ptr<GTPGoTurn>> m_Turns;
    std::int32_t m_CurrentTurn = 0;
    GTPGoColor m_ColorToMove;
    std::optional<GTPGoPoint> m_KoPoint;
    bool m_IsGameOver = false;
    std::optional<GTPGoGameResult> m_Result;
    bool m_IsPause = false;
    GTPGoGameEnd m_End = GTPGoGameEnd::None;
    GTPGoColor m_Winner = GTPGoColorEmpty;
    GTPGoTurn* m_CurrentNode = nullptr;
};
