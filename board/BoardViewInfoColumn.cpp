#include "BoardView.h"

#include "board/BoardMessages.h"
#include "board/DeadStoneMarking.h"
#include "settings/ClockText.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTimer>

namespace {
const QColor kTextOnLight = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 1.0f);
const QColor kTextOnDark = QColor::fromRgbF(1.0f, 1.0f, 1.0f, 1.0f);
const QColor kLightBackground = QColor::fromRgbF(1.0f, 1.0f, 1.0f, 1.0f);
const QColor kDarkBackground = QColor::fromRgbF(0.0f, 0.0f, 0.0f, 1.0f);
// Red is 240/255 as a single-precision value.
const QColor kInfoBackground = QColor::fromRgbF(0.9411764740943909f, 1.0f, 1.0f, 1.0f);

constexpr int kClockTickMilliseconds = 1000;

// The layout, in view coordinates: a row is a sixteenth of the view's height, the
// message area 45 % of it; the margins and gaps are in view units.
constexpr double kRowShare = 0.0625;
constexpr double kInfoShare = 0.45;
constexpr double kMargin = 5;
constexpr double kHalfLeftInset = 8;
constexpr double kBlackPrisonersInset = 9;
constexpr double kHalfRightOffset = 3;
constexpr double kPrisonersGap = 20;
constexpr double kClocksGap = 30;
constexpr double kInfoGap = 60;
constexpr double kCheckBoxGap = 70;
constexpr double kNavigationGap = 80;
constexpr int kNavigationButtons = 4;

// Frames in view coordinates, bottom to top.
struct InfoColumnLayout {
    QRectF Resign, Pass;
    QRectF WhitePrisoners, BlackPrisoners;
    QRectF WhiteClock, BlackClock;
    QRectF Info, Demonstration;
    QRectF Start, Back, Next, End;
};

InfoColumnLayout layoutInfoColumn(double frameWidth, double frameHeight, double boardWidth)
{
    const double W = boardWidth;
    const double C = frameWidth - W;
    const double R = frameHeight * kRowShare;
    const double N = (C - 2 * kMargin) / kNavigationButtons;
    const double info = kInfoShare * frameHeight;
    const double left = W + kMargin;
    const double right = W + C / 2 + kHalfRightOffset;
    const double navigationY = 5 * R + info + kNavigationGap;
    InfoColumnLayout layout;
    layout.Resign = {W, 0, C, R};
    layout.Pass = {W, R, C, R};
    layout.WhitePrisoners = {left, 2 * R + kPrisonersGap, C / 2 - kHalfLeftInset, R};
    layout.BlackPrisoners = {right, 2 * R + kPrisonersGap, C / 2 - kBlackPrisonersInset, R};
    layout.WhiteClock = {left, 3 * R + kClocksGap, C / 2 - kHalfLeftInset, R};
    layout.BlackClock = {right, 3 * R + kClocksGap, C / 2 - kHalfLeftInset, R};
    layout.Info = {left, 4 * R + kInfoGap, C - 2 * kMargin, info};
    layout.Demonstration = {left, 4 * R + info + kCheckBoxGap, C - 2 * kMargin, R};
    layout.Start = {left, navigationY, N, R};
    layout.Back = {left + N, navigationY, N, R};
    layout.Next = {left + 2 * N, navigationY, N, R};
    layout.End = {left + 3 * N, navigationY, N, R};
    return layout;
}

QString clockText(const GTPGoClock& clock, GTPGoColor color)
{
    const bool infinite = color == GTPGoColorBlack ? clock.BlackInfiniteTime() : clock.WhiteInfiniteTime();
    if (infinite) {
        return QString::fromLatin1(kNoClockText);
    }
    const auto seconds = static_cast<std::int32_t>(clock.getRemainingTime(color));
    return QString::fromStdString(formatSecondsToMinutesAndSeconds(seconds));
}
}

