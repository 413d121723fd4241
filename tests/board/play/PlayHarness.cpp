#include "PlayHarness.h"

#include "rules/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {
constexpr int kWaitMilliseconds = 5000;
const QRect kFrame {0, 0, 800, 600};

// The fake engine is built beside the tests: <build>/tests/support.
QString fakeEnginePath()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../support/fake_gtp_engine"));
}
}

PlayHarness::PlayHarness() : m_RecordPath(m_Dir.filePath(QStringLiteral("engine.log")))
{
    Log::setSink([this](const std::string& line) { m_Log.push_back(line); });
}

PlayHarness::~PlayHarness()
{
    Log::setSink({});
    qunsetenv("HOSHI_ENGINE");
}

void PlayHarness::useFakeEngine(const QStringList& genmoveAnswers, const QStringList& extraOptions)
{
    QStringList words {fakeEnginePath(), QStringLiteral("--record"), m_RecordPath};
    for (const QString& answer : genmoveAnswers) {
        words << QStringLiteral("--genmove") << answer;
    }
    words << extraOptions;
    useEngineCommandLine(words.join(QLatin1Char(' ')));
}

void PlayHarness::useEngineCommandLine(const QString& commandLine)
{
    qputenv("HOSHI_ENGINE", commandLine.toUtf8());
}

std::unique_ptr<BoardView> PlayHarness::makeView(GTPGoColor playerColor, std::int32_t handicap,
                                                 const QString& language, std::int32_t mainTimeSeconds)
{
    const GTPGoGameInfo info(handicap, mainTimeSeconds);
    return std::make_unique<BoardView>(kFrame, info, playerColor, language, nullptr, [this] { return m_Now; });
}

QStringList PlayHarness::recordedLines() const
{
    QFile file(m_RecordPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    // The text ends with a line feed, which leaves one empty piece behind.
    lines.removeLast();
    return lines;
}

bool PlayHarness::waitForLines(qsizetype count) const
{
    return waitFor([&] { return recordedLines().size() >= count; });
}

bool PlayHarness::waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, kWaitMilliseconds);
}

void PlayHarness::click(BoardView& view, int column, int row)
{
    const QPointF location(view.getPosX(static_cast<float>(column)), view.getPosY(static_cast<float>(row)));
    // Widgets count y downward from the top edge.
    const QPoint widgetPosition(qRound(location.x()), qRound(view.height() - location.y()));
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, widgetPosition);
}

bool PlayHarness::clickAndWaitForAnswer(BoardView& view, int column, int row)
{
    const GTPGoColor player = view.ToPlay();
    click(view, column, row);
    if (view.ToPlay() == player) {
        return false;
    }
    return waitFor([&] { return view.ToPlay() == player; });
}

QStringList PlayHarness::setUpLines()
{
    return {QStringLiteral("clear_board"), QStringLiteral("boardsize 9"), QStringLiteral("clear_board"),
            QStringLiteral("komi 0.0"), QStringLiteral("time_settings 0 5 1")};
}

std::string PlayHarness::screenshotPath(const std::string& name)
{
    // <build>/tests/board holds the tests; screenshots go to <build>/screenshots.
    QDir dir(QCoreApplication::applicationDirPath());
    dir.mkpath(QStringLiteral("../../screenshots"));
    return dir.absoluteFilePath(QStringLiteral("../../screenshots/") + QString::fromStdString(name)).toStdString();
}
