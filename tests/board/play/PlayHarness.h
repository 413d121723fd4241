#pragma once

#include "board/BoardView.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

// Builds board views against the fake GTP engine, clicks on them as a player
// would, and reads back every line the engine received. Time is driven by hand.
class PlayHarness {
public:
    PlayHarness();
    ~PlayHarness();

    // The fake engine answers successive genmoves with these answers; the extra
    // options are passed through (delays, crashes).
    void useFakeEngine(const QStringList& genmoveAnswers, const QStringList& extraOptions = {});
    void useEngineCommandLine(const QString& commandLine);

    std::unique_ptr<BoardView> makeView(GTPGoColor playerColor, std::int32_t handicap = 0,
                                        const QString& language = QStringLiteral("English"),
                                        std::int32_t mainTimeSeconds = 300);

    // Lines the engine has received so far, without their line feeds.
    QStringList recordedLines() const;
    // Waits (bounded) until the engine has received at least this many lines.
    bool waitForLines(qsizetype count) const;
    // Waits (bounded) for the condition, running the event loop meanwhile.
    static bool waitFor(const std::function<bool()>& condition);

    // A left click on the intersection (column, row), 0-based from the bottom-left.
    static void click(BoardView& view, int column, int row);
    // Clicks and then waits until the engine's answer has been played.
    static bool clickAndWaitForAnswer(BoardView& view, int column, int row);

    static QStringList setUpLines();
    static std::string screenshotPath(const std::string& name);

    // The time the game clock reads, in seconds.
    double m_Now = 1000.0;
    // Every log line written while the harness lives.
    std::vector<std::string> m_Log;

private:
    QTemporaryDir m_Dir;
    QString m_RecordPath;
};

// Lets test failures print texts readably.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
