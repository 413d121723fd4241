#include "BoardViewController.h"

#include "app/AppDelegate.h"
#include "app/MainMenuViewController.h"
#include "board/BoardView.h"
#include "translations/Translations.h"
#include "ui_BoardView.h"

BoardViewController::BoardViewController(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor,
                                         const QString& language, QWidget* parent,
                                         GTPGoClock::TimeSource timeSource)
    : QWidget(parent), m_ui(std::make_unique<Ui::BoardViewRoot>()), m_GameInfo(gameInfo),
      m_PlayerColor(playerColor), m_CurrentLanguage(language), m_timeSource(std::move(timeSource))
{
    m_ui->setupUi(this);
    viewDidLoad();
}

BoardViewController::~BoardViewController() = default;

void BoardViewController::viewDidLoad()
{
    // The board speaks its game's language.
    Translations::install(m_CurrentLanguage);
    // The root view owns the board view; nothing here keeps a pointer to it.
    auto* boardView = new BoardView(geometry(), m_GameInfo, m_PlayerColor, m_CurrentLanguage, this, m_timeSource);
    connect(boardView, &BoardView::ResignRequested, this, &BoardViewController::returnToMainMenu);
}

void BoardViewController::returnToMainMenu(const QString& language)
{
    AppDelegate::showScreen(this, new MainMenuViewController(language));
}
