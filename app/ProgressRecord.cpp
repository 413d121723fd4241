#include "ProgressRecord.h"

#include "app/AtomicFile.h"
#include "rules/Log.h"
#include "settings/GTPGoGameInfo.h"
#include "strength/OpponentStrength.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>

namespace {
// A progress file is a few hundred bytes; anything far larger is not one.
constexpr qint64 MaximumFileSize = 1 << 20;
}

ProgressRecord::ProgressRecord(const QString& path) : m_Path(path)
{
    read();
}

QString ProgressRecord::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/hoshi/progress.json");
}

void ProgressRecord::read()
{
    const QFileInfo info(m_Path);
    QFile file(m_Path);
    // Only a regular file: a FIFO would block the start.
    if (!info.exists() || !info.isFile() || info.size() > MaximumFileSize || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    for (const QJsonValue& entry : root.value(QStringLiteral("tallies")).toArray()) {
        const QJsonObject tally = entry.toObject();
        const std::string step = tally.value(QStringLiteral("step")).toString().toStdString();
        const int handicap = tally.value(QStringLiteral("handicap")).toInt(-1);
        const int wins = tally.value(QStringLiteral("wins")).toInt(-1);
        const int losses = tally.value(QStringLiteral("losses")).toInt(-1);
        const int streak = tally.value(QStringLiteral("streak")).toInt();
        // An entry that makes no sense is dropped, not the whole record.
        if (OpponentStrength::find(step) == nullptr || handicap < 0 || handicap > GTPGoGameInfo::MaximumHandicap
            || wins < 0 || losses < 0 || streak > wins || -streak > losses) {
            continue;
        }
        m_Tallies.push_back({step, handicap, wins, losses, streak});
    }
    const int last = root.value(QStringLiteral("last")).toInt(-1);
    if (last >= 0 && static_cast<std::size_t>(last) < m_Tallies.size()) {
        m_Last = static_cast<std::size_t>(last);
    }
}

QByteArray ProgressRecord::json() const
{
    QJsonArray tallies;
    for (const Tally& tally : m_Tallies) {
        tallies.append(QJsonObject{{QStringLiteral("step"), QString::fromStdString(tally.Step)},
                                   {QStringLiteral("handicap"), tally.Handicap},
                                   {QStringLiteral("wins"), tally.Wins},
                                   {QStringLiteral("losses"), tally.Losses},
                                   {QStringLiteral("streak"), tally.Streak}});
    }
    QJsonObject root{{QStringLiteral("tallies"), tallies}};
    if (m_Last) {
        root.insert(QStringLiteral("last"), static_cast<int>(*m_Last));
    }
    return QJsonDocument(root).toJson();
}

std::optional<QString> ProgressRecord::add(const StrengthStep& step, int handicap, bool won)
{
    auto tally = std::ranges::find_if(
        m_Tallies, [&](const Tally& t) { return t.Step == step.Id && t.Handicap == handicap; });
    if (tally == m_Tallies.end()) {
        tally = m_Tallies.insert(m_Tallies.end(), {std::string(step.Id), handicap});
    }
    (won ? tally->Wins : tally->Losses) += 1;
    tally->Streak = won ? std::max(tally->Streak, 0) + 1 : std::min(tally->Streak, 0) - 1;
    m_Last = static_cast<std::size_t>(tally - m_Tallies.begin());
    QDir().mkpath(QFileInfo(m_Path).absolutePath());
    const QByteArray bytes = json();
    const int error = AtomicFile::write(m_Path.toStdString(), std::string_view(bytes.constData(), bytes.size()),
                                        AtomicFile::Mode::Replace);
    if (error == 0) {
        return std::nullopt;
    }
    const QString reason = tr("Your progress could not be recorded in %1: %2.")
                               .arg(m_Path, QString::fromLocal8Bit(std::strerror(error)));
    Log::write(reason.toStdString());
    return reason;
}

std::vector<std::pair<int, int>> ProgressRecord::resultsByStep() const
{
    std::vector<std::pair<int, int>> results;
    for (const StrengthStep& step : OpponentStrength::steps()) {
        std::pair<int, int> sum;
        for (const Tally& tally : m_Tallies) {
            if (tally.Step == step.Id) {
                sum.first += tally.Wins;
                sum.second += tally.Losses;
            }
        }
        results.push_back(sum);
    }
    return results;
}

std::optional<ProgressRecord::Suggestion> ProgressRecord::suggestion() const
{
    if (!m_Last) {
        return std::nullopt;
    }
    const Tally& last = m_Tallies[*m_Last];
    const StrengthStep* step = OpponentStrength::find(last.Step);
    const std::int32_t number = OpponentStrength::numberOf(*step);
    using Kind = Suggestion::Kind;
    if (last.Streak >= StreakForSuggestion) {
        if (last.Handicap > 0) {
            return Suggestion{Kind::FewerStones, step, last.Handicap, step, last.Handicap - 1};
        }
        if (const StrengthStep* next = OpponentStrength::byNumber(number + 1)) {
            return Suggestion{Kind::NextStep, step, last.Handicap, next, last.Handicap};
        }
    } else if (last.Streak <= -StreakForSuggestion) {
        if (const StrengthStep* below = OpponentStrength::byNumber(number - 1)) {
            return Suggestion{Kind::StepBelow, step, last.Handicap, below, last.Handicap};
        }
        if (last.Handicap < GTPGoGameInfo::MaximumHandicap) {
            return Suggestion{Kind::MoreStones, step, last.Handicap, step, last.Handicap + 1};
        }
    }
    return std::nullopt;
}
