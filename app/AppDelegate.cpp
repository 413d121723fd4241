#include "AppDelegate.h"

#include "app/AccessibleNames.h"
#include "app/AnalysisController.h"
#include "app/BoardCoach.h"
#include "app/BoardKeyboard.h"
#include "app/BoardViewController.h"
#include "app/CoachMenu.h"
#include "app/GameArchive.h"
#include "app/GameInfoViewController.h"
#include "app/MainMenuViewController.h"
#include "app/SoundEffects.h"
#include "app/ProgressChart.h"
#include "app/ProgressRecord.h"
#include "app/StrengthText.h"
#include "app/ScreenClickGuard.h"
#include "board/BoardAccessibility.h"
#include "board/BoardView.h"
#include "engine/EngineDisplayName.h"
#include "rules/Log.h"
#include "strength/OpponentStrength.h"
#include "translations/Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

namespace {
const QString kGameFiles = QStringLiteral("*.sgf");
}

AppDelegate::AppDelegate() : m_window(std::make_unique<QMainWindow>())
{
    m_window->setWindowTitle(QStringLiteral("hoshi"));
    BoardAccessibility::installFactory();
    createMenus();
    // Every screen is 800 x 600; the window is that and the menu bar, and no larger.
    m_window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    new ScreenClickGuard(m_window.get());
    m_window->installEventFilter(this);
}

// The window goes first, taking the current screen and its engine with it.
AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    showMainMenu(m_settings.language());
}

std::optional<QString> AppDelegate::applicationWillTerminate()
{
    BoardViewController* game = board();
    std::optional<QString> failure = game != nullptr ? game->autosave() : std::nullopt;
    if (failure) {
        Log::write(failure->toStdString());
    }
    return failure;
}

void AppDelegate::terminate()
{
    m_Terminating = true;
    applicationWillTerminate();
    // Each dialog's own event loop returns; QCoreApplication::exit then ends every loop, the main one too.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible()) {
            dialog->reject();
        }
    }
    QCoreApplication::exit(0);
}

