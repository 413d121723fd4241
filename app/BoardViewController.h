#pragma once

#include "coach/AnalysedMove.h"
#include "rules/GTPGoColor.h"
#include "rules/GTPGoGame.h"
#include "settings/GTPGoClock.h"
#include "settings/GTPGoGameInfo.h"
#include "sgf/SGFGameRecord.h"

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class BoardView;
class GameKeeper;
namespace Ui {
class BoardViewRoot;
}

// Hosts the board view, which does all the work of a game, and keeps the game:
// in the archive after every move, so that a crash loses at most the move being
// played, or wherever the player saves it. A game opened from a file is kept
// only once it goes on.
class BoardViewController : public QWidget {
    Q_OBJECT
public:
    // The time source reaches the game's clock; tests pass their own.
    BoardViewController(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language,
                        QWidget* parent = nullptr, GTPGoClock::TimeSource timeSource = {});
    // A game read from this file, whose names, date and notes it keeps.
    BoardViewController(std::unique_ptr<GTPGoGame> game, GTPGoColor playerColor, const QString& language,
                        const SGFGameRecord& opened, const QString& openedPath, QWidget* parent = nullptr);
    ~BoardViewController() override;

    // Runs once the root view exists: creates the board view with its frame.
    void viewDidLoad();

    const GTPGoGameInfo& GameInfo() const { return m_GameInfo; }
    GTPGoColor PlayerColor() const { return m_PlayerColor; }
    const QString& CurrentLanguage() const { return m_CurrentLanguage; }
    BoardView* boardView() const { return m_BoardView; }

    // The game as a file holds it; "" when no turn was played.
    std::string gameRecord() const;
    // Waits until the game is in its file; why it is not, in the player's language.
    std::optional<QString> autosave();
    // The reason, in the player's language, when the file could not be written.
    std::optional<QString> saveAs(const QString& path) const;
    // Where Save As proposes to write: the archive, named like the kept file.
    QString proposedSaveAsPath() const;
    // The analysis the game's file holds: a lead for every move, else nothing.
    std::optional<std::vector<AnalysedMove>> analysis() const;
    // Keeps an analysis in the game's file: the file it was opened from while it
    // has not gone on, else its kept file. Why it could not be written, if so.
    std::optional<QString> setAnalysis(const std::vector<AnalysedMove>& moves);

signals:
    // Resign: the main menu in this language, after the game is kept.
    void MainMenuRequested(const QString& language);

private:
    // Hands the game as it now stands to the keeper.
    void keepGame();
    // A failure is logged and, the first time, shown in the message area.
    void keepingFailed(const QString& reason);
    // A game against a strength step that has a winner goes into the progress record, once.
    void recordResult();

    std::unique_ptr<Ui::BoardViewRoot> m_ui;
    GTPGoGameInfo m_GameInfo;
    GTPGoColor m_PlayerColor;
    QString m_CurrentLanguage;
    GTPGoClock::TimeSource m_timeSource;
    std::unique_ptr<GTPGoGame> m_LoadedGame;
    BoardView* m_BoardView = nullptr;
    QDateTime m_Start = QDateTime::currentDateTime();
    GameKeeper* m_Keeper = nullptr;
    // The record of a game opened from a file, as it was opened: not kept again unless it changes.
    std::string m_OpenedRecord;
    bool m_Continued = false;
    std::optional<SGFGameRecord> m_Opened;
    QString m_OpenedPath;
    // Each note with the move it belongs to: a note outlives a take back only with its move.
    std::vector<std::pair<GTPGoMove, SGFMoveNote>> m_Notes;
    bool m_SaveFailureShown = false;
    bool m_ResultRecorded = false;
};
