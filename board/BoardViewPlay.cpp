// The play controller: turn-taking between the player and the engine, the
// Pass and Resign buttons, and the engine's answers. Every handler runs on the
// user-interface thread: the engine link delivers its signals from the event
// loop, so clicks, the clock tick and answers never overlap.
#include "BoardView.h"

#include "board/BoardMessages.h"
#include "engine/GTPEngineCommand.h"
#include "rules/Log.h"

#include <QLabel>

namespace {

BoardMessages messagesFor(const QString& language)
{
    return BoardMessages(language.toStdString());
}

void showText(QLabel* field, const std::string& text)
{
    if (field != nullptr) {
        field->setText(QString::fromStdString(text));
    }
}

// Puts the stone of an accepted turn on the shown board and takes its captures off.
void showTurn(BoardView::StoneMap& stones, std::mutex& lock, const GTPGoTurn& turn)
{
    const GTPGoMove& move = turn.Move();
    {
        std::lock_guard<std::mutex> guard(lock);
        stones.insert_or_assign(BoardView::goPointToBoardPoint(*move.Point()), move.Color());
    }
    if (turn.KilledStones()) {
        std::lock_guard<std::mutex> guard(lock);
        for (const GTPGoPoint& killed : *turn.KilledStones()) {
            stones.erase(BoardView::goPointToBoardPoint(killed));
        }
    }
}

} // namespace

void BoardView::startPachi()
{
    m_GTPEngine = new GTPGoEngineWrapper(QStringLiteral("Pachi UTC"), locateEngine(), this);
    connect(m_GTPEngine, &GTPGoEngineWrapper::HasPlayed, this, &BoardView::engineHasPlayed);
    connect(m_GTPEngine, &GTPGoEngineWrapper::HasResigned, this, &BoardView::engineHasResigned);
    connect(m_GTPEngine, &GTPGoEngineWrapper::EngineFailed, this, &BoardView::engineFailed);
    connect(m_GTPEngine, &GTPGoEngineWrapper::HasAnsweredUnusableMove, this, &BoardView::engineGaveNoLegalMove);
}

void BoardView::catchUpGame()
{
    for (const auto& turn : m_GoGame->Turns()) {
        const GTPGoMove& move = turn->Move();
        if (move.IsPass()) {
            m_GTPEngine->pass(move.Color());
        } else {
            m_GTPEngine->playMove(move.Color(), move.Point()->X(), move.Point()->Y());
        }
    }
    if (m_GoGame->ColorToMove() != m_PlayerColor) {
        generateMove(m_GoGame->ColorToMove());
    }
}

void BoardView::generateMove(GTPGoColor color)
{
    const GTPGoClock& clock = m_GoGame->Clock();
    m_GTPEngine->generateMove(color, clock.getRemainingTime(color), clock.getRemainingByoYomiMoves(color));
}

bool BoardView::playMove(QPointF location)
{
    const std::optional<GoBoardPoint> point = locationToBoardPoint(location);
    if (!point) {
        return true;
    }
    if (m_GoGame->IsGameOver() || m_IsDemonstration) {
        return true;
    }
    if (!m_IsTwoPlayers && m_ToPlay != m_PlayerColor) {
        return true;
    }

    const GTPGoMove move = GTPGoMove::stone(m_ToPlay, boardPointToGoPoint(*point));
    GTPGoMoveMessage message = GTPGoMessageNone;
    if (!m_GoGame->playMove(move, message)) {
        Log::write(BoardMessages::refusalLogLine(message));
        showText(m_InfoTextField, messagesFor(m_CurrentLanguage).refusal(message));
        if (BoardMessages::marksRefusedPoint(message)) {
            m_ForbiddenMove = *point;
        }
        return false;
    }

    showTurn(m_StoneList, m_Lock, *m_GoGame->getLastTurn());
    refreshClockFields();
    m_LastMove = *point;
    m_ForbiddenMove.setX(-1);
    if (!m_IsTwoPlayers && m_GTPEngine != nullptr) {
        m_GTPEngine->playMove(m_ToPlay, move.Point()->X(), move.Point()->Y());
        generateMove(m_ToPlay ^ 1);
    }
    showText(m_InfoTextField, "");
    m_ToPlay ^= 1;
    return true;
}