void AppDelegate::setScreen(QWidget* screen)
{
    // A game that is left is kept.
    const std::optional<QString> failure = applicationWillTerminate();
    screen->setFixedSize(ContentWidth, ContentHeight);
    // Qt 6 hides the old screen and deletes it later, so a button handler of the
    // old screen can return safely.
    m_window->setCentralWidget(screen);
    AccessibleNames::name(*screen);
    // The keyboard starts on the new screen's first control, once the screen shows (from the event loop).
    QMetaObject::invokeMethod(screen, [screen] {
        for (QWidget* control = screen->nextInFocusChain(); control != screen; control = control->nextInFocusChain()) {
            if ((control->focusPolicy() & Qt::TabFocus) != 0 && control->isVisible() && control->isEnabled()) {
                control->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }, Qt::QueuedConnection);
    // Off the board its keys belong to the controls (the setup's sliders take the arrows).
    for (QAction* action : m_boardActions) {
        action->setEnabled(board() != nullptr);
    }
    if (board() != nullptr) {
        connect(board()->boardView(), &BoardView::PlayChanged, this, &AppDelegate::refreshTakeBack);
    }
    accompanyGame();
    refreshTakeBack();
    refreshTitle();
    if (failure) {
        showKeepingFailure(*failure);
    }
}

void AppDelegate::accompanyGame()
{
    BoardCoach* coach = m_coachMenu->attach(board());
    if (BoardViewController* game = board()) {
        auto* keyboard = new BoardKeyboard(*game->boardView(), *game);
        // A screen reader follows the cursor.
        auto* accessibility = new BoardAccessibility(*game->boardView());
        connect(keyboard, &BoardKeyboard::CursorMoved, accessibility, &BoardAccessibility::setCursor);
        m_sounds->follow(*game->boardView());
        auto* analysis = new AnalysisController(*game, *coach);
        analysis->setObjectName(QStringLiteral("AnalysisController"));
        // A file that holds its analysis shows it at once.
        if (analysis->result()) {
            analysis->analyse();
        }
    }
}

AnalysisController* AppDelegate::analysis() const
{
    return board() != nullptr ? board()->findChild<AnalysisController*>(QStringLiteral("AnalysisController")) : nullptr;
}

void AppDelegate::showKeepingFailure(const QString& reason)
{
    if (m_Terminating) {
        return;
    }
    auto* notice = new QMessageBox(QMessageBox::Warning, tr("Game Not Saved"), reason, QMessageBox::Ok, m_window.get());
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->open();
}

bool AppDelegate::mayClose()
{
    const std::optional<QString> failure = applicationWillTerminate();
    if (!failure || m_Terminating) {
        return true;
    }
    QMessageBox question(QMessageBox::Warning, tr("Game Not Saved"),
                         *failure + QStringLiteral("\n\n") + tr("Quit anyway? Save As can still keep it elsewhere."),
                         QMessageBox::Cancel, m_window.get());
    QAbstractButton* quit = question.addButton(tr("Quit"), QMessageBox::DestructiveRole);
    question.setDefaultButton(QMessageBox::Cancel);
    question.exec();
    return question.clickedButton() == quit || m_Terminating;
}

BoardViewController* AppDelegate::board() const
{
    return qobject_cast<BoardViewController*>(m_window->centralWidget());
}

void AppDelegate::refreshTitle()
{
    const BoardView* view = board() != nullptr ? board()->boardView() : nullptr;
    m_window->setWindowTitle(view == nullptr || view->PlayerColor() == GTPGoColorEmpty
                                 ? QStringLiteral("hoshi")
                                 : QStringLiteral("hoshi — ") + engineDescription(view->GoGame().GameInfo().Level()));
}

void AppDelegate::refreshTakeBack()
{
    m_takeBack->setEnabled(board() != nullptr && board()->boardView()->canTakeBack());
}

QString AppDelegate::engineDescription(int level)
{
    const std::optional<GTPEngineCommand> engine = locateEngine(level);
    const QString name = engineDisplayName(engine ? engine->Name : engineName());
    return engine && engine->Strength != nullptr ? StrengthText::name(*engine->Strength) : name;
}

void AppDelegate::showMainMenu(const QString& language)
{
    auto* menu = new MainMenuViewController(language);
    connect(menu, &MainMenuViewController::GameSetupRequested, this, &AppDelegate::showGameSetup);
    connect(menu, &MainMenuViewController::LanguageChosen, this,
            [this](const QString& chosen) { m_settings.setLanguage(chosen); });
    setScreen(menu);
}

void AppDelegate::showGameSetup(GTPGoColor playerColor, const QString& language)
{
    auto* setup = new GameInfoViewController(playerColor, language);
    setup->setInitialValues(m_settings.handicap(), m_settings.minutes(), m_settings.strength(), m_settings.counting());
    setup->setSuggestion(ProgressRecord().suggestion());
    connect(setup, &GameInfoViewController::MainMenuRequested, this, &AppDelegate::showMainMenu);
    connect(setup, &GameInfoViewController::GameRequested, this, &AppDelegate::showGame);
    setScreen(setup);
}

void AppDelegate::showGame(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language)
{
    m_settings.setHandicap(gameInfo.Handicap());
    m_settings.setMinutes(static_cast<int>(gameInfo.TimeSettings().MainTime()) / 60);
    if (const StrengthStep* step = OpponentStrength::byNumber(gameInfo.Level())) {
        m_settings.setStrength(*step);
    }
    m_settings.setCounting(gameInfo.Counting());
    auto* game = new BoardViewController(gameInfo, playerColor, language);
    connect(game, &BoardViewController::MainMenuRequested, this, &AppDelegate::showMainMenu);
    setScreen(game);
}

void AppDelegate::openGame(const QString& path, std::optional<GTPGoColor> playerColor)
{
    QString problem;
    const SGFReadResult read = GameArchive::read(path, problem);
    if (!read.Record) {
        Log::write("Not opened: " + problem.toStdString());
        QMessageBox::warning(m_window.get(), tr("Game Not Opened"), problem);
        return;
    }
    std::unique_ptr<GTPGoGame> game = read.Record->toGame(m_settings.minutes() * 60);
    // Against GNU Go found by hoshi, the game goes on at the step the setup would offer.
    const std::optional<GTPEngineCommand> engine = locateEngine();
    game->GameInfo().setLevel(engine && engine->TakesLevel ? OpponentStrength::numberOf(m_settings.strength()) : 0);
    if (game->IsGameOver()) {
        playerColor = GTPGoColorEmpty;
    } else if (!playerColor) {
        playerColor = askHowToGoOn();
        if (!playerColor) {
            return;
        }
    }
    auto* screen = new BoardViewController(std::move(game), *playerColor, Translations::current(), *read.Record, path);
    connect(screen, &BoardViewController::MainMenuRequested, this, &AppDelegate::showMainMenu);
    setScreen(screen);
}

std::optional<GTPGoColor> AppDelegate::askHowToGoOn()
{
    const QString engine = engineDisplayName();
    QMessageBox choice(QMessageBox::Question, tr("Continue the Game"), tr("How do you want to go on with this game?"),
                       QMessageBox::Cancel, m_window.get());
    const std::pair<QAbstractButton*, GTPGoColor> answers[] = {
        {choice.addButton(tr("As Black against %1").arg(engine), QMessageBox::AcceptRole), GTPGoColorBlack},
        {choice.addButton(tr("As White against %1").arg(engine), QMessageBox::AcceptRole), GTPGoColorWhite},
        {choice.addButton(tr("Two players"), QMessageBox::AcceptRole), GTPGoColorEmpty},
    };
    choice.setDefaultButton(static_cast<QPushButton*>(answers[0].first));
    choice.exec();
    for (const auto& [button, color] : answers) {
        if (choice.clickedButton() == button) {
            return color;
        }
    }
    return std::nullopt;
}

void AppDelegate::createMenus()
{
    m_gameMenu = m_window->menuBar()->addMenu(QString());
    m_newGame = m_gameMenu->addAction(QString(), this, [this] { showMainMenu(Translations::current()); });
    m_newGame->setShortcut(QKeySequence::New);
    m_open = m_gameMenu->addAction(QString(), this, &AppDelegate::open);
    m_open->setShortcut(QKeySequence::Open);
    m_saveAs = m_gameMenu->addAction(QString(), this, &AppDelegate::saveAs);
    m_saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_boardActions.push_back(m_saveAs);
    m_takeBack = m_gameMenu->addAction(QString(), this, [this] {
        if (BoardViewController* game = board()) {
            game->boardView()->takeBack();
        }
    });
    m_takeBack->setShortcut(QKeySequence::Undo);
    m_analyse = m_gameMenu->addAction(QString(), this, [this] {
        if (AnalysisController* analysis = this->analysis()) {
            analysis->analyse();
        }
    });
    m_boardActions.push_back(m_analyse);
    // The Resign button's duty, for a player without a mouse.
    m_resign = m_gameMenu->addAction(QString(), this, [this] {
        if (BoardViewController* game = board()) {
            game->findChild<QAbstractButton*>(QStringLiteral("ResignButton"))->click();
        }
    });
    m_boardActions.push_back(m_resign);
    m_sounds = new SoundEffects(this);
    m_sound = m_gameMenu->addAction(QString());
    m_sound->setCheckable(true);
    m_sound->setChecked(m_settings.sound());
    m_sounds->setEnabled(m_sound->isChecked());
    connect(m_sound, &QAction::toggled, this, [this](bool on) {
        m_settings.setSound(on);
        m_sounds->setEnabled(on);
    });
    for (const auto& [key, direction] : {std::pair {QKeySequence(Qt::Key_N), 1}, {QKeySequence(Qt::SHIFT | Qt::Key_N), -1}}) {
        auto* step = new QAction(m_window.get());
        step->setShortcut(key);
        connect(step, &QAction::triggered, this, [this, direction = direction] {
            if (AnalysisController* analysis = this->analysis()) {
                analysis->stepMistake(direction);
            }
        });
        m_window->addAction(step);
        m_boardActions.push_back(step);
    }
    m_gameMenu->addSeparator();
    m_quit = m_gameMenu->addAction(QString(), m_window.get(), &QMainWindow::close);
    m_quit->setShortcut(QKeySequence::Quit);
    m_coachMenu = new CoachMenu(*m_window, m_settings);
    m_helpMenu = m_window->menuBar()->addMenu(QString());
    m_shortcuts = m_helpMenu->addAction(QString(), this, &AppDelegate::showShortcuts);
    m_progress = m_helpMenu->addAction(QString(), this, &AppDelegate::showProgress);
    m_about = m_helpMenu->addAction(QString(), this, &AppDelegate::showAbout);

    addBoardShortcut(Qt::Key_P, "PassButton");
    addBoardShortcut(Qt::Key_R, "DemonstrationButton");
    addBoardShortcut(Qt::Key_Home, "StartButton");
    addBoardShortcut(Qt::Key_End, "EndButton");
    retranslateMenus();
}

QAction* AppDelegate::addBoardShortcut(const QKeySequence& key, const char* control)
{
    auto* action = new QAction(m_window.get());
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, control] {
        BoardViewController* game = board();
        auto* button = game != nullptr ? game->findChild<QAbstractButton*>(control) : nullptr;
        if (button != nullptr && button->isVisibleTo(game) && button->isEnabled()) {
            button->click();
        }
    });
    m_window->addAction(action);
    m_boardActions.push_back(action);
    return action;
}

