#include "GTPGoEngineWrapper.h"

#include "GTPAnswer.h"
#include "GTPCommandText.h"
#include "GTPEngineReaper.h"
#include "coach/GnuGoAnswers.h"
#include "rules/Log.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <csignal>
#include <random>
#include <utility>
#include <sys/prctl.h>
#include <unistd.h>

namespace {
// An engine that writes without end must not flood the user's journal.
constexpr qsizetype LoggedBytesPerChunk = 1000;

std::string logExcerpt(const QByteArray& chunk)
{
    if (chunk.size() <= LoggedBytesPerChunk) {
        return QString::fromUtf8(chunk).toStdString();
    }
    return QString::fromUtf8(chunk.left(LoggedBytesPerChunk)).toStdString() + "… (" + std::to_string(chunk.size())
        + " bytes)";
}
}

GTPGoEngineWrapper::GTPGoEngineWrapper(const QString& name, const std::optional<GTPEngineCommand>& command,
                                       QObject* parent, Traffic traffic)
    : QObject(parent), m_Name(name), m_Traffic(traffic)
{
    resetPosition(GTPGoGameInfo());
    if (command && command->Strength) {
        setStrength(*command->Strength, std::random_device()());
    }
    if (!command) {
        fail(Failure::NotStarted, QStringLiteral("no GTP engine was found"));
        return;
    }
    m_PachiTask = new QProcess(this);
    // The engine's standard error goes wherever ours goes.
    m_PachiTask->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (m_Traffic == Traffic::Quiet) {
        m_PachiTask->setProcessChannelMode(QProcess::SeparateChannels);
        m_PachiTask->setStandardErrorFile(QProcess::nullDevice());
    }
    connect(m_PachiTask, &QProcess::readyReadStandardOutput, this, [this] {
        // Answers are handled from the event loop, not inside QProcess's own
        // signal, so that a handler may safely destroy this wrapper.
        const QByteArray chunk = m_PachiTask->readAllStandardOutput();
        QMetaObject::invokeMethod(this, [this, chunk] { readOutput(chunk); }, Qt::QueuedConnection);
    });
    connect(m_PachiTask, &QProcess::errorOccurred, this, &GTPGoEngineWrapper::onProcessError);
    connect(m_PachiTask, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus exitStatus) {
        // Queued behind any output still waiting to be handled.
        QMetaObject::invokeMethod(
            this, [this, exitCode, exitStatus] { onProcessFinished(exitCode, exitStatus); }, Qt::QueuedConnection);
    });
    QStringList arguments;
    for (const auto& argument : command->Arguments) {
        arguments << QString::fromStdString(argument);
    }
    // However hoshi ends, even by SIGKILL, the kernel ends its engine with it.
    const pid_t hoshi = ::getpid();
    m_PachiTask->setChildProcessModifier([hoshi] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != hoshi) {
            ::_exit(1);
        }
    });
    m_PachiTask->start(QString::fromStdString(command->Program), arguments);
}

GTPGoEngineWrapper::~GTPGoEngineWrapper()
{
    endEngine();
}

void GTPGoEngineWrapper::endEngine()
{
    if (!m_PachiTask) {
        return;
    }
    m_PachiTask->disconnect(this);
    if (m_PachiTask->state() != QProcess::NotRunning) {
        m_PachiTask->write("quit\n");
        m_PachiTask->closeWriteChannel();
    }
    // Waiting here would freeze the window: the reaper sees the engine out.
    GTPEngineReaper::instance().adopt(std::exchange(m_PachiTask, nullptr));
}

void GTPGoEngineWrapper::kill()
{
    if (m_PachiTask && m_PachiTask->state() != QProcess::NotRunning) {
        m_PachiTask->disconnect(this);
        m_PachiTask->kill();
    }
}

qint64 GTPGoEngineWrapper::processId() const
{
    if (!m_PachiTask || m_PachiTask->state() == QProcess::NotRunning) {
        return 0;
    }
    return m_PachiTask->processId();
}

void GTPGoEngineWrapper::sendCommand(const QString& command)
{
    if (m_Failure != Failure::None) {
        return;
    }
    enqueueCommand(command + QLatin1Char('\n'));
    executeNextCommand();
}

void GTPGoEngineWrapper::enqueueCommand(const QString& command)
{
    m_Commands.push_back(command);
}

QString GTPGoEngineWrapper::dequeueCommand()
{
    if (m_Commands.empty()) {
        return QString();
    }
    QString command = m_Commands.front();
    m_Commands.pop_front();
    return command;
}

