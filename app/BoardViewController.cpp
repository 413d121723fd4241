#include "BoardViewController.h"

#include "app/GameArchive.h"
#include "app/GameKeeper.h"
#include "app/ProgressRecord.h"
#include "board/BoardView.h"
#include "rules/Log.h"
#include "sgf/SGFGameRecord.h"
#include "sgf/SGFWriter.h"
#include "strength/OpponentStrength.h"
#include "translations/Translations.h"
#include "ui_BoardView.h"

#include <utility>

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
                                         const QString& language, const SGFGameRecord& opened,
                                         const QString& openedPath, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::BoardViewRoot>()), m_GameInfo(game->GameInfo()),
      m_PlayerColor(playerColor), m_CurrentLanguage(language), m_LoadedGame(std::move(game)), m_Opened(opened),
      m_OpenedPath(openedPath)
{
    for (std::size_t i = 0; i < opened.Notes.size() && i < opened.Moves.size(); ++i) {
        m_Notes.emplace_back(opened.Moves[i], opened.Notes[i]);
    }
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
    // A game the player resigns ends on the way out: recorded before the screen goes. One
    // left while its count is marked has not ended yet: its GameEnded comes with the count.
    connect(m_BoardView, &BoardView::ResignRequested, this, [this] {
        if (m_BoardView->GoGame().End() == GTPGoGameEnd::Resignation) {
            recordResult();
        }
    });
    connect(m_BoardView, &BoardView::ResignRequested, this, &BoardViewController::MainMenuRequested);
    connect(m_BoardView, &BoardView::GameEnded, this, &BoardViewController::recordResult);
    m_Keeper = new GameKeeper(m_Start, this);
    connect(m_Keeper, &GameKeeper::Failed, this, &BoardViewController::keepingFailed);
    if (!m_BoardView->GoGame().Turns().empty()) {
        m_OpenedRecord = gameRecord();
    }
    connect(m_BoardView, &BoardView::PlayChanged, this, &BoardViewController::keepGame);
    connect(m_BoardView, &BoardView::GameEnded, this, &BoardViewController::keepGame);
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
    // A game from a file keeps what the file says of it.
    if (m_Opened) {
        for (const auto member : {&SGFGameRecord::BlackName, &SGFGameRecord::WhiteName, &SGFGameRecord::Date}) {
            const std::string& kept = (*m_Opened).*member;
            record.*member = kept.empty() ? record.*member : kept;
        }
    }
    for (std::size_t i = 0; i < m_Notes.size() && i < record.Moves.size() && m_Notes[i].first == record.Moves[i]; ++i) {
        record.Notes.push_back(m_Notes[i].second);
    }
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

void BoardViewController::keepGame()
{
    std::string record = gameRecord();
    // Once it went on, every state is kept, the opened one too if a take back returns to it.
    m_Continued = m_Continued || record != m_OpenedRecord;
    if (m_Continued) {
        m_Keeper->keep(std::move(record));
    }
}

std::optional<QString> BoardViewController::autosave()
{
    keepGame();
    return m_Keeper->finish();
}

void BoardViewController::keepingFailed(const QString& reason)
{
    Log::write(reason.toStdString());
    if (!std::exchange(m_SaveFailureShown, true)) {
        m_BoardView->showNotice([reason] { return reason; });
    }
}

std::optional<std::vector<AnalysedMove>> BoardViewController::analysis() const
{
    const std::vector<GTPGoMove> moves = m_BoardView->GoGame().getMoves();
    if (moves.empty() || m_Notes.size() < moves.size()) {
        return std::nullopt;
    }
    std::vector<AnalysedMove> analysed;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto& [move, note] = m_Notes[i];
        if (move != moves[i] || !note.Value) {
            return std::nullopt;
        }
        AnalysedMove read;
        read.Played = move;
        read.Lead = *note.Value;
        read.Loss = note.Loss.value_or(0);
        read.Better = note.Better;
        read.Sentence = note.Analysis;
        analysed.push_back(std::move(read));
    }
    return analysed;
}

std::optional<QString> BoardViewController::setAnalysis(const std::vector<AnalysedMove>& moves)
{
    std::vector<std::pair<GTPGoMove, SGFMoveNote>> notes;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const AnalysedMove& move = moves[i];
        SGFMoveNote note;
        if (i < m_Notes.size() && m_Notes[i].first == move.Played) {
            note.Comment = m_Notes[i].second.Comment;
        }
        note.Value = move.Lead;
        if (move.severity() > 0) {
            note.BadMove = move.severity();
            note.Analysis = move.Sentence;
            note.Better = move.Better;
            note.Loss = move.Loss;
        }
        notes.emplace_back(move.Played, std::move(note));
    }
    m_Notes = std::move(notes);
    if (m_Continued || m_OpenedPath.isEmpty()) {
        keepGame();
        return m_Keeper->finish();
    }
    // Only looked at, the game is analysed in its own file, which stays the one it is kept in.
    m_OpenedRecord = gameRecord();
    return GameArchive::write(m_OpenedPath, m_OpenedRecord);
}

void BoardViewController::recordResult()
{
    const GTPGoGame& game = m_BoardView->GoGame();
    const StrengthStep* step = OpponentStrength::byNumber(game.GameInfo().Level());
    // Two players, an engine of the player's own, a game without a winner: no result.
    if (m_ResultRecorded || step == nullptr || m_PlayerColor == GTPGoColorEmpty || !game.IsGameOver()
        || game.Winner() == GTPGoColorEmpty) {
        return;
    }
    m_ResultRecorded = true;
    ProgressRecord record;
    const bool won = game.Winner() == m_PlayerColor;
    if (const std::optional<QString> failure = record.add(*step, game.GameInfo().Handicap(), won)) {
        m_BoardView->showNotice([reason = *failure] { return reason; });
    }
}

QString BoardViewController::proposedSaveAsPath() const
{
    const QString kept = m_Keeper->path();
    return kept.isEmpty() ? GameArchive::autosavePath(m_Start) : kept;
}

std::optional<QString> BoardViewController::saveAs(const QString& path) const
{
    return GameArchive::write(path, gameRecord());
}
