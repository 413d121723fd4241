#pragma once

#include "board/BoardMessages.h"
#include "board/BoardOverlay.h"
#include "board/GoBoardPoint.h"
#include "board/StoneImageCache.h"
#include "engine/GTPGoEngineWrapper.h"
#include "rules/GTPGoGame.h"
#include "settings/GTPGoClock.h"
#include "settings/GTPGoGameInfo.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class DeadStoneMarking;
class GTPEngineSynchroniser;
class QCheckBox;
class QLabel;
class QPainter;
class QPushButton;
class QTimer;

// The board screen: geometry and view model (BoardView.cpp), painting and
// overlays (BoardViewPaint.cpp), the info column (BoardViewInfoColumn.cpp),
// the play controller (BoardViewPlay.cpp) and review (BoardViewReview.cpp).
// Its public face is what a player has: the controls' actions, the clock tick,
// the record to read; everything else is seen on screen. The info column's
// controls carry their field names as object names.
// All geometry is in view coordinates: origin bottom-left, y upward. Qt's
// y-down is met only when painting and when a mouse event arrives.
class BoardView : public QWidget {
    Q_OBJECT
public:
    // Colour numbers (GTPGoColor values) of the stones to draw.
    using StoneMap = std::unordered_map<GoBoardPoint, std::int64_t>;

    BoardView(const QRect& frame, const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language,
              QWidget* parent = nullptr, GTPGoClock::TimeSource timeSource = {});
    // A game read from a file, to be continued (against the engine or not) or,
    // when it is over, looked through in review.
    BoardView(const QRect& frame, std::unique_ptr<GTPGoGame> game, GTPGoColor playerColor, const QString& language,
              QWidget* parent = nullptr);
    ~BoardView() override;

    // Where intersections are, for whoever points at them.
    float getPosX(float column) const;
    float getPosY(float row) const;
    float StoneRadius() const { return m_StoneRadius; }
    const GTPGoGame& GoGame() const { return *m_GoGame; }
    const QString& EngineName() const { return m_EngineName; }
    GTPGoColor PlayerColor() const { return m_PlayerColor; }
    bool isReviewing() const { return m_IsDemonstration; }
    // The stones on screen: the game's, or in review the position reviewed.
    StoneMap shownStones() const;
    // What a class beside the board draws over it, on its layer; replaces that layer's last overlay.
    void setOverlay(BoardOverlay::Layer layer, BoardOverlay overlay);
    const BoardOverlay& overlay(BoardOverlay::Layer layer = BoardOverlay::Layer::Coach) const
    {
        return m_Overlays[static_cast<std::size_t>(layer)];
    }
    // A notice of the program's own (a game that could not be saved) below the message shown.
    void showNotice(std::function<QString()> text);

    // The actions of the info column's controls.
    void onPass();
    void onResign();
    void onDemonstration();
    void onStart();
    void onBack();
    void onNext();
    void onEnd();
    // Review, at the position after this many moves.
    void showInReview(std::int32_t moves);
    // What a click on the point does: a move, or while dead stones are marked, a group toggled.
    void playAtPoint(const GTPGoPoint& point);
    // The once-a-second clock tick.
    void updateClock();
    // Against the engine, on the player's turn: the player's last move and the
    // engine's answer; between two players, the last move. Not in review, nor
    // after a game ended otherwise than by two passes.
    bool canTakeBack() const;
    void takeBack();

signals:
    // Resign: the application shell shows the main menu in this language.
    void ResignRequested(const QString& language);
    // However it ended: two passes, a resignation, on time, an engine failure.
    void GameEnded();
    // A move was played or taken back, the game ended, review was entered, stepped or left.
    void PlayChanged();
    // The game refused the player's move (the message area says why).
    void MoveRefused();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Geometry and view model.
    void initializeBoard();
    // The ring on the last move of a game read from a file, and review if it is over.
    void showGameSoFar();
    static GTPGoPoint boardPointToGoPoint(const GoBoardPoint& point);
    static GoBoardPoint goPointToBoardPoint(const GTPGoPoint& point);
    // Nearest intersection of a view location inside GoBoardHitbox; nothing outside it.
    std::optional<GoBoardPoint> locationToBoardPoint(QPointF location) const;
    // The one flip from Qt's y-down widget coordinates into view coordinates.
    QPointF toViewLocation(QPointF widgetPosition) const;
    // The side the game expects a stone from; the record alone knows it.
    GTPGoColor toPlay() const { return m_GoGame->ColorToMove(); }
    bool isPlayersTurn() const { return m_IsTwoPlayers || toPlay() == m_PlayerColor; }
    // Applies differences of the record to the shown stones: additions, then removals.
    void showChanges(const std::vector<GTPGoPoint>& removals, const std::vector<GTPGoMove>& additions);

