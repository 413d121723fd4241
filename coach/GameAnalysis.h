#pragma once

#include "coach/AnalysedMove.h"
#include "settings/GTPGoGameInfo.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class GTPEngineSynchroniser;
class GTPGoEngineWrapper;

// Analyses a whole game in the background, in a coach process of its own:
// for every move, the best move of the position before it, the points the
// move lost against it (MoveLoss), why the best move is good, and the lead the
// move left. Never blocks the caller; cancelling ends the process at once.
class GameAnalysis : public QObject {
    Q_OBJECT
public:
    GameAnalysis(const GTPGoGameInfo& gameInfo, std::vector<GTPGoMove> moves, QObject* parent = nullptr);
    ~GameAnalysis() override;

    void start();
    void cancel();
    qint64 processId() const;

signals:
    void Progress(int analysed, int total);
    void Finished(const std::vector<AnalysedMove>& moves);
    void Failed();

private:
    using Answer = std::function<void(const std::string& text)>;
    // Brings the process to the position after the first count moves (and then
    // the extra move, if any), then asks.
    void ask(std::size_t count, const std::optional<GTPGoMove>& extra, const std::string& command, Answer answer);
    void analyseNext();
    // Why the better move is good, for a mistake.
    void explain(AnalysedMove move);
    // The lead the move left, and on to the next one.
    void lead(AnalysedMove move);
    void stop();

    GTPGoGameInfo m_GameInfo;
    std::vector<GTPGoMove> m_Moves;
    std::vector<AnalysedMove> m_Analysed;
    GTPGoEngineWrapper* m_Engine = nullptr;
    GTPEngineSynchroniser* m_Sync = nullptr;
};
