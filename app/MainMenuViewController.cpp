#include "MainMenuViewController.h"

#include "app/AppDelegate.h"
#include "app/GameInfoViewController.h"
#include "ui_MainMenuView.h"

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
    m_ui->LanguagesButton->setCurrentIndex(m_CurrentLanguage == Language::French ? 1 : 0);
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

void MainMenuViewController::setButtons()
{
    const QString title = m_ui->LanguagesButton->currentText();
    if (title == Language::English) {
        m_ui->WhitePachiButton->setText(QStringLiteral("Play against Pachi as White"));
        m_ui->BlackPachiButton->setText(QStringLiteral("Play against Pachi as Black"));
        m_ui->TwoPlayersButton->setText(QStringLiteral("Play against another player"));
    } else if (title == Language::French) {
        m_ui->WhitePachiButton->setText(QStringLiteral("Jouer avec blanc contre Pachi"));
        m_ui->BlackPachiButton->setText(QStringLiteral("Jouer avec noir contre Pachi"));
        m_ui->TwoPlayersButton->setText(QStringLiteral("Jouer contre un autre joueur"));
    }
    update();
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
    AppDelegate::showScreen(this, new GameInfoViewController(playerColor, m_ui->LanguagesButton->currentText()));
}

QComboBox* MainMenuViewController::LanguagesButton() const { return m_ui->LanguagesButton; }
QPushButton* MainMenuViewController::TwoPlayersButton() const { return m_ui->TwoPlayersButton; }
QPushButton* MainMenuViewController::WhitePachiButton() const { return m_ui->WhitePachiButton; }
QPushButton* MainMenuViewController::BlackPachiButton() const { return m_ui->BlackPachiButton; }