void GTPGoEngineWrapper::executeNextCommand()
{
    if (m_IsWaitingForAnswer || m_Commands.empty()) {
        return;
    }
    const QString command = dequeueCommand();
    if (command.isEmpty() || m_Failure != Failure::None || !m_PachiTask) {
        return;
    }
    m_PachiTask->write(command.toUtf8());
    // GTP answers every line but blank ones, in order: this is how an answer is matched to its command.
    const QString words = command.trimmed();
    if (!words.isEmpty()) {
        m_AnswersAwaited.push_back(m_AskingQuestion                           ? Asked::Question
                                       : words.startsWith(QLatin1String("genmove")) ? Asked::Move
                                       : words == QLatin1String("undo")       ? Asked::Undo
                                                                              : Asked::Other);
    }
}

void GTPGoEngineWrapper::readOutput(const QByteArray& chunk)
{
    m_IsWaitingForAnswer = false;
    if (m_Traffic == Traffic::Logged) {
        Log::write("Read data: " + logExcerpt(chunk));
    }
    if (!chunk.isEmpty()) {
        m_HasAnswered = true;
    }
    QPointer<GTPGoEngineWrapper> self(this);
    for (const std::string& answer : m_Framer.append(std::string_view(chunk.constData(), chunk.size()))) {
        if (!handleAnswer(answer) || !self) {
            return;
        }
    }
    if (m_Framer.takeOverflow()) {
        Log::write("Dropped an engine answer longer than " + std::to_string(GTPAnswerFramer::MaximumAnswerSize)
                   + " bytes");
    }
    executeNextCommand();
}

