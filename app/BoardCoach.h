#pragma once

#include "coach/CoachAnswers.h"

#include <QObject>

#include <optional>

class BoardView;
class Coach;
class CoachPanel;

// The coach at one board: follows the position on screen (the game's, or the
// one shown in review), asks the coach, and shows what it says through the
// board's overlay and the coach panel. An answer about a position no longer
// shown is dropped. Its coach process goes with the board screen.
class BoardCoach : public QObject {
    Q_OBJECT
public:
    BoardCoach(BoardView& board, CoachPanel& panel, QObject* parent = nullptr);

    // The three best moves for the side to move, marked on the board.
    void hint();
    void setCommenting(bool on);
    void setShowingTerritory(bool on);
    bool isAvailable() const;
    // Frames the better move of the position shown, until it changes.
    void markBetterMove(const GTPGoPoint& point);
    // Whether the panel has a reason to be seen: a feature is on or a hint is shown.
    bool wantsPanel() const;
    const Coach& coach() const { return *m_Coach; }

signals:
    // The coach failed, or the features in use changed.
    void StateChanged();

private:
    CoachPosition shownPosition() const;
    void followPlay();
    void commentOnNewMove();
    void showHint(const CoachHint& hint);
    void showTerritory(const CoachTerritory& territory);
    void showComment(const CoachComment& comment);
    void coachFailed();
    void refreshOverlay();

    BoardView& m_Board;
    CoachPanel& m_Panel;
    Coach* m_Coach;
    CoachPosition m_Shown;
    std::size_t m_TurnsSeen = 0;
    std::optional<CoachHint> m_Hint;
    std::optional<CoachTerritory> m_Territory;
    bool m_Commenting = false;
    bool m_ShowingTerritory = false;
    std::optional<GTPGoPoint> m_BetterMove;
};
