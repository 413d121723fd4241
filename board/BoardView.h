#pragma once

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

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>

class QCheckBox;
class QLabel;
class QPainter;
class QPushButton;
class QTimer;

// The board screen: geometry and view model (BoardView.cpp), painting and
// overlays (BoardViewPaint.cpp), the info column (BoardViewInfoColumn.cpp),
// the play controller (BoardViewPlay.cpp) and review (BoardViewReview.cpp).
// All geometry is in view coordinates: origin bottom-left, y upward. Qt's
// y-down is met only when painting and when a mouse event arrives.
class BoardView : public QWidget {
    Q_OBJECT
public:
    // Colour numbers (GTPGoColor values) of the stones to draw.
    using StoneMap = std::unordered_map<GoBoardPoint, std::int64_t>;

    BoardView(const QRect& frame, const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language,
              QWidget* parent = nullptr, GTPGoClock::TimeSource timeSource = {});
    ~BoardView() override;

    // Geometry and view model.
    void initializeBoard();
    float getPosX(float column) const;
    float getPosY(float row) const;
    static GTPGoPoint boardPointToGoPoint(const GoBoardPoint& point);
    static GoBoardPoint goPointToBoardPoint(const GTPGoPoint& point);
    // Nearest intersection of a view location inside GoBoardHitbox; nothing outside it.
    std::optional<GoBoardPoint> locationToBoardPoint(QPointF location) const;

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

    // Info column.
    void initializeInfoColumn();
    void setPrisoners();
    void updateClock();
    // When a turn ends both fields show their side's time, the new period included.
    void refreshClockFields();
    void setScore();

    // Play controller.
    void startPachi();
    void catchUpGame();
    void generateMove(GTPGoColor color);
    // False only when the game refused the move. Location in view coordinates.
    bool playMove(QPointF location);
    void onPass();
    void pass(GTPGoColor color);
    void onResign();
    void engineHasPlayed(const GTPGoMove& move);
    void engineHasResigned();
    // The engine's answer to a move request was refused or was no move: the player wins.
    void engineGaveNoLegalMove();
    void engineFailed(const QString& reason);
    // Called by updateClock when the game record reports a loss on time.
    void announceLossOnTime();

    // Review.
    void onDemonstration();
    void onStart();
    void onBack();
    void onNext();
    void onEnd();
    void navigate(std::int32_t step);

    // Fields (read by tests and by the parts of the class).
    QRectF GoBoardRect() const { return m_GoBoardRect; }
    QRectF GoBoardHitbox() const { return m_GoBoardHitbox; }
    std::int32_t BorderSize() const { return m_BorderSize; }
    std::int32_t BoardSize() const { return m_BoardSize; }
    double BoardWidthFactor() const { return m_BoardWidthFactor; }
    double BoardHeightFactor() const { return m_BoardHeightFactor; }
    GoBoardPoint LastMove() const { return m_LastMove; }
    GoBoardPoint ForbiddenMove() const { return m_ForbiddenMove; }
    GTPGoColor ToPlay() const { return m_ToPlay; }
    bool DisplayMouseOver() const { return m_DisplayMouseOver; }
    bool DisplayCount() const { return m_DisplayCount; }
    const GTPGoGameInfo& GameInfo() const { return m_GameInfo; }
    GTPGoColor PlayerColor() const { return m_PlayerColor; }
    GTPGoGame& GoGame() { return *m_GoGame; }
    GTPGoEngineWrapper* GTPEngine() const { return m_GTPEngine; }
    const QString& CurrentLanguage() const { return m_CurrentLanguage; }
    bool IsTwoPlayers() const { return m_IsTwoPlayers; }
    bool IsDemonstration() const { return m_IsDemonstration; }
    // A copy taken under Lock.
    StoneMap StoneList() const;
    float Width() const { return m_Width; }
    float Height() const { return m_Height; }
    float StoneRadius() const { return m_StoneRadius; }
    QPointF MouseLocationToUpdate() const { return m_MouseLocationToUpdate; }
    // Setters of the view model: tests and benchmarks show any position with them.
    void setStoneList(const StoneMap& stones);
    void setLastMove(const GoBoardPoint& v) { m_LastMove = v; }
    void setForbiddenMove(const GoBoardPoint& v) { m_ForbiddenMove = v; }
    void setDisplayCount(bool v) { m_DisplayCount = v; }
    void setMouseLocationToUpdate(QPointF v) { m_MouseLocationToUpdate = v; }

    QPushButton* ResignButton() const { return m_ResignButton; }
    QPushButton* PassButton() const { return m_PassButton; }
    QLabel* WhiteCapturedStonesTextField() const { return m_WhiteCapturedStonesTextField; }
    QLabel* BlackCapturedStonesTextField() const { return m_BlackCapturedStonesTextField; }
    QLabel* WhiteTimeTextField() const { return m_WhiteTimeTextField; }
    QLabel* BlackTimeTextField() const { return m_BlackTimeTextField; }
    QLabel* InfoTextField() const { return m_InfoTextField; }
    QCheckBox* DemonstrationButton() const { return m_DemonstrationButton; }
    QPushButton* StartButton() const { return m_StartButton; }
    QPushButton* BackButton() const { return m_BackButton; }
    QPushButton* NextButton() const { return m_NextButton; }
    QPushButton* EndButton() const { return m_EndButton; }

signals:
    // Resign: the application shell shows the main menu in this language.
    void ResignRequested(const QString& language);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // A stone of the given rim and highlight colours, from the stone image cache.
    void drawShadedStone(QPainter& painter, QPointF center, const QColor& rim, const QColor& highlight);
    // The one flip from Qt's y-down widget coordinates into view coordinates.
    QPointF toViewLocation(QPointF widgetPosition) const;

    QRectF m_GoBoardRect;
    QRectF m_GoBoardHitbox;
    std::int32_t m_BorderSize = 46;
    std::int32_t m_BoardSize = 8;
    double m_BoardWidthFactor = 0;
    double m_BoardHeightFactor = 0;
    GoBoardPoint m_LastMove = GoBoardPoint::empty();
    GoBoardPoint m_ForbiddenMove = GoBoardPoint::empty();
    GTPGoColor m_ToPlay = GTPGoColorBlack;
    bool m_DisplayMouseOver = true;
    bool m_DisplayCount = false;
    GTPGoGameInfo m_GameInfo;
    GTPGoColor m_PlayerColor;
    std::unique_ptr<GTPGoGame> m_GoGame;
    GTPGoEngineWrapper* m_GTPEngine = nullptr;
    QString m_CurrentLanguage;
    bool m_IsTwoPlayers = false;
    bool m_IsDemonstration = false;
    QStringList m_ColumnNames;
    StoneMap m_StoneList;
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
