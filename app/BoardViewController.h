#pragma once

#include "rules/GTPGoColor.h"
#include "rules/GTPGoGame.h"
#include "settings/GTPGoClock.h"
#include "settings/GTPGoGameInfo.h"

#include <QDateTime>
#include <QString>
#include <QWidget>

#include <memory>

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
    // A game read from a file.
    BoardViewController(std::unique_ptr<GTPGoGame> game, GTPGoColor playerColor, const QString& language,
                        QWidget* parent = nullptr);
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
    bool m_SaveFailureShown = false;
    bool m_ResultRecorded = false;
};