void BoardView::onPass()
{
    // Nothing may reach the engine once the game has ended, however it ended.
    if (m_IsDemonstration || m_GoGame->IsGameOver()) {
        return;
    }
    if (!m_IsTwoPlayers && m_ToPlay != m_PlayerColor) {
        return;
    }
    pass(m_ToPlay);
}

void BoardView::pass(GTPGoColor color)
{
    if (!m_IsTwoPlayers && m_ToPlay != color) {
        return;
    }
    m_ForbiddenMove.setX(-1);
    GTPGoMoveMessage message = GTPGoMessageNone;
    if (!m_GoGame->playMove(GTPGoMove::pass(m_ToPlay), message)) {
        if (m_GoGame->IsGameOver()) {
            setScore();
        }
        return;
    }
    refreshClockFields();
    m_LastMove.setX(-1);
    if (!m_IsTwoPlayers && m_GTPEngine != nullptr) {
        if (m_GoGame->IsGameOver()) {
            setScore();
        } else {
            m_GTPEngine->pass(m_ToPlay);
            generateMove(m_ToPlay ^ 1);
        }
    }
    m_ToPlay ^= 1;
    update();
}

void BoardView::onResign()
{
    emit ResignRequested(m_CurrentLanguage);
}

void BoardView::engineHasPlayed(const GTPGoMove& move)
{
    if (m_GoGame->IsGameOver()) {
        return;
    }
    if (m_IsTwoPlayers || m_ToPlay != (m_PlayerColor ^ 1)) {
        return;
    }
    GTPGoMoveMessage message = GTPGoMessageNone;
    if (!m_GoGame->playMove(move, message)) {
        // A refused pass is the second pass, which ended the game.
        if (m_GoGame->IsGameOver()) {
            setScore();
            // The count numbers belong to the current position; leaving review shows them.
            if (m_IsDemonstration) {
                m_DisplayCount = false;
            }
            return;
        }
        // Waiting for another answer would stall the game until the engine's clock ran out.
        Log::write("The engine's move is refused: " + BoardMessages::refusalLogLine(message));
        engineGaveNoLegalMove();
        return;
    }
    refreshClockFields();
    const BoardMessages messages = messagesFor(m_CurrentLanguage);
    if (move.IsPass()) {
        // In review the ring marks the reviewed move, which this pass does not change.
        if (!m_IsDemonstration) {
            m_LastMove.setX(-1);
        }
        showText(m_InfoTextField, messages.enginePassed());
    } else if (!m_IsDemonstration) {
        // During review the shown board is left alone; leaving review brings it up to date.
        showTurn(m_StoneList, m_Lock, *m_GoGame->getLastTurn());
        m_LastMove = goPointToBoardPoint(*move.Point());
        m_ForbiddenMove.setX(-1);
    }
    m_ToPlay ^= 1;
    if (!m_IsDemonstration) {
        update();
    }
}

void BoardView::engineHasResigned()
{
    if (m_GoGame->IsGameOver()) {
        return;
    }
    m_GoGame->setIsGameOver(true);
    showText(m_InfoTextField, messagesFor(m_CurrentLanguage).engineResigned());
    update();
}

void BoardView::engineGaveNoLegalMove()
{
    if (m_GoGame->IsGameOver()) {
        return;
    }
    m_GoGame->setIsGameOver(true);
    showText(m_InfoTextField, messagesFor(m_CurrentLanguage).engineGaveNoLegalMove());
    update();
}

void BoardView::engineFailed(const QString& /*reason*/)
{
    // The engine link has logged the reason; the player gets a message instead.
    if (m_GoGame->IsGameOver()) {
        return;
    }
    m_GoGame->setIsGameOver(true);
    const BoardMessages messages = messagesFor(m_CurrentLanguage);
    const bool neverStarted =
        m_GTPEngine != nullptr && m_GTPEngine->failure() == GTPGoEngineWrapper::Failure::NotStarted;
    showText(m_InfoTextField, neverStarted ? messages.engineNotStarted() : messages.engineDied());
    update();
}

void BoardView::announceLossOnTime()
{
    // Against the engine only the engine's side can run out; two players never lose on time.
    if (m_IsTwoPlayers) {
        return;
    }
    showText(m_InfoTextField, messagesFor(m_CurrentLanguage).engineLostOnTime());
}