bool GTPGoEngineWrapper::handleAnswer(const std::string& text)
{
    QPointer<GTPGoEngineWrapper> self(this);
    // Answers come in the order of the lines written; an answer nothing waits
    // for (output before any command) is read on its own, as a move if it is one.
    const bool matched = !m_AnswersAwaited.empty();
    const Asked asked = matched ? m_AnswersAwaited.front() : Asked::Move;
    if (matched) {
        m_AnswersAwaited.pop_front();
    }
    const GTPAnswer answer = GTPAnswer::parse(text, m_BoardSize);
    if (asked == Asked::Undo && answer.kind() != GTPAnswer::Kind::Success) {
        emit UndoRefused();
        return !self.isNull();
    }
    if (asked == Asked::Question && !m_Questions.empty()) {
        const Answered answered = std::move(m_Questions.front());
        m_Questions.pop_front();
        const bool success = !text.empty() && text.front() == '=';
        answered(success ? std::optional<std::string>(text.substr(std::min<std::size_t>(2, text.size())))
                         : std::nullopt);
        return !self.isNull();
    }
    if (asked != Asked::Move) {
        return true;
    }
    switch (answer.kind()) {
    case GTPAnswer::Kind::Vertex:
        recordMove(GTPGoMove::stone(m_LastColorAsked, *answer.point()));
        emit HasPlayed(GTPGoMove::stone(m_LastColorAsked, *answer.point()));
        break;
    case GTPAnswer::Kind::Pass:
        recordMove(GTPGoMove::pass(m_LastColorAsked));
        emit HasPlayed(GTPGoMove::pass(m_LastColorAsked));
        break;
    case GTPAnswer::Kind::Resign:
        emit HasResigned();
        break;
    case GTPAnswer::Kind::BadVertex:
    case GTPAnswer::Kind::Success:
    case GTPAnswer::Kind::Failure:
    case GTPAnswer::Kind::Unrecognised:
        if (matched) {
            // Without a move the game cannot go on: the caller ends it.
            Log::write("Engine answered genmove without a usable move: " + text);
            emit HasAnsweredUnusableMove(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
        break;
    }
    return !self.isNull();
}

void GTPGoEngineWrapper::onProcessError(QProcess::ProcessError error)
{
    // A crash or an exit also ends in finished(); only a failed start does not.
    if (error == QProcess::FailedToStart) {
        fail(Failure::NotStarted, QStringLiteral("the engine could not be started: ") + m_PachiTask->errorString());
    }
}

void GTPGoEngineWrapper::onProcessFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    const QString how = exitStatus == QProcess::CrashExit
        ? QStringLiteral("the engine crashed")
        : QStringLiteral("the engine exited with code %1").arg(exitCode);
    // An engine that leaves before saying anything never really started.
    fail(m_HasAnswered ? Failure::Died : Failure::NotStarted, how);
}

void GTPGoEngineWrapper::fail(Failure failure, const QString& reason)
{
    if (m_Failure != Failure::None) {
        return;
    }
    m_Failure = failure;
    m_Commands.clear();
    Log::write("GTP engine " + m_Name.toStdString() + " failed: " + reason.toStdString());
    QTimer::singleShot(0, this, [this, reason] { emit EngineFailed(reason); });
}

void GTPGoEngineWrapper::sendLine(const std::string& line)
{
    sendCommand(QString::fromStdString(line));
}

QString GTPGoEngineWrapper::getColorLetter(GTPGoColor color)
{
    return QString::fromStdString(GTPCommandText::colorLetter(color));
}

void GTPGoEngineWrapper::clearBoard()
{
    GTPGoGameInfo empty;
    empty.setBoardSize(m_BoardSize);
    resetPosition(empty);
    sendLine(GTPCommandText::clearBoard());
}

void GTPGoEngineWrapper::setGameInfo(const GTPGoGameInfo& gameInfo)
{
    m_BoardSize = gameInfo.BoardSize();
    resetPosition(gameInfo);
    sendLine(GTPCommandText::boardSize(gameInfo.BoardSize()));
    clearBoard();
    sendLine(GTPCommandText::komi(static_cast<double>(gameInfo.Komi())));
    const GTPTimeSettings& time = gameInfo.TimeSettings();
    sendLine(GTPCommandText::timeSettings(time.MainTime(), time.ByoYomi(), time.NumberOfMovesPerByoYomi()));
    if (const auto handicap = GTPCommandText::handicap(gameInfo.Handicap())) {
        sendLine(*handicap);
    }
}

void GTPGoEngineWrapper::playMove(GTPGoColor color, std::int32_t x, std::int32_t y)
{
    recordMove(GTPGoMove::stone(color, GTPGoPoint(x, y)));
    sendLine(GTPCommandText::play(color, x, y));
}

void GTPGoEngineWrapper::pass(GTPGoColor color)
{
    if (const auto line = GTPCommandText::pass(color)) {
        recordMove(GTPGoMove::pass(color));
        sendLine(*line);
    }
}

void GTPGoEngineWrapper::undo()
{
    m_Position->takeBack();
    sendLine("undo");
}

void GTPGoEngineWrapper::resetPosition(const GTPGoGameInfo& gameInfo)
{
    m_Position = std::make_unique<GTPGoGame>(gameInfo);
}

void GTPGoEngineWrapper::recordMove(const GTPGoMove& move)
{
    // The engine takes moves of either colour in any order: so does its copy.
    m_Position->setColorToMove(move.Color());
    GTPGoMoveMessage refusal = GTPGoMessageNone;
    m_Position->playMove(move, refusal);
}

void GTPGoEngineWrapper::ask(const QString& command, Answered answered)
{
    if (m_Failure != Failure::None) {
        return;
    }
    m_Questions.push_back(std::move(answered));
    m_AskingQuestion = true;
    sendCommand(command);
    m_AskingQuestion = false;
}

void GTPGoEngineWrapper::generateMove(GTPGoColor color, double timeLeft, std::int32_t numberOfMoves)
{
    setLastColorAsked(color);
    sendLine(GTPCommandText::timeLeft(color, timeLeft, numberOfMoves));
    if (!m_Picker) {
        sendLine(GTPCommandText::genmove(color));
        return;
    }
    ask(QString::fromStdString(GTPCommandText::topMoves(color)),
        [this, color](const std::optional<std::string>& candidates) { playWeakMove(color, candidates); });
}

void GTPGoEngineWrapper::setStrength(const StrengthStep& step, std::uint64_t seed)
{
    m_Picker.reset();
    if (step.isWeak()) {
        m_Picker.emplace(step.LossLimit, step.WeakProbability, seed);
    }
}

void GTPGoEngineWrapper::playWeakMove(GTPGoColor color, const std::optional<std::string>& candidates)
{
    const auto moves = candidates ? GnuGoAnswers::topMoves(*candidates) : std::nullopt;
    if (!moves) {
        // Without a move the game cannot go on, as with a genmove answered wrong.
        const std::string answer = candidates ? "= " + *candidates : "?";
        Log::write("Engine answered its candidates without usable moves: " + answer);
        emit HasAnsweredUnusableMove(QString::fromStdString(answer));
        return;
    }
    const GTPGoMove move = m_Picker->pick(*moves, color, m_Position->Board(), m_Position->KoPoint());
    if (move.Point()) {
        playMove(color, move.Point()->X(), move.Point()->Y());
    } else {
        pass(color);
    }
    emit HasPlayed(move);
}
