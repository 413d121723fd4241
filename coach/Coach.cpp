#include "Coach.h"

#include "coach/CoachWords.h"
#include "coach/MoveLoss.h"
#include "engine/GTPCommandText.h"
#include "engine/GTPEngineLocator.h"
#include "engine/GTPEngineSynchroniser.h"
#include "engine/GTPGoEngineWrapper.h"

#include <algorithm>

namespace {
// Candidates from GNU Go's top moves; a hint shows no more than these.
constexpr std::size_t kHintMoves = 3;

std::string colorWord(GTPGoColor color)
{
    return color == GTPGoColorWhite ? "white" : "black";
}

std::string vertexOf(const GTPGoPoint& point)
{
    return GTPCommandText::vertex(point.X(), point.Y());
}

CoachPosition after(CoachPosition position, const GTPGoMove& move)
{
    position.Moves.push_back(move);
    position.ToMove = getOppositeColor(move.Color());
    return position;
}
}

Coach::Coach(const GTPGoGameInfo& gameInfo, QObject* parent) : QObject(parent), m_GameInfo(gameInfo) {}

Coach::~Coach() = default;

qint64 Coach::processId() const
{
    return m_Engine != nullptr ? m_Engine->processId() : 0;
}

void Coach::requestHint(const CoachPosition& position)
{
    request({Kind::Hint, position, std::nullopt});
}

void Coach::requestTerritory(const CoachPosition& position)
{
    request({Kind::Territory, position, std::nullopt});
}

void Coach::requestComment(const CoachPosition& before, const GTPGoMove& played)
{
    request({Kind::Comment, before, played});
}

void Coach::request(Request request)
{
    if (m_Failed) {
        return;
    }
    m_Waiting.insert_or_assign(request.What, std::move(request));
    start();
    runNext();
}

void Coach::start()
{
    if (m_Engine) {
        return;
    }
    m_Engine = new GTPGoEngineWrapper(QStringLiteral("coach"), GTPEngineLocator().locateCoach(), this,
                                      GTPGoEngineWrapper::Traffic::Quiet);
    connect(m_Engine, &GTPGoEngineWrapper::EngineFailed, this, &Coach::fail);
    m_Sync = new GTPEngineSynchroniser(*m_Engine, m_GameInfo, m_Engine);
    m_Sync->restart({});
}

void Coach::runNext()
{
    if (m_Busy || m_Waiting.empty() || m_Failed) {
        return;
    }
    // Comments first: a move's comment is owed even when the position has moved on.
    const auto next = m_Waiting.contains(Kind::Comment) ? m_Waiting.find(Kind::Comment) : m_Waiting.begin();
    const Request request = next->second;
    m_Waiting.erase(next);
    m_Busy = true;
    switch (request.What) {
    case Kind::Hint:
        hint(request.Position);
        break;
    case Kind::Territory:
        territory(request.Position);
        break;
    case Kind::Comment:
        comment(request.Position, *request.Played);
        break;
    }
}

void Coach::finish()
{
    m_Busy = false;
    runNext();
}

void Coach::fail()
{
    if (std::exchange(m_Failed, true)) {
        return;
    }
    m_Waiting.clear();
    emit Failed();
}

void Coach::ask(const CoachPosition& position, const std::string& command, Answer answer)
{
    m_Sync->synchronise(position.Moves);
    QPointer<Coach> self(this);
    m_Engine->ask(QString::fromStdString(command), [self, answer = std::move(answer)](const auto& text) {
        if (self && !self->m_Failed) {
            answer(text.value_or(""));
        }
    });
}

void Coach::hint(const CoachPosition& position)
{
    ask(position, "top_moves_" + colorWord(position.ToMove), [this, position](const std::string& text) {
        CoachHint hint {position, GnuGoAnswers::topMoves(text).value_or(std::vector<CandidateMove>())};
        hint.Moves.resize(std::min(hint.Moves.size(), kHintMoves));
        emit HintReady(hint);
        finish();
    });
}

void Coach::territory(const CoachPosition& position)
{
    const std::string regions = "initial_influence " + colorWord(position.ToMove) + " influence_regions";
    ask(position, regions, [this, position](const std::string& map) {
        ask(position, "estimate_score", [this, position, map](const std::string& score) {
            emit TerritoryReady({position, GnuGoAnswers::influence(map).value_or(GnuGoAnswers::Ownership()),
                                 GnuGoAnswers::lead(score)});
            finish();
        });
    });
}

void Coach::comment(const CoachPosition& before, const GTPGoMove& played)
{
    ask(before, "top_moves_" + colorWord(before.ToMove), [this, before, played](const std::string& text) {
        CoachComment comment {before, played, 0, std::nullopt, {}, std::nullopt};
        const auto candidates = GnuGoAnswers::topMoves(text).value_or(std::vector<CandidateMove>());
        if (candidates.empty() || !candidates.front().Point || candidates.front().Point == played.Point()) {
            lookForAtari(comment);
            return;
        }
        comment.Best = candidates.front();
        if (MoveLoss::valueOf(candidates, played.Point())) {
            comment.Loss = MoveLoss::loss(candidates, played.Point());
            explain(comment);
            return;
        }
        // Not among the best ten: its own value, if GNU Go gives it one.
        ask(before, "all_move_values", [this, comment, candidates](const std::string& values) mutable {
            auto all = GnuGoAnswers::topMoves(values).value_or(std::vector<CandidateMove>());
            all.insert(all.end(), candidates.begin(), candidates.end());
            comment.Loss = MoveLoss::loss(all, comment.Played.Point());
            explain(comment);
        });
    });
}

void Coach::explain(CoachComment comment)
{
    if (comment.Loss < AnalysedMove::Mistake) {
        lookForAtari(comment);
        return;
    }
    // Reasons belong to the last move generation, which all_move_values does not change.
    ask(comment.Before, "move_reasons " + vertexOf(*comment.Best->Point), [this, comment](const std::string& reasons) mutable {
        comment.Reasons = GnuGoAnswers::moveReasons(reasons);
        lookForAtari(comment);
    });
}

void Coach::lookForAtari(CoachComment comment)
{
    if (!comment.Played.Point()) {
        emit CommentReady(comment);
        finish();
        return;
    }
    const CoachPosition played = after(comment.Before, comment.Played);
    const std::string stone = vertexOf(*comment.Played.Point());
    ask(played, "countlib " + stone, [this, comment, played, stone](const std::string& liberties) mutable {
        if (GnuGoAnswers::count(liberties) != 1) {
            emit CommentReady(comment);
            finish();
            return;
        }
        ask(played, "findlib " + stone, [this, comment](const std::string& liberty) mutable {
            const auto points = GnuGoAnswers::points(liberty).value_or(std::vector<GTPGoPoint>());
            if (!points.empty()) {
                comment.CapturedAt = points.front();
            }
            emit CommentReady(comment);
            finish();
        });
    });
}
