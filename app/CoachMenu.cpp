#include "CoachMenu.h"

#include "app/BoardCoach.h"
#include "app/BoardViewController.h"
#include "app/CoachPanel.h"
#include "app/UserSettings.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

CoachMenu::CoachMenu(QMainWindow& window, UserSettings& settings)
    : QObject(&window), m_window(window), m_settings(settings)
{
    m_menu = m_window.menuBar()->addMenu(QString());
    // Not H: a column letter, which typed coordinates use.
    m_hint = m_menu->addAction(QString(), this, [this] {
        if (m_coach) {
            m_coach->hint();
        }
    });
    m_hint->setShortcut(QKeySequence(Qt::Key_Question));
    m_commentMoves = m_menu->addAction(QString());
    m_commentMoves->setCheckable(true);
    m_commentMoves->setChecked(m_settings.commentsMoves());
    connect(m_commentMoves, &QAction::toggled, this, [this](bool on) {
        m_settings.setCommentsMoves(on);
        if (m_coach) {
            m_coach->setCommenting(on);
        }
    });
    m_showTerritory = m_menu->addAction(QString());
    m_showTerritory->setCheckable(true);
    m_showTerritory->setShortcut(QKeySequence(Qt::Key_T));
    connect(m_showTerritory, &QAction::toggled, this, [this](bool on) {
        if (m_coach) {
            m_coach->setShowingTerritory(on);
        }
    });
    m_panel = new CoachPanel;
    m_dock = new QDockWidget(&m_window);
    m_dock->setObjectName(QStringLiteral("CoachDock"));
    m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_dock->setTitleBarWidget(new QWidget(m_dock));
    m_dock->setWidget(m_panel);
    m_window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
    retranslate();
}

BoardCoach* CoachMenu::attach(BoardViewController* game)
{
    m_panel->clear();
    m_showTerritory->setChecked(false);
    m_coach = nullptr;
    if (game != nullptr) {
        // A child of the screen: its coach process ends with the game.
        m_coach = new BoardCoach(*game->boardView(), *m_panel, game);
        m_coach->setObjectName(QStringLiteral("BoardCoach"));
        m_coach->setCommenting(m_commentMoves->isChecked());
        connect(m_coach, &BoardCoach::StateChanged, this, &CoachMenu::refresh);
    }
    refresh();
    return m_coach;
}

void CoachMenu::refresh()
{
    const bool available = m_coach && m_coach->isAvailable();
    for (QAction* action : {m_hint, m_commentMoves, m_showTerritory}) {
        action->setEnabled(available);
    }
    m_dock->setVisible(m_coach && m_coach->wantsPanel());
}

void CoachMenu::retranslate()
{
    m_menu->setTitle(tr("&Coach"));
    m_hint->setText(tr("&Hint"));
    m_commentMoves->setText(tr("&Comment My Moves"));
    m_showTerritory->setText(tr("Show &Territory"));
}
