#include "MainMenuViewController.h"

#include "engine/EngineDisplayName.h"
#include "translations/Translations.h"
#include "ui_MainMenuView.h"

#include <algorithm>

MainMenuViewController::MainMenuViewController(QWidget* parent) : MainMenuViewController(QString(), parent) {}

MainMenuViewController::MainMenuViewController(const QString& language, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::MainMenuView>()), m_CurrentLanguage(language)
{
    m_ui->setupUi(this);
    awakeFromNib();
    connect(m_ui->LanguagesButton, &QComboBox::currentIndexChanged, this, &MainMenuViewController::languageChanged);
    connect(m_ui->BlackPachiButton, &QPushButton::clicked, this, &MainMenuViewController::onPlayBlackWithPachi);
    connect(m_ui->WhitePachiButton, &QPushButton::clicked, this, &MainMenuViewController::onPlayWhiteWithPachi);
    connect(m_ui->TwoPlayersButton, &QPushButton::clicked, this, &MainMenuViewController::onPlayWithOtherPlayer);
}

MainMenuViewController::~MainMenuViewController() = default;

void MainMenuViewController::awakeFromNib()
{
    setLanguages();
    m_ui->LanguagesButton->setCurrentIndex(std::max(0, m_ui->LanguagesButton->findText(m_CurrentLanguage)));
    setButtons();
}

void MainMenuViewController::setLanguages()
{
    m_ui->LanguagesButton->clear();
    std::vector<Language> languages = getLanguagesList();
    for (const Language& language : languages) {
        m_ui->LanguagesButton->addItem(language.LanguageAlias());
    }
    m_AvailableLanguages = std::move(languages);
}

// Installing the pop-up's language retranslates every screen, this one included.
void MainMenuViewController::setButtons()
{
    Translations::install(m_ui->LanguagesButton->currentText());
    retranslate();
    update();
    emit LanguageChosen(m_ui->LanguagesButton->currentText());
}

void MainMenuViewController::retranslate()
{
    const QString engine = engineDisplayName();
    m_ui->WhitePachiButton->setText(tr("Play against %1 as White").arg(engine));
    m_ui->BlackPachiButton->setText(tr("Play against %1 as Black").arg(engine));
    m_ui->TwoPlayersButton->setText(tr("Play against another player"));
}

void MainMenuViewController::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void MainMenuViewController::languageChanged()
{
    setButtons();
}

void MainMenuViewController::onPlayBlackWithPachi()
{
    openGameSetup(GTPGoColorBlack);
}

void MainMenuViewController::onPlayWhiteWithPachi()
{
    openGameSetup(GTPGoColorWhite);
}

void MainMenuViewController::onPlayWithOtherPlayer()
{
    openGameSetup(GTPGoColorEmpty);
}

// The pop-up's choice travels on, not the language this menu was made with.
void MainMenuViewController::openGameSetup(GTPGoColor playerColor)
{
    emit GameSetupRequested(playerColor, m_ui->LanguagesButton->currentText());
}

QComboBox* MainMenuViewController::LanguagesButton() const { return m_ui->LanguagesButton; }
QPushButton* MainMenuViewController::TwoPlayersButton() const { return m_ui->TwoPlayersButton; }
QPushButton* MainMenuViewController::WhitePachiButton() const { return m_ui->WhitePachiButton; }
QPushButton* MainMenuViewController::BlackPachiButton() const { return m_ui->BlackPachiButton; }
