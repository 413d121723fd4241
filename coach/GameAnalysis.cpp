#include "GameAnalysis.h"

#include "coach/GnuGoAnswers.h"
#include "coach/MoveLoss.h"
#include "engine/GTPCommandText.h"
#include "engine/GTPEngineLocator.h"
#include "engine/GTPEngineSynchroniser.h"
#include "engine/GTPGoEngineWrapper.h"

#include <QPointer>

#include <algorithm>

GameAnalysis::GameAnalysis(const GTPGoGameInfo& gameInfo, std::vector<GTPGoMove> moves, QObject* parent)
    : QObject(parent), m_GameInfo(gameInfo), m_Moves(std::move(moves))
{
}

GameAnalysis::~GameAnalysis()
{
    stop();
}

qint64 GameAnalysis::processId() const
{
    return m_Engine != nullptr ? m_Engine->processId() : 0;
}

void GameAnalysis::start()
{
    if (m_Engine != nullptr) {
        return;
    }
    m_Engine = new GTPGoEngineWrapper(QStringLiteral("analysis"), GTPEngineLocator().locateCoach(), this,
                                      GTPGoEngineWrapper::Traffic::Quiet);
    connect(m_Engine, &GTPGoEngineWrapper::EngineFailed, this, [this] {
        stop();
        emit Failed();
    });
    m_Sync = new GTPEngineSynchroniser(*m_Engine, m_GameInfo, m_Engine);
    m_Sync->restart({});
    m_Analysed.clear();
    emit Progress(0, static_cast<int>(m_Moves.size()));
    analyseNext();
}

void GameAnalysis::cancel()
{
    stop();
}

void GameAnalysis::stop()
{
    if (m_Engine != nullptr) {
        m_Engine->disconnect(this);
        m_Engine->kill();
        delete m_Engine;
        m_Engine = nullptr;
        m_Sync = nullptr;
    }
}

void GameAnalysis::ask(std::size_t count, const std::optional<GTPGoMove>& extra, const std::string& command, Answer answer)
{
    std::vector<GTPGoMove> position(m_Moves.begin(), m_Moves.begin() + static_cast<std::ptrdiff_t>(count));
    if (extra) {
        position.push_back(*extra);
    }
    m_Sync->synchronise(position);
    QPointer<GameAnalysis> self(this);
    m_Engine->ask(QString::fromStdString(command), [self, answer = std::move(answer)](const auto& text) {
        if (self && self->m_Engine != nullptr) {
            answer(text.value_or(""));
        }
    });
}

void GameAnalysis::analyseNext()
{
    const std::size_t index = m_Analysed.size();
    if (index == m_Moves.size()) {
        const std::vector<AnalysedMove> analysed = m_Analysed;
        stop();
        emit Finished(analysed);
        return;
    }
    AnalysedMove move;
    move.Played = m_Moves[index];
    const std::string color = move.Played.Color() == GTPGoColorWhite ? "white" : "black";
    ask(index, std::nullopt, "top_moves_" + color, [this, index, move, color](const std::string& text) mutable {
        const auto candidates = GnuGoAnswers::topMoves(text).value_or(std::vector<CandidateMove>());
        if (candidates.empty() || candidates.front().Point == move.Played.Point()) {
            lead(move);
            return;
        }
        move.Better = candidates.front().Point;
        if (MoveLoss::valueOf(candidates, move.Played.Point())) {
            move.Loss = MoveLoss::loss(candidates, move.Played.Point());
            explain(move);
            return;
        }
        // Not among the best ten: its own value, if GNU Go gives it one.
        ask(index, std::nullopt, "all_move_values", [this, move, candidates](const std::string& values) mutable {
            auto all = GnuGoAnswers::topMoves(values).value_or(std::vector<CandidateMove>());
            all.insert(all.end(), candidates.begin(), candidates.end());
            move.Loss = MoveLoss::loss(all, move.Played.Point());
            explain(move);
        });
    });
}

void GameAnalysis::explain(AnalysedMove move)
{
    if (move.severity() == 0 || !move.Better) {
        lead(move);
        return;
    }
    // Reasons belong to the last move generation, which neither all_move_values nor a play changes.
    const std::string vertex = GTPCommandText::vertex(move.Better->X(), move.Better->Y());
    ask(m_Analysed.size(), std::nullopt, "move_reasons " + vertex, [this, move](const std::string& reasons) mutable {
        move.Reasons = GnuGoAnswers::moveReasons(reasons);
        lead(move);
    });
}

void GameAnalysis::lead(AnalysedMove move)
{
    const std::size_t index = m_Analysed.size();
    ask(index + 1, std::nullopt, "estimate_score", [this, move](const std::string& score) mutable {
        move.Lead = GnuGoAnswers::lead(score).value_or(0);
        m_Analysed.push_back(std::move(move));
        emit Progress(static_cast<int>(m_Analysed.size()), static_cast<int>(m_Moves.size()));
        analyseNext();
    });
}