void BoardView::initializeInfoColumn()
{
    const InfoColumnLayout layout = layoutInfoColumn(width(), height(), m_Width);
    // Frames are kept bottom-up like everything else; Qt places children top-down.
    const auto place = [this](QWidget* control, const QRectF& frame) {
        const QRectF widgetFrame(frame.x(), height() - frame.y() - frame.height(), frame.width(), frame.height());
        // Rounding the edges, not the sizes, keeps neighbouring controls from overlapping.
        const QPoint topLeft(qRound(widgetFrame.left()), qRound(widgetFrame.top()));
        const QPoint bottomRight(qRound(widgetFrame.right()), qRound(widgetFrame.bottom()));
        control->setGeometry(QRect(topLeft, bottomRight - QPoint(1, 1)));
    };
    const auto makeButton = [this, &place](const QString& title, const QRectF& frame, void (BoardView::*action)()) {
        auto* button = new QPushButton(title, this);
        place(button, frame);
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    const auto makeField = [this, &place](const QString& text, const QRectF& frame, const QColor& textColor,
                                          const QColor& background) {
        auto* field = new QLabel(text, this);
        field->setAlignment(Qt::AlignCenter);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, textColor);
        field->setPalette(palette);
        field->setAutoFillBackground(true);
        place(field, frame);
        return field;
    };

    m_ResignButton = makeButton(QString(), layout.Resign, &BoardView::onResign);
    m_PassButton = makeButton(QString(), layout.Pass, &BoardView::onPass);

    m_BlackCapturedStonesTextField = makeField("0", layout.BlackPrisoners, kTextOnDark, kDarkBackground);
    m_WhiteCapturedStonesTextField = makeField("0", layout.WhitePrisoners, kTextOnLight, kLightBackground);

    const GTPGoClock& clock = m_GoGame->Clock();
    m_BlackTimeTextField = makeField(clockText(clock, GTPGoColorBlack), layout.BlackClock, kTextOnDark,
                                     kDarkBackground);
    m_WhiteTimeTextField = makeField(clockText(clock, GTPGoColorWhite), layout.WhiteClock, kTextOnLight,
                                     kLightBackground);

    m_InfoTextField = makeField(QString(), layout.Info, kTextOnLight, kInfoBackground);
    m_InfoTextField->setWordWrap(true);

    m_DemonstrationButton = new QCheckBox(this);
    m_DemonstrationButton->setObjectName(QStringLiteral("DemonstrationButton"));
    place(m_DemonstrationButton, layout.Demonstration);
    connect(m_DemonstrationButton, &QCheckBox::clicked, this, &BoardView::onDemonstration);

    m_StartButton = makeButton("<<", layout.Start, &BoardView::onStart);
    m_BackButton = makeButton("<", layout.Back, &BoardView::onBack);
    m_NextButton = makeButton(">", layout.Next, &BoardView::onNext);
    m_EndButton = makeButton(">>", layout.End, &BoardView::onEnd);
    for (QPushButton* button : {m_StartButton, m_BackButton, m_NextButton, m_EndButton}) {
        button->hide();
    }
    const std::pair<QWidget*, const char*> names[] = {
        {m_ResignButton, "ResignButton"}, {m_PassButton, "PassButton"}, {m_StartButton, "StartButton"},
        {m_BackButton, "BackButton"}, {m_NextButton, "NextButton"}, {m_EndButton, "EndButton"},
        {m_WhiteTimeTextField, "WhiteTimeTextField"}, {m_BlackTimeTextField, "BlackTimeTextField"},
        {m_WhiteCapturedStonesTextField, "WhiteCapturedStonesTextField"},
        {m_BlackCapturedStonesTextField, "BlackCapturedStonesTextField"}, {m_InfoTextField, "InfoTextField"}};
    for (const auto& [control, name] : names) {
        control->setObjectName(QString::fromLatin1(name));
    }
    // Reached by Tab, as a player without a mouse needs; a click must not leave focus
    // behind, or Space would press the button (or tick the box) again.
    for (QAbstractButton* control : std::initializer_list<QAbstractButton*> {
             m_ResignButton, m_PassButton, m_DemonstrationButton, m_StartButton, m_BackButton, m_NextButton,
             m_EndButton}) {
        control->setFocusPolicy(Qt::TabFocus);
    }

    retranslate();
    // Parented to the view, so the tick stops with it.
    m_ClockTimer = new QTimer(this);
    m_ClockTimer->setInterval(kClockTickMilliseconds);
    connect(m_ClockTimer, &QTimer::timeout, this, &BoardView::updateClock);
    m_ClockTimer->start();
}

void BoardView::retranslate()
{
    m_ResignButton->setText(BoardMessages::resignTitle());
    m_PassButton->setText(BoardMessages::passTitle());
    m_DemonstrationButton->setText(BoardMessages::reviewTitle());
    if (m_Message) {
        m_InfoTextField->setText(m_Message());
    }
}

void BoardView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void BoardView::setPrisoners()
{
    const auto show = [](QLabel* field, std::int32_t count) {
        const QString text = QString::asprintf("%d", count);
        // Called while painting: leave the label alone unless its text changes.
        if (field->text() != text) {
            field->setText(text);
        }
    };
    // Dead stones are the prisoners of the other side.
    show(m_BlackCapturedStonesTextField,
         m_GoGame->getNumberOfCapturedStones(GTPGoColorBlack) + m_Marking->deadStonesOf(GTPGoColorWhite));
    show(m_WhiteCapturedStonesTextField,
         m_GoGame->getNumberOfCapturedStones(GTPGoColorWhite) + m_Marking->deadStonesOf(GTPGoColorBlack));
}

void BoardView::updateClock()
{
    if (m_GoGame->IsGameOver()) {
        return;
    }
    if (m_GoGame->updateClock()) {
        announceLossOnTime();
    }
    const GTPGoColor toMove = m_GoGame->ColorToMove();
    QLabel* field = toMove == GTPGoColorBlack ? m_BlackTimeTextField : m_WhiteTimeTextField;
    field->setText(clockText(m_GoGame->Clock(), toMove));
    update();
}

void BoardView::refreshClockFields()
{
    const GTPGoClock& clock = m_GoGame->Clock();
    m_BlackTimeTextField->setText(clockText(clock, GTPGoColorBlack));
    m_WhiteTimeTextField->setText(clockText(clock, GTPGoColorWhite));
}

void BoardView::showScore()
{
    // The record's result: the stones counted, or the area with the dead stones marked.
    const GTPGoGameResult& result = *m_GoGame->Result();
    showMessage([white = result.WhiteScore(), black = result.BlackScore()] { return BoardMessages::score(white, black); });
}

void BoardView::setScore()
{
    showScore();
    m_DisplayCount = true;
    update();
    emit GameEnded();
}
