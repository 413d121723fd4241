#pragma once

#include "rules/GTPGoColor.h"
#include "settings/GTPGoClock.h"
#include "settings/GTPGoGameInfo.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class BoardViewRoot;
}

// Hosts the board view, which does all the work of a game; Resign brings
// back the main menu.
class BoardViewController : public QWidget {
    Q_OBJECT
public:
    // The time source reaches the game's clock; tests pass their own.
    BoardViewController(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language,
                        QWidget* parent = nullptr, GTPGoClock::TimeSource timeSource = {});
    ~BoardViewController() override;

    // Runs once the root view exists: creates the board view with its frame.
    void viewDidLoad();

    const GTPGoGameInfo& GameInfo() const { return m_GameInfo; }
    GTPGoColor PlayerColor() const { return m_PlayerColor; }
    const QString& CurrentLanguage() const { return m_CurrentLanguage; }

private:
    void returnToMainMenu(const QString& language);

    std::unique_ptr<Ui::BoardViewRoot> m_ui;
    GTPGoGameInfo m_GameInfo;
    GTPGoColor m_PlayerColor;
    QString m_CurrentLanguage;
    GTPGoClock::TimeSource m_timeSource;
};
