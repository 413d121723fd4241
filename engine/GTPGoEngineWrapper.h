#pragma once

#include "engine/GTPAnswerFramer.h"
#include "engine/GTPEngineCommand.h"
#include "rules/GTPGoColor.h"
#include "rules/GTPGoGame.h"
#include "rules/GTPGoMove.h"
#include "settings/GTPGoGameInfo.h"
#include "strength/WeakMovePicker.h"

#include <QObject>
#include <QProcess>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

// The engine as a child process speaking GTP on its standard input and output.
// Commands are written the moment they are sent; answers are framed at their
// terminating empty line and handled once each, in order.
class GTPGoEngineWrapper : public QObject {
    Q_OBJECT
public:
    enum class Failure { None, NotStarted, Died };
    // A quiet engine's output and standard error stay out of the log: the coach's would drown the game's.
    enum class Traffic { Logged, Quiet };

    // Starts the engine at once; with no command, fails (EngineFailed, NotStarted)
    // once control returns to the event loop, so a caller connected right after
    // construction still hears it. A command's weak strength step is taken up
    // with a seed of chance.
    GTPGoEngineWrapper(const QString& name, const std::optional<GTPEngineCommand>& command,
                       QObject* parent = nullptr, Traffic traffic = Traffic::Logged);
    // Sends "quit" and closes the engine's input, then hands the process to
    // GTPEngineReaper, which ends it without blocking the caller.
    ~GTPGoEngineWrapper() override;

    // Queues the text plus a line feed and writes it at once. Dropped after a failure.
    void sendCommand(const QString& command);
    void enqueueCommand(const QString& command);
    QString dequeueCommand();
    void executeNextCommand();
    // Handles one chunk of the engine's output: logs it, frames answers, announces moves.
    void readOutput(const QByteArray& chunk);

    // The GTP command set.
    static QString getColorLetter(GTPGoColor color);
    void clearBoard();
    void setGameInfo(const GTPGoGameInfo& gameInfo);
    void playMove(GTPGoColor color, std::int32_t x, std::int32_t y);
    void pass(GTPGoColor color);
    // "time_left", then "genmove"; at a weak strength step, GNU Go's candidates
    // instead ("top_moves_white"), one picked and sent as "play W E4", and
    // announced like genmove's answer.
    void generateMove(GTPGoColor color, double timeLeft, std::int32_t numberOfMoves);
    // A weak step picks its moves with this seed from now on; any other step asks "genmove".
    void setStrength(const StrengthStep& step, std::uint64_t seed);
    // "undo": the engine takes back its last move.
    void undo();
    // Any other question; the answer's text after "= " (nothing on a failure)
    // reaches the callback when it comes.
    using Answered = std::function<void(const std::optional<std::string>& text)>;
    void ask(const QString& command, Answered answered);

    bool IsWaitingForAnswer() const { return m_IsWaitingForAnswer; }
    void setIsWaitingForAnswer(bool v) { m_IsWaitingForAnswer = v; }
    GTPGoColor LastColorAsked() const { return m_LastColorAsked; }
    void setLastColorAsked(GTPGoColor v) { m_LastColorAsked = v; }
    Failure failure() const { return m_Failure; }
    // Ends the engine now, whatever it is doing (a cancelled analysis).
    void kill();
    // The engine's process id while it runs, else 0 (tests check that none is left).
    qint64 processId() const;

signals:
    void HasPlayed(const GTPGoMove& move);
    void HasResigned();
    // The answer to "genmove" was neither a vertex on the board, a pass nor a resignation.
    void HasAnsweredUnusableMove(const QString& answer);
    // The engine answered "undo" with a failure: it cannot take moves back.
    void UndoRefused();
    void EngineFailed(const QString& reason);

private:
    void onProcessError(QProcess::ProcessError error);
    void onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus);
    // Records the failure at once (later commands are dropped) and announces it
    // from the event loop, once.
    void fail(Failure failure, const QString& reason);
    // False when a handler of the answer destroyed the wrapper.
    bool handleAnswer(const std::string& answer);
    void sendLine(const std::string& line);
    void endEngine();
    // The weak step's answer to its candidates: a move picked, sent and announced.
    void playWeakMove(GTPGoColor color, const std::optional<std::string>& candidates);
    // The position the engine holds, as far as the lines sent and its own moves tell.
    void resetPosition(const GTPGoGameInfo& gameInfo);
    void recordMove(const GTPGoMove& move);

    QString m_Name;
    GTPAnswerFramer m_Framer;
    std::int32_t m_BoardSize = 9;
    bool m_HasAnswered = false;
    QProcess* m_PachiTask = nullptr;
    std::deque<QString> m_Commands;
    // What a line written and not yet answered asked for; its answer is read accordingly.
    enum class Asked { Other, Move, Undo, Question };
    std::deque<Asked> m_AnswersAwaited;
    std::deque<Answered> m_Questions;
    // Set while a question is written, so that its answer goes to its callback.
    bool m_AskingQuestion = false;
    bool m_IsWaitingForAnswer = false;
    Traffic m_Traffic;
    GTPGoColor m_LastColorAsked = GTPGoColorBlack;
    Failure m_Failure = Failure::None;
    // Only a weak strength step has a picker; it checks each candidate against the position.
    std::optional<WeakMovePicker> m_Picker;
    std::unique_ptr<GTPGoGame> m_Position;
};
