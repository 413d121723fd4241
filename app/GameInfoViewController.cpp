#include "GameInfoViewController.h"

#include "translations/Translations.h"
#include "ui_GameInfoView.h"

namespace {
constexpr int MaximumHandicap = 9;
constexpr int MaximumMinutes = 15;
constexpr int InitialMinutes = 5;
constexpr int SecondsPerMinute = 60;
}

GameInfoViewController::GameInfoViewController(GTPGoColor playerColor, const QString& language, QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::GameInfoView>()), m_PlayerColor(playerColor),
      m_CurrentLanguage(language)
{
    m_ui->setupUi(this);
    viewDidLoad();
    // Tracking makes valueChanged follow the thumb while it is dragged.
    connect(m_ui->HandicapSlider, &QSlider::valueChanged, this, &GameInfoViewController::onHandicapSliderDrag);
    connect(m_ui->TimeSlider, &QSlider::valueChanged, this, &GameInfoViewController::onTimeSliderDrag);
    connect(m_ui->BackButton, &QPushButton::clicked, this, &GameInfoViewController::goBackToStartScreen);
    connect(m_ui->PlayButton, &QPushButton::clicked, this, &GameInfoViewController::onPlay);
}

GameInfoViewController::~GameInfoViewController() = default;

void GameInfoViewController::viewDidLoad()
{
    m_ui->HandicapSlider->setRange(0, MaximumHandicap);
    m_ui->HandicapSlider->setTracking(true);
    m_ui->HandicapSlider->setValue(0);
    m_ui->TimeSlider->setRange(0, MaximumMinutes);
    m_ui->TimeSlider->setTracking(true);
    m_ui->TimeSlider->setValue(InitialMinutes);
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
}

void GameInfoViewController::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_CurrentLanguage = Translations::current();
        setButtonsAndLabels();
    }
    QWidget::changeEvent(event);
}

void GameInfoViewController::setInitialValues(int handicap, int minutes)
{
    m_ui->HandicapSlider->setValue(handicap);
    m_ui->TimeSlider->setValue(minutes);
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
    emit GameRequested(GTPGoGameInfo(handicap, minutes * SecondsPerMinute), m_PlayerColor, m_CurrentLanguage);
}

QSlider* GameInfoViewController::HandicapSlider() const { return m_ui->HandicapSlider; }
QSlider* GameInfoViewController::TimeSlider() const { return m_ui->TimeSlider; }
QLabel* GameInfoViewController::NumberHandicapStones() const { return m_ui->NumberHandicapStones; }
QLabel* GameInfoViewController::Time() const { return m_ui->Time; }
QLabel* GameInfoViewController::TimeLabel() const { return m_ui->TimeLabel; }
QLabel* GameInfoViewController::StonesLabel() const { return m_ui->StonesLabel; }
QPushButton* GameInfoViewController::BackButton() const { return m_ui->BackButton; }
QPushButton* GameInfoViewController::PlayButton() const { return m_ui->PlayButton; }
