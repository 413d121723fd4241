#include "ProgressChart.h"

#include "app/StrengthText.h"
#include "strength/OpponentStrength.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QLabel>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Wide enough for every step's name under its bars.
constexpr QSize ChartSize(820, 420);
constexpr int StepFontSize = 8;
const QColor WinColor(0x3a, 0x8f, 0x3a);
const QColor LossColor(0xb8, 0x3a, 0x3a);
}

ProgressChart::ProgressChart(const ProgressRecord& record, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("My Progress"));
    m_Wins = new QBarSet(tr("Wins"));
    m_Wins->setColor(WinColor);
    m_Losses = new QBarSet(tr("Losses"));
    m_Losses->setColor(LossColor);
    QStringList steps;
    int most = 0;
    const std::vector<std::pair<int, int>> results = record.resultsByStep();
    for (std::size_t i = 0; i < results.size(); ++i) {
        steps << StrengthText::name(OpponentStrength::steps()[i]);
        *m_Wins << results[i].first;
        *m_Losses << results[i].second;
        most = std::max({most, results[i].first, results[i].second});
    }
    auto* series = new QBarSeries;
    series->append(m_Wins);
    series->append(m_Losses);
    auto* chart = new QChart;
    chart->addSeries(series);
    auto* stepAxis = new QBarCategoryAxis;
    stepAxis->append(steps);
    QFont stepFont = stepAxis->labelsFont();
    stepFont.setPointSize(StepFontSize);
    stepAxis->setLabelsFont(stepFont);
    chart->addAxis(stepAxis, Qt::AlignBottom);
    series->attachAxis(stepAxis);
    auto* gameAxis = new QValueAxis;
    // Whole games: one tick a game up to a few, then the axis's own.
    gameAxis->setRange(0, std::max(most, 1));
    gameAxis->setLabelFormat(QStringLiteral("%d"));
    gameAxis->setTickCount(std::min(std::max(most, 1), 10) + 1);
    chart->addAxis(gameAxis, Qt::AlignLeft);
    series->attachAxis(gameAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* view = new QChartView(chart, this);
    view->setMinimumSize(ChartSize);
    view->setRenderHint(QPainter::Antialiasing);
    m_Note = new QLabel(tr("No game against GNU Go has ended yet: its results will show here."), this);
    m_Note->setVisible(most == 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(m_Note);
    layout->addWidget(buttons);
}
