#pragma once

#include "coach/AnalysedMove.h"

#include <QObject>
#include <QPointer>

#include <optional>
#include <vector>

class AnalysisWindow;
class BoardCoach;
class BoardViewController;
class GameAnalysis;

// A game's analysis at its board screen: Game › Analyse Game runs it (or shows
// what the game's file already holds) in the Analysis window; a move chosen
// there, or N and Shift+N in review, shows on the board; the result goes
// into the game's file. Cancelling or leaving the game ends its process.
class AnalysisController : public QObject {
    Q_OBJECT
public:
    AnalysisController(BoardViewController& screen, BoardCoach& coach);
    ~AnalysisController() override;

    void analyse();
    // In review: the next (1) or the previous (-1) mistake of either side.
    void stepMistake(int direction);
    bool isRunning() const { return m_Analysis != nullptr; }
    const std::optional<std::vector<AnalysedMove>>& result() const { return m_Result; }
    AnalysisWindow* window() const;
    // The analysis process's id while it runs, else 0.
    qint64 processId() const;

private:
    void showWindow();
    void finished(std::vector<AnalysedMove> moves);
    void cancel();
    void showMove(int number, bool showBetter);

    BoardViewController& m_Screen;
    BoardCoach& m_Coach;
    GameAnalysis* m_Analysis = nullptr;
    QPointer<AnalysisWindow> m_Window;
    std::optional<std::vector<AnalysedMove>> m_Result;
};
