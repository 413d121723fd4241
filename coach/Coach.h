#pragma once

#include "coach/CoachAnswers.h"
#include "settings/GTPGoGameInfo.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <optional>
#include <string>

class GTPEngineSynchroniser;
class GTPGoEngineWrapper;

// The coach of one game: a GNU Go of its own (never the opponent), started the
// first time it is asked something, so that a player who never asks pays
// nothing. Every request is answered later, by a signal that carries the
// position it was about; one request runs at a time and a burst keeps only the
// latest of each kind waiting. A coach that cannot start or dies says so once
// and answers nothing more.
class Coach : public QObject {
    Q_OBJECT
public:
    explicit Coach(const GTPGoGameInfo& gameInfo, QObject* parent = nullptr);
    ~Coach() override;

    // False once the coach could not start or died.
    bool isAvailable() const { return !m_Failed; }
    bool isRunning() const { return m_Engine != nullptr; }
    void requestHint(const CoachPosition& position);
    void requestTerritory(const CoachPosition& position);
    void requestComment(const CoachPosition& before, const GTPGoMove& played);
    // The coach process's id while it runs, else 0.
    qint64 processId() const;

signals:
    void HintReady(const CoachHint& hint);
    void TerritoryReady(const CoachTerritory& territory);
    void CommentReady(const CoachComment& comment);
    void Failed();

private:
    enum class Kind { Hint, Territory, Comment };
    struct Request {
        Kind What;
        CoachPosition Position;
        std::optional<GTPGoMove> Played;
    };
    using Answer = std::function<void(const std::string& text)>;

    void request(Request request);
    void start();
    void runNext();
    void finish();
    void fail();
    // Brings the coach to the position, then asks; a failed answer reads as "".
    void ask(const CoachPosition& position, const std::string& command, Answer answer);
    void hint(const CoachPosition& position);
    void territory(const CoachPosition& position);
    void comment(const CoachPosition& before, const GTPGoMove& played);
    void explain(CoachComment comment);
    void lookForAtari(CoachComment comment);

    GTPGoGameInfo m_GameInfo;
    GTPGoEngineWrapper* m_Engine = nullptr;
    GTPEngineSynchroniser* m_Sync = nullptr;
    std::map<Kind, Request> m_Waiting;
    bool m_Busy = false;
    bool m_Failed = false;
};
