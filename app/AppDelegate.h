#pragma once

#include "app/UserSettings.h"
#include "rules/GTPGoColor.h"
#include "settings/GTPGoGameInfo.h"

#include <QMainWindow>
#include <QObject>

#include <memory>
#include <optional>
#include <vector>

class AnalysisController;
class BoardViewController;
class CoachMenu;
class SoundEffects;
class QAction;
class QMenu;

// Owns the one window, its menu bar and shortcuts, and the road between the
// screens: a screen asks (a signal) and the delegate shows the next one.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    static constexpr int ContentWidth = 800;
    static constexpr int ContentHeight = 600;

    AppDelegate();
    ~AppDelegate() override;

    // Shows the main menu in the remembered language.
    void applicationDidFinishLaunching();
    // Keeps the game on the board, if any, before the window goes; why it could not.
    std::optional<QString> applicationWillTerminate();
    // A logout or Ctrl+C: the game is kept as far as it can be, every dialog is
    // closed and hoshi quits, asking nothing.
    void terminate();

    QMainWindow* window() const { return m_window.get(); }

    void showMainMenu(const QString& language);
    void showGameSetup(GTPGoColor playerColor, const QString& language);
    void showGame(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language);
    // A saved game, continued as the player chooses (asked unless given) or,
    // when over, reviewed.
    void openGame(const QString& path, std::optional<GTPGoColor> playerColor = std::nullopt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setScreen(QWidget* screen);
    // Tells the player, without stopping them, that the game left could not be kept.
    void showKeepingFailure(const QString& reason);
    // The window is closing: false when the player would rather stay to save the game elsewhere.
    bool mayClose();
    BoardViewController* board() const;
    void createMenus();
    void retranslateMenus();
    // A board control's shortcut does what a click on the control would do now.
    QAction* addBoardShortcut(const QKeySequence& key, const char* control);
    // How the player wants to go on with a game: a colour, both, or nothing (cancelled).
    std::optional<GTPGoColor> askHowToGoOn();
    void open();
    void saveAs();
    void showShortcuts();
    void showAbout();
    // The engine a game at this strength step (by number) would play: "Beginner 2", "katago".
    static QString engineDescription(int level);
    void showProgress();
    void refreshTakeBack();
    // What lies beside the board screen, for a new game: the coach, the keyboard,
    // the screen reader, the sounds, the analysis.
    void accompanyGame();
    AnalysisController* analysis() const;
    // "hoshi", or on a game against the engine "hoshi — Beginner 2".
    void refreshTitle();

    std::unique_ptr<QMainWindow> m_window;
    UserSettings m_settings;
    QMenu* m_gameMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_newGame = nullptr;
    QAction* m_open = nullptr;
    QAction* m_saveAs = nullptr;
    QAction* m_takeBack = nullptr;
    QAction* m_analyse = nullptr;
    QAction* m_resign = nullptr;
    QAction* m_sound = nullptr;
    SoundEffects* m_sounds = nullptr;
    QAction* m_quit = nullptr;
    QAction* m_shortcuts = nullptr;
    QAction* m_about = nullptr;
    QAction* m_progress = nullptr;
    CoachMenu* m_coachMenu = nullptr;
    // Enabled only while a game is shown.
    std::vector<QAction*> m_boardActions;
    bool m_Terminating = false;
};
