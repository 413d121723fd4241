// The play controller: turn-taking between the player and the engine, the
// Pass and Resign buttons, and the engine's answers. Every handler runs on the
// user-interface thread: the engine link delivers its signals from the event
// loop, so clicks, the clock tick and answers never overlap.
#include "BoardView.h"

#include "board/BoardMessages.h"
#include "board/DeadStoneMarking.h"
#include "engine/EngineDisplayName.h"
#include "engine/GTPEngineSynchroniser.h"
#include "rules/Log.h"

#include <QLabel>

#include <utility>

void BoardView::showMessage(std::function<QString()> text)
{
    // Kept as a way to make the text, so that a change of language retranslates it.
    m_Message = std::move(text);
    m_InfoTextField->setText(m_Message ? m_Message() : QString());
}

void BoardView::showNotice(std::function<QString()> text)
{
    showMessage([shown = m_Message, text = std::move(text)] {
        const QString before = shown ? shown() : QString();
        return before.isEmpty() ? text() : before + QStringLiteral("\n\n") + text();
    });
}

void BoardView::showChanges(const std::vector<GTPGoPoint>& removals, const std::vector<GTPGoMove>& additions)
{
    std::lock_guard<std::mutex> guard(m_Lock);
    for (const GTPGoMove& move : additions) {
        m_StoneList.insert_or_assign(goPointToBoardPoint(*move.Point()), move.Color());
    }
    for (const GTPGoPoint& point : removals) {
        m_StoneList.erase(goPointToBoardPoint(point));
    }
}

void BoardView::startPachi()
{
    const std::optional<GTPEngineCommand> engine = locateEngine(m_GameInfo.Level());
    m_EngineName = engineDisplayName(engine ? engine->Name : engineName());
    m_GTPEngine = new GTPGoEngineWrapper(m_EngineName, engine, this);
    m_EngineSync = new GTPEngineSynchroniser(*m_GTPEngine, m_GameInfo, m_GTPEngine);
    connect(m_EngineSync, &GTPEngineSynchroniser::Restarted, this, &BoardView::askEngineToPlay);
    connect(m_GTPEngine, &GTPGoEngineWrapper::HasPlayed, this, &BoardView::engineHasPlayed);
    connect(m_GTPEngine, &GTPGoEngineWrapper::HasResigned, this, &BoardView::engineHasResigned);
    connect(m_GTPEngine, &GTPGoEngineWrapper::EngineFailed, this, &BoardView::engineFailed);
    connect(m_GTPEngine, &GTPGoEngineWrapper::HasAnsweredUnusableMove, this, &BoardView::engineGaveNoLegalMove);
}

