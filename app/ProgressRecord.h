#pragma once

#include "strength/StrengthStep.h"

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <vector>

// The player's results against GNU Go, per strength step and handicap, kept in
// progress.json beside the games folder ($XDG_DATA_HOME/hoshi). Only finished
// games against a step count. The file is written whole and atomically; one
// that cannot be read or holds nonsense gives an empty record, and the next
// result replaces it. Nothing here touches the kept games.
class ProgressRecord {
    Q_DECLARE_TR_FUNCTIONS(ProgressRecord)
public:
    struct Tally {
        std::string Step; // the step's id
        int Handicap = 0;
        int Wins = 0;
        int Losses = 0;
        // Wins in a row (above 0) or losses in a row (below 0) at this step and handicap.
        int Streak = 0;
    };
    // What the setup screen offers after three results in a row, never applies.
    struct Suggestion {
        enum class Kind { NextStep, FewerStones, StepBelow, MoreStones };
        Kind What;
        const StrengthStep* Step; // where the streak was played
        int Handicap;
        const StrengthStep* SuggestedStep;
        int SuggestedHandicap;
    };
    static constexpr int StreakForSuggestion = 3;

    // Reads the record at path, by default progress.json.
    explicit ProgressRecord(const QString& path = defaultPath());

    static QString defaultPath();
    // Adds one finished game and writes the file; why it could not be written,
    // in the player's language, if so.
    std::optional<QString> add(const StrengthStep& step, int handicap, bool won);
    const std::vector<Tally>& tallies() const { return m_Tallies; }
    // Wins and losses at each step, whatever the handicap, in the order of the steps.
    std::vector<std::pair<int, int>> resultsByStep() const;
    // After the last game: a step or a stone either way, once its streak reaches three.
    std::optional<Suggestion> suggestion() const;

private:
    void read();
    QByteArray json() const;

    QString m_Path;
    std::vector<Tally> m_Tallies;
    // The tally of the last game played, an index into m_Tallies.
    std::optional<std::size_t> m_Last;
};
