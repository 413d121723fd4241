#include "GameInfoViewController.h"

#include "app/StrengthText.h"
#include "engine/GTPEngineCommand.h"
#include "strength/OpponentStrength.h"
#include "translations/Translations.h"
#include "ui_GameInfoView.h"

#include <algorithm>

namespace {
constexpr int InitialMinutes = 5;
constexpr int SecondsPerMinute = 60;
}

GameInfoViewController::GameInfoViewController(GTPGoColor playerColor, const QString& language, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::GameInfoView>()), m_PlayerColor(playerColor),
      m_CurrentLanguage(language)
{
    m_ui->setupUi(this);
    const std::optional<GTPEngineCommand> engine = locateEngine();
    m_HasStrength = playerColor != GTPGoColorEmpty && engine && engine->TakesLevel;
    viewDidLoad();
    layOutRows();
    connect(m_ui->StrengthSlider, &QSlider::valueChanged, this, &GameInfoViewController::showStrengthName);
    // Tracking makes valueChanged follow the thumb while it is dragged.
    connect(m_ui->HandicapSlider, &QSlider::valueChanged, this, &GameInfoViewController::onHandicapSliderDrag);
    connect(m_ui->TimeSlider, &QSlider::valueChanged, this, &GameInfoViewController::onTimeSliderDrag);
    connect(m_ui->BackButton, &QPushButton::clicked, this, &GameInfoViewController::goBackToStartScreen);
    connect(m_ui->PlayButton, &QPushButton::clicked, this, &GameInfoViewController::onPlay);
}

GameInfoViewController::~GameInfoViewController() = default;

void GameInfoViewController::viewDidLoad()
{
    m_ui->HandicapSlider->setRange(0, GTPGoGameInfo::MaximumHandicap);
    m_ui->HandicapSlider->setTracking(true);
    m_ui->HandicapSlider->setValue(0);
    m_ui->TimeSlider->setRange(0, GTPGoGameInfo::MaximumMinutes);
    m_ui->TimeSlider->setTracking(true);
    m_ui->TimeSlider->setValue(InitialMinutes);
    // The slider runs over the steps' numbers, weakest first.
    m_ui->StrengthSlider->setRange(1, static_cast<int>(OpponentStrength::steps().size()));
    m_ui->StrengthSlider->setTracking(true);
    m_ui->StrengthSlider->setValue(OpponentStrength::numberOf(OpponentStrength::defaultStep()));
    onHandicapSliderDrag();
    onTimeSliderDrag();
    setButtonsAndLabels();
}

void GameInfoViewController::onHandicapSliderDrag()
{
    m_ui->NumberHandicapStones->setText(QString::number(m_ui->HandicapSlider->value()));
}

void GameInfoViewController::onTimeSliderDrag()
{
    m_ui->Time->setText(QString::number(m_ui->TimeSlider->value()));
}

void GameInfoViewController::setButtonsAndLabels()
{
    if (m_CurrentLanguage.isNull()) {
        m_CurrentLanguage = Translations::English;
    }
    Translations::install(m_CurrentLanguage);
    m_ui->PlayButton->setText(tr("Play"));
    m_ui->BackButton->setText(tr("Back"));
    m_ui->TimeLabel->setText(tr("Time"));
    m_ui->StonesLabel->setText(tr("stones"));
    m_ui->HandicapLabel->setText(tr("Handicap"));
    m_ui->StrengthLabel->setText(tr("Strength"));
    showStrengthName();
    m_ui->Suggestion->setText(m_Suggestion ? StrengthText::suggestion(*m_Suggestion) : QString());
    m_ui->CountingLabel->setText(tr("Counting"));
    const int counting = std::max(0, m_ui->CountingChoice->currentIndex());
    m_ui->CountingChoice->clear();
    //: Counting the stones on the board only
    m_ui->CountingChoice->addItem(tr("Stones"));
    //: Area counting: stones and surrounded points
    m_ui->CountingChoice->addItem(tr("Area"));
    m_ui->CountingChoice->setCurrentIndex(counting);
}

void GameInfoViewController::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_CurrentLanguage = Translations::current();
        setButtonsAndLabels();
    }
    QWidget::changeEvent(event);
}