void BoardView::askEngineToPlay()
{
    if (!m_GoGame->IsGameOver() && toPlay() != m_PlayerColor) {
        generateMove(toPlay());
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
    if (!isPlayersTurn()) {
        return true;
    }

    const GTPGoMove move = GTPGoMove::stone(toPlay(), boardPointToGoPoint(*point));
    GTPGoMoveMessage message = GTPGoMessageNone;
    if (!m_GoGame->playMove(move, message)) {
        Log::write(BoardMessages::refusalLogLine(message));
        showMessage([message] { return BoardMessages::refusal(message); });
        if (BoardMessages::marksRefusedPoint(message)) {
            m_ForbiddenMove = *point;
        }
        emit MoveRefused();
        return false;
    }

    notePly();
    const GTPGoTurn& turn = *m_GoGame->getLastTurn();
    showChanges(turn.KilledStones().value_or(std::vector<GTPGoPoint>()), {move});
    refreshClockFields();
    m_LastMove = *point;
    m_ForbiddenMove.setX(-1);
    if (!m_IsTwoPlayers && m_GTPEngine != nullptr) {
        m_EngineSync->synchronise(m_GoGame->getMoves());
        generateMove(toPlay());
    }
    showMessage({});
    return true;
}

void BoardView::onPass()
{
    if (m_Marking->isMarking() && !m_IsDemonstration) {
        acceptCount();
        return;
    }
    // Nothing may reach the engine once the game has ended, however it ended.
    if (m_IsDemonstration || m_GoGame->IsGameOver()) {
        return;
    }
    if (!isPlayersTurn()) {
        return;
    }
    pass(toPlay());
}

void BoardView::pass(GTPGoColor color)
{
    if (!m_IsTwoPlayers && toPlay() != color) {
        return;
    }
    m_ForbiddenMove.setX(-1);
    GTPGoMoveMessage message = GTPGoMessageNone;
    if (!m_GoGame->playMove(GTPGoMove::pass(color), message)) {
        if (m_GoGame->IsGameOver()) {
            notePly();
            gameEndedByPasses();
        }
        return;
    }
    notePly();
    refreshClockFields();
    m_LastMove.setX(-1);
    if (!m_IsTwoPlayers && m_GTPEngine != nullptr) {
        if (m_GoGame->IsGameOver()) {
            gameEndedByPasses();
        } else {
            m_EngineSync->synchronise(m_GoGame->getMoves());
            generateMove(toPlay());
        }
    }
    update();
}

void BoardView::gameEndedByPasses()
{
    if (m_GameInfo.Counting() == GTPGoCounting::Area) {
        m_Marking->start(m_GTPEngine);
        emit PlayChanged();
    } else {
        setScore();
    }
}

void BoardView::showMarkedCount()
{
    const GTPGoGameResult& result = *m_GoGame->Result();
    showMessage([white = result.WhiteScore(), black = result.BlackScore()] {
        return BoardMessages::marking(white, black);
    });
    update();
}

void BoardView::acceptCount()
{
    // The dead stones are the other side's prisoners now, and off the board.
    showChanges(m_Marking->accept(), {});
    setScore();
}

void BoardView::notePly()
{
    m_MessagesBefore.push_back(m_Message);
    emit PlayChanged();
}

bool BoardView::canTakeBack() const
{
    const GTPGoGame& game = *m_GoGame;
    const bool endedByPasses = game.End() == GTPGoGameEnd::TwoPasses;
    if (m_IsDemonstration || (game.IsGameOver() && !endedByPasses)) {
        return false;
    }
    if (m_IsTwoPlayers || endedByPasses) {
        return endedByPasses || !game.Turns().empty();
    }
    // The player's turn, with a move of the player's own to take back.
    const auto& turns = game.Turns();
    return toPlay() == m_PlayerColor && turns.size() >= 2 && turns[turns.size() - 2]->Move().Color() == m_PlayerColor;
}

void BoardView::takeBack()
{
    if (!canTakeBack()) {
        return;
    }
    // Against the engine, back to before the player's last move.
    GTPGoColor taken = GTPGoColorEmpty;
    do {
        const bool endingPass = m_GoGame->End() == GTPGoGameEnd::TwoPasses;
        taken = endingPass ? toPlay() : m_GoGame->getLastTurn()->Move().Color();
        m_GoGame->takeBack();
        m_Message = m_MessagesBefore.empty() ? std::function<QString()>() : m_MessagesBefore.back();
        if (!m_MessagesBefore.empty()) {
            m_MessagesBefore.pop_back();
        }
    } while (!m_IsTwoPlayers && taken != m_PlayerColor);

    if (!m_IsTwoPlayers && m_GTPEngine != nullptr) {
        m_EngineSync->synchronise(m_GoGame->getMoves());
    }
    m_Marking->clear();
    initializeBoard();
    const GTPGoTurn* last = m_GoGame->getLastTurn();
    m_LastMove = last != nullptr && last->Move().Point() ? goPointToBoardPoint(*last->Move().Point())
                                                         : GoBoardPoint::empty();
    m_ForbiddenMove.setX(-1);
    m_DisplayCount = false;
    showMessage(m_Message);
    refreshClockFields();
    update();
    emit PlayChanged();
}

void BoardView::onResign()
{
    // Against the engine, leaving a game under way gives it to the engine.
    if (!m_IsTwoPlayers && !m_GoGame->IsGameOver() && !m_GoGame->Turns().empty()) {
        m_GoGame->endGame(GTPGoGameEnd::Resignation, getOppositeColor(m_PlayerColor));
    }
    emit ResignRequested(m_CurrentLanguage);
}

void BoardView::engineHasPlayed(const GTPGoMove& move)
{
    if (m_GoGame->IsGameOver()) {
        return;
    }
    if (m_IsTwoPlayers || toPlay() != getOppositeColor(m_PlayerColor)) {
        return;
    }
    // Its own move, even the pass that ends the game and makes no turn: a take back must undo it.
    m_EngineSync->enginePlayed(move);
    GTPGoMoveMessage message = GTPGoMessageNone;
    if (!m_GoGame->playMove(move, message)) {
        // A refused pass is the second pass, which ended the game.
        if (m_GoGame->IsGameOver()) {
            notePly();
            gameEndedByPasses();
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
    notePly();
    refreshClockFields();
    if (move.IsPass()) {
        // In review the ring marks the reviewed move, which this pass does not change.
        if (!m_IsDemonstration) {
            m_LastMove.setX(-1);
        }
        showMessage([this] { return messages().enginePassed(); });
    } else if (!m_IsDemonstration) {
        // During review the shown board is left alone; leaving review brings it up to date.
        showChanges(m_GoGame->getLastTurn()->KilledStones().value_or(std::vector<GTPGoPoint>()), {move});
        m_LastMove = goPointToBoardPoint(*move.Point());
        m_ForbiddenMove.setX(-1);
    }
    if (!m_IsDemonstration) {
        update();
    }
}

void BoardView::engineHasResigned()
{
    endGame(GTPGoGameEnd::Resignation, m_PlayerColor, [this] { return messages().engineResigned(); });
}

void BoardView::engineGaveNoLegalMove()
{
    endGame(GTPGoGameEnd::Forfeit, m_PlayerColor, [this] { return messages().engineGaveNoLegalMove(); });
}

void BoardView::engineFailed(const QString& /*reason*/)
{
    // The engine link has logged the reason; the player gets a message instead.
    const bool neverStarted =
        m_GTPEngine != nullptr && m_GTPEngine->failure() == GTPGoEngineWrapper::Failure::NotStarted;
    endGame(GTPGoGameEnd::Void, GTPGoColorEmpty,
            neverStarted ? &BoardMessages::engineNotStarted : &BoardMessages::engineDied);
}

void BoardView::endGame(GTPGoGameEnd how, GTPGoColor winner, std::function<QString()> message)
{
    if (m_GoGame->IsGameOver()) {
        return;
    }
    m_GoGame->endGame(how, winner);
    showMessage(std::move(message));
    update();
    emit GameEnded();
    emit PlayChanged();
}

void BoardView::announceLossOnTime()
{
    // Against the engine only the engine's side can run out; two players never lose on time.
    if (m_IsTwoPlayers) {
        return;
    }
    showMessage([this] { return messages().engineLostOnTime(); });
    emit GameEnded();
}
