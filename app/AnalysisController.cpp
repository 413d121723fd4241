#include "AnalysisController.h"

#include "app/AnalysisWindow.h"
#include "app/BoardCoach.h"
#include "app/BoardViewController.h"
#include "board/BoardView.h"
#include "coach/CoachWords.h"
#include "coach/GameAnalysis.h"
#include "rules/Log.h"

#include <QMainWindow>

AnalysisController::AnalysisController(BoardViewController& screen, BoardCoach& coach)
    : QObject(&screen), m_Screen(screen), m_Coach(coach), m_Result(screen.analysis())
{
}

AnalysisController::~AnalysisController()
{
    cancel();
    delete m_Window;
}

AnalysisWindow* AnalysisController::window() const
{
    return m_Window;
}

qint64 AnalysisController::processId() const
{
    return m_Analysis != nullptr ? m_Analysis->processId() : 0;
}

void AnalysisController::analyse()
{
    showWindow();
    const GTPGoGame& game = m_Screen.boardView()->GoGame();
    if (m_Result && m_Result->size() == game.Turns().size()) {
        m_Window->showAnalysis(*m_Result);
        return;
    }
    if (m_Analysis != nullptr || game.Turns().empty()) {
        return;
    }
    m_Analysis = new GameAnalysis(game.GameInfo(), game.getMoves(), this);
    connect(m_Analysis, &GameAnalysis::Progress, m_Window, &AnalysisWindow::showProgress);
    connect(m_Analysis, &GameAnalysis::Finished, this, &AnalysisController::finished);
    connect(m_Analysis, &GameAnalysis::Failed, this, [this] {
        cancel();
        m_Window->showProgress(0, 0);
        m_Window->close();
    });
    m_Analysis->start();
}

void AnalysisController::showWindow()
{
    if (m_Window == nullptr) {
        // A window of its own beside the main one, gone with the game.
        m_Window = new AnalysisWindow(m_Screen.window());
        connect(m_Window, &AnalysisWindow::MoveChosen, this, &AnalysisController::showMove);
        connect(m_Window, &AnalysisWindow::CancelRequested, this, [this] {
            cancel();
            m_Window->close();
        });
        const QWidget* main = m_Screen.window();
        m_Window->move(main->frameGeometry().topRight());
    }
    m_Window->show();
    m_Window->raise();
}

void AnalysisController::finished(std::vector<AnalysedMove> moves)
{
    m_Analysis->deleteLater();
    m_Analysis = nullptr;
    for (AnalysedMove& move : moves) {
        if (move.severity() > 0) {
            move.Sentence = CoachWords::mistake(move.Played, move.Loss, move.Better, move.Reasons).toStdString();
        }
    }
    m_Result = moves;
    if (const std::optional<QString> failure = m_Screen.setAnalysis(moves)) {
        Log::write(failure->toStdString());
    }
    if (m_Window != nullptr) {
        m_Window->showAnalysis(moves);
    }
}

void AnalysisController::cancel()
{
    if (m_Analysis != nullptr) {
        m_Analysis->cancel();
        m_Analysis->deleteLater();
        m_Analysis = nullptr;
    }
}

void AnalysisController::showMove(int number, bool showBetter)
{
    m_Screen.boardView()->showInReview(number);
    const auto& moves = *m_Result;
    const auto index = static_cast<std::size_t>(number - 1);
    if (showBetter && index < moves.size() && moves[index].Better) {
        m_Coach.markBetterMove(*moves[index].Better);
    }
}

void AnalysisController::stepMistake(int direction)
{
    BoardView* board = m_Screen.boardView();
    if (!m_Result || !board->isReviewing()) {
        return;
    }
    const GTPGoTurn* shown = board->GoGame().getNodeToDisplay();
    const int current = shown != nullptr ? shown->TurnNumber() + 1 : 0;
    const int count = static_cast<int>(m_Result->size());
    for (int number = current + direction; number >= 1 && number <= count; number += direction) {
        if ((*m_Result)[static_cast<std::size_t>(number - 1)].severity() > 0) {
            showMove(number, true);
            return;
        }
    }
}
