#pragma once

#include <QObject>
#include <QPointer>

class BoardCoach;
class BoardViewController;
class CoachPanel;
class QAction;
class QDockWidget;
class QMainWindow;
class QMenu;
class UserSettings;

// The Coach menu and the panel beside the 800 x 600 screen where the coach's
// words go. Each game gets a coach of its own, which ends with it; the menu's
// items are enabled while that coach can help.
class CoachMenu : public QObject {
    Q_OBJECT
public:
    CoachMenu(QMainWindow& window, UserSettings& settings);

    // The screen changed: a game gets its coach, any other screen none.
    BoardCoach* attach(BoardViewController* game);
    void retranslate();

private:
    void refresh();

    QMainWindow& m_window;
    UserSettings& m_settings;
    QPointer<BoardCoach> m_coach;
    QMenu* m_menu = nullptr;
    QAction* m_hint = nullptr;
    QAction* m_commentMoves = nullptr;
    QAction* m_showTerritory = nullptr;
    QDockWidget* m_dock = nullptr;
    CoachPanel* m_panel = nullptr;
};