void AppDelegate::retranslateMenus()
{
    m_gameMenu->setTitle(tr("&Game"));
    m_newGame->setText(tr("&New Game"));
    m_open->setText(tr("&Open…"));
    m_saveAs->setText(tr("Save &As…"));
    m_takeBack->setText(tr("&Take Back Move"));
    m_analyse->setText(tr("&Analyse Game"));
    m_resign->setText(tr("&Resign"));
    m_sound->setText(tr("S&ound"));
    m_quit->setText(tr("&Quit"));
    m_coachMenu->retranslate();
    m_helpMenu->setTitle(tr("&Help"));
    m_shortcuts->setText(tr("&Keyboard Shortcuts"));
    m_progress->setText(tr("My &Progress"));
    m_about->setText(tr("&About hoshi"));
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window.get() && event->type() == QEvent::LanguageChange) {
        retranslateMenus();
        refreshTitle();
        if (QWidget* screen = m_window->centralWidget()) {
            AccessibleNames::name(*screen);
        }
    }
    if (watched == m_window.get() && event->type() == QEvent::Close && !mayClose()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void AppDelegate::open()
{
    const QString path = QFileDialog::getOpenFileName(m_window.get(), tr("Open"), GameArchive::folder(),
                                                      tr("Go games (%1)").arg(kGameFiles));
    if (!path.isEmpty()) {
        openGame(path);
    }
}

void AppDelegate::saveAs()
{
    BoardViewController* game = board();
    if (game == nullptr) {
        return;
    }
    // The dialog opens in the archive, which may not exist yet on a first run.
    const QString proposed = game->proposedSaveAsPath();
    QDir().mkpath(QFileInfo(proposed).absolutePath());
    QFileDialog dialog(m_window.get(), tr("Save As"), proposed, tr("Go games (%1)").arg(kGameFiles));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Known to the dialog, the suffix is part of the name its overwrite question checks.
    dialog.setDefaultSuffix(QStringLiteral("sgf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() || board() != game) {
        return;
    }
    if (const std::optional<QString> failure = game->saveAs(dialog.selectedFiles().constFirst())) {
        Log::write(failure->toStdString());
        QMessageBox::warning(m_window.get(), tr("Game Not Saved"), *failure);
    }
}

void AppDelegate::showShortcuts()
{
    QMessageBox::information(m_window.get(), tr("Keyboard Shortcuts"),
                             tr("P\tPass\nR\tReview on or off\nLeft, Right\tOne move back or forward in review\n"
                                "Home, End\tFirst or last move in review\nN, Shift+N\tNext or previous mistake in review\n"
                                "?\tA hint from the coach\n"
                                "T\tThe coach's territory on or off\nCtrl+N\tNew game\nCtrl+O\tOpen a game\n"
                                "Ctrl+S\tSave the game as\nCtrl+Z\tTake back a move\nCtrl+Q\tQuit"));
}

void AppDelegate::showAbout()
{
    const BoardView* view = board() != nullptr ? board()->boardView() : nullptr;
    const int level = view != nullptr ? view->GoGame().GameInfo().Level()
                                      : OpponentStrength::numberOf(m_settings.strength());
    QMessageBox::about(m_window.get(), tr("About hoshi"),
                       tr("hoshi %1\nA game of Go on a 9 × 9 board.\nThe engine: %2")
                           .arg(QCoreApplication::applicationVersion(), engineDescription(level)));
}

void AppDelegate::showProgress()
{
    ProgressChart chart(ProgressRecord(), m_window.get());
    chart.exec();
}