void GameInfoViewController::setInitialValues(int handicap, int minutes, const StrengthStep& strength,
                                              GTPGoCounting counting)
{
    m_ui->CountingChoice->setCurrentIndex(counting == GTPGoCounting::Area ? 1 : 0);
    m_ui->HandicapSlider->setValue(handicap);
    m_ui->TimeSlider->setValue(minutes);
    m_ui->StrengthSlider->setValue(OpponentStrength::numberOf(strength));
    showStrengthName();
}

void GameInfoViewController::setSuggestion(const std::optional<ProgressRecord::Suggestion>& suggestion)
{
    // Only a game against GNU Go's steps makes progress.
    m_Suggestion = m_HasStrength ? suggestion : std::nullopt;
    setButtonsAndLabels();
}

void GameInfoViewController::showStrengthName()
{
    m_ui->StrengthName->setText(StrengthText::name(*OpponentStrength::byNumber(m_ui->StrengthSlider->value())));
}

void GameInfoViewController::layOutRows()
{
    const std::vector<std::vector<QWidget*>> rows = {
        {m_ui->HandicapLabel, m_ui->HandicapSlider, m_ui->NumberHandicapStones, m_ui->StonesLabel},
        {m_ui->TimeLabel, m_ui->TimeSlider, m_ui->Time},
        {m_ui->StrengthLabel, m_ui->StrengthSlider, m_ui->StrengthName},
        {m_ui->CountingLabel, m_ui->CountingChoice}};
    for (QWidget* widget : rows[2]) {
        widget->setVisible(m_HasStrength);
    }
    // Between the top of the screen and the buttons.
    const int first = m_HasStrength ? 120 : 150;
    const int spacing = m_HasStrength ? 70 : 80;
    int row = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 2 && !m_HasStrength) {
            continue;
        }
        for (QWidget* widget : rows[i]) {
            // A row's controls share its middle line.
            widget->move(widget->x(), first + spacing * row + (40 - widget->height()) / 2);
        }
        ++row;
    }
}

void GameInfoViewController::goBackToStartScreen()
{
    emit MainMenuRequested(m_CurrentLanguage);
}

// The settings come from the two number fields, which is what the player reads.
void GameInfoViewController::onPlay()
{
    const std::int32_t handicap = m_ui->NumberHandicapStones->text().toInt();
    const std::int32_t minutes = m_ui->Time->text().toInt();
    GTPGoGameInfo gameInfo(handicap, minutes * SecondsPerMinute);
    gameInfo.setLevel(m_HasStrength ? m_ui->StrengthSlider->value() : 0);
    gameInfo.setCounting(m_ui->CountingChoice->currentIndex() == 1 ? GTPGoCounting::Area : GTPGoCounting::Stones);
    emit GameRequested(gameInfo, m_PlayerColor, m_CurrentLanguage);
}

QSlider* GameInfoViewController::HandicapSlider() const { return m_ui->HandicapSlider; }
QSlider* GameInfoViewController::TimeSlider() const { return m_ui->TimeSlider; }
QLabel* GameInfoViewController::NumberHandicapStones() const { return m_ui->NumberHandicapStones; }
QLabel* GameInfoViewController::Time() const { return m_ui->Time; }
QLabel* GameInfoViewController::TimeLabel() const { return m_ui->TimeLabel; }
QLabel* GameInfoViewController::StonesLabel() const { return m_ui->StonesLabel; }
QSlider* GameInfoViewController::StrengthSlider() const { return m_ui->StrengthSlider; }
QLabel* GameInfoViewController::StrengthLabel() const { return m_ui->StrengthLabel; }
QLabel* GameInfoViewController::StrengthName() const { return m_ui->StrengthName; }
QLabel* GameInfoViewController::Suggestion() const { return m_ui->Suggestion; }
QComboBox* GameInfoViewController::CountingChoice() const { return m_ui->CountingChoice; }
QPushButton* GameInfoViewController::BackButton() const { return m_ui->BackButton; }
QPushButton* GameInfoViewController::PlayButton() const { return m_ui->PlayButton; }
