#include "BoardViewController.h"

#include "app/GameArchive.h"
#include "board/BoardView.h"
#include "rules/Log.h"
#include "sgf/SGFGameRecord.h"
#include "sgf/SGFWriter.h"
#include "translations/Translations.h"
#include "ui_BoardView.h"

#include <QFileInfo>

BoardViewController::BoardViewController(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor,
                                         const QString& language, QWidget* parent,
                                         GTPGoClock::TimeSource timeSource)
    : QWidget(parent), m_ui(std::make_unique<Ui::BoardViewRoot>()), m_GameInfo(gameInfo),
      m_PlayerColor(playerColor), m_CurrentLanguage(language), m_timeSource(std::move(timeSource))
{
    m_ui->setupUi(this);
    viewDidLoad();
}

BoardViewController::BoardViewController(std::unique_ptr<GTPGoGame> game, GTPGoColor playerColor,
                                         const QString& language, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::BoardViewRoot>()), m_GameInfo(game->GameInfo()),
      m_PlayerColor(playerColor), m_CurrentLanguage(language), m_LoadedGame(std::move(game))
{
    m_ui->setupUi(this);
    viewDidLoad();
}

BoardViewController::~BoardViewController() = default;

void BoardViewController::viewDidLoad()
{
    // The board speaks its game's language.
    Translations::install(m_CurrentLanguage);
    m_BoardView = m_LoadedGame
        ? new BoardView(geometry(), std::move(m_LoadedGame), m_PlayerColor, m_CurrentLanguage, this)
        : new BoardView(geometry(), m_GameInfo, m_PlayerColor, m_CurrentLanguage, this, m_timeSource);
    // The game is kept by AppDelegate as the screen is replaced.
    connect(m_BoardView, &BoardView::ResignRequested, this, &BoardViewController::MainMenuRequested);
    connect(m_BoardView, &BoardView::GameEnded, this, &BoardViewController::autosave);
}

std::string BoardViewController::gameRecord() const
{
    const GTPGoGame& game = m_BoardView->GoGame();
    if (game.Turns().empty()) {
        return std::string();
    }
    SGFGameRecord record = SGFGameRecord::fromGame(game);
    const std::string player = tr("Player").toStdString();
    const std::string engine = m_BoardView->EngineName().toStdString();
    const bool twoPlayers = m_PlayerColor == GTPGoColorEmpty;
    record.BlackName = twoPlayers || m_PlayerColor == GTPGoColorBlack ? player : engine;
    record.WhiteName = twoPlayers || m_PlayerColor == GTPGoColorWhite ? player : engine;
    record.Date = m_Start.date().toString(Qt::ISODate).toStdString();
    if (!twoPlayers) {
        // The engine's clock: its main time, then periods of one move.
        const GTPTimeSettings& time = game.Clock().OriginalTime();
        record.MainTime = static_cast<std::int32_t>(time.MainTime());
        record.Overtime = std::to_string(time.NumberOfMovesPerByoYomi()) + "/"
            + std::to_string(static_cast<int>(time.ByoYomi())) + " byo-yomi";
    }
    record.Rules = game.GameInfo().Counting() == GTPGoCounting::Area ? "Chinese" : "Stones on the board";
    return SGFWriter::write(record);
}

void BoardViewController::autosave()
{
    const std::string text = gameRecord();
    if (text.empty()) {
        return;
    }
    if (m_AutosavePath.isEmpty()) {
        m_AutosavePath = GameArchive::autosavePath(m_Start);
        for (int other = 2; QFileInfo::exists(m_AutosavePath); ++other) {
            m_AutosavePath = GameArchive::autosavePath(m_Start).replace(QStringLiteral(".sgf"),
                                                                         QStringLiteral("-%1.sgf").arg(other));
        }
    }
    const std::optional<QString> failure = GameArchive::write(m_AutosavePath, text);
    if (!failure) {
        return;
    }
    Log::write(failure->toStdString());
    if (!m_SaveFailureShown) {
        m_SaveFailureShown = true;
        m_BoardView->showNotice([text = *failure] { return text; });
    }
}

std::optional<QString> BoardViewController::saveAs(const QString& path) const
{
    return GameArchive::write(path, gameRecord());
}