    // Painting, in the order paintEvent calls them.
    void drawBoard(QPainter& painter);
    void drawCoordinates(QPainter& painter);
    void drawStarPoints(QPainter& painter);
    void drawStones(QPainter& painter);
    void drawStoneAtPoint(QPainter& painter, std::int64_t color, QPointF center);
    void drawShadowOfStoneAtPoint(QPainter& painter, std::int64_t color, QPointF center);
    void drawLastMove(QPainter& painter);
    void drawForbiddenMove(QPainter& painter);
    void drawCount(QPainter& painter);
    void drawMouseOver(QPainter& painter);
    // A stone of the given rim and highlight colours, from the stone image cache.
    void drawShadedStone(QPainter& painter, QPointF center, const QColor& rim, const QColor& highlight);

    // Info column.
    void initializeInfoColumn();
    void setPrisoners();
    // When a turn ends both fields show their side's time, the new period included.
    void refreshClockFields();
    // The record's score in the message area; setScore also numbers the stones and announces the end.
    void showScore();
    void setScore();
    void showMessage(std::function<QString()> text);
    void retranslate();
    BoardMessages messages() const { return BoardMessages(m_EngineName); }

    // Play controller.
    void startPachi();
    // Asks the engine for its move when it is its turn.
    void askEngineToPlay();
    void generateMove(GTPGoColor color);
    // False only when the game refused the move. Location in view coordinates.
    bool playMove(QPointF location);
    void pass(GTPGoColor color);
    void engineHasPlayed(const GTPGoMove& move);
    void engineHasResigned();
    // The engine's answer to a move request was refused or was no move: the player wins.
    void engineGaveNoLegalMove();
    void engineFailed(const QString& reason);
    // A move was recorded: keeps the message shown before it, for a take back.
    void notePly();
    // Counted at once, or by area once the dead stones are marked.
    void gameEndedByPasses();
    // Ends the game other than by two passes, with the message the player reads.
    void endGame(GTPGoGameEnd how, GTPGoColor winner, std::function<QString()> message);
    // Called by updateClock when the game record reports a loss on time.
    void announceLossOnTime();

    // Review.
    void navigate(std::int32_t step);

    // Marking dead stones, for an area count: the count so far in the message area; Pass accepts it.
    void showMarkedCount();
    void acceptCount();

    QRectF m_GoBoardRect;
    QRectF m_GoBoardHitbox;
    std::int32_t m_BorderSize = 46;
    std::int32_t m_BoardSize = 8;
    double m_BoardWidthFactor = 0;
    double m_BoardHeightFactor = 0;
    GoBoardPoint m_LastMove = GoBoardPoint::empty();
    GoBoardPoint m_ForbiddenMove = GoBoardPoint::empty();
    bool m_DisplayMouseOver = true;
    bool m_DisplayCount = false;
    GTPGoGameInfo m_GameInfo;
    GTPGoColor m_PlayerColor;
    std::unique_ptr<GTPGoGame> m_GoGame;
    GTPGoEngineWrapper* m_GTPEngine = nullptr;
    // Owned by the engine link: what it has been told of the record.
    GTPEngineSynchroniser* m_EngineSync = nullptr;
    QString m_CurrentLanguage;
    QString m_EngineName;
    std::function<QString()> m_Message;
    std::vector<std::function<QString()>> m_MessagesBefore;
    DeadStoneMarking* m_Marking = nullptr;
    bool m_IsTwoPlayers = false;
    bool m_IsDemonstration = false;
    QStringList m_ColumnNames;
    StoneMap m_StoneList;
    std::array<BoardOverlay, 2> m_Overlays;
    float m_Width = 0;
    float m_Height = 0;
    float m_StoneRadius = 0;
    QPointF m_MouseLocationToUpdate {0, 0};
    mutable std::mutex m_Lock;
    StoneImageCache m_StoneImages;

    QPushButton* m_PassButton = nullptr;
    QPushButton* m_ResignButton = nullptr;
    QCheckBox* m_DemonstrationButton = nullptr;
    QPushButton* m_StartButton = nullptr;
    QPushButton* m_BackButton = nullptr;
    QPushButton* m_NextButton = nullptr;
    QPushButton* m_EndButton = nullptr;
    QLabel* m_WhiteTimeTextField = nullptr;
    QLabel* m_BlackTimeTextField = nullptr;
    QLabel* m_WhiteCapturedStonesTextField = nullptr;
    QLabel* m_BlackCapturedStonesTextField = nullptr;
    QLabel* m_InfoTextField = nullptr;
    QTimer* m_ClockTimer = nullptr;
};
