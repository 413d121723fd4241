#include "AnalysisWindow.h"

#include "coach/CoachWords.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kWindowWidth = 720;
constexpr int kWindowHeight = 640;
constexpr int kListed = 5;
constexpr double kMarkerSize = 11;
const QColor kLeadColor(60, 60, 60);
const QColor kMistakeColor(245, 160, 0);
const QColor kBigMistakeColor(220, 30, 30);
enum Column { Number, Point, Lost, Better, Why, Columns };
}

AnalysisWindow::AnalysisWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("AnalysisWindow"));
    resize(kWindowWidth, kWindowHeight);
    auto* layout = new QVBoxLayout(this);
    auto* progressRow = new QHBoxLayout;
    m_Status = new QLabel(this);
    m_Progress = new QProgressBar(this);
    m_Cancel = new QPushButton(this);
    progressRow->addWidget(m_Status);
    progressRow->addWidget(m_Progress, 1);
    progressRow->addWidget(m_Cancel);
    layout->addLayout(progressRow);
    m_Chart = new QChart;
    m_Chart->legend()->setAlignment(Qt::AlignBottom);
    m_ChartView = new QChartView(m_Chart, this);
    m_ChartView->setRenderHint(QPainter::Antialiasing);
    m_ChartView->viewport()->installEventFilter(this);
    layout->addWidget(m_ChartView, 3);
    m_BlackTitle = new QLabel(this);
    m_BlackMistakes = makeTable();
    m_WhiteTitle = new QLabel(this);
    m_WhiteMistakes = makeTable();
    for (QWidget* widget : std::initializer_list<QWidget*> {m_BlackTitle, m_BlackMistakes, m_WhiteTitle, m_WhiteMistakes}) {
        layout->addWidget(widget, widget == m_BlackMistakes || widget == m_WhiteMistakes ? 1 : 0);
    }
    connect(m_Cancel, &QPushButton::clicked, this, &AnalysisWindow::CancelRequested);
    retranslate();
}

QTableWidget* AnalysisWindow::makeTable()
{
    auto* table = new QTableWidget(0, Columns, this);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    connect(table, &QTableWidget::cellClicked, this, [this, table](int row) {
        emit MoveChosen(table->item(row, Number)->data(Qt::UserRole).toInt(), true);
    });
    return table;
}

void AnalysisWindow::retranslate()
{
    setWindowTitle(tr("Analysis"));
    m_Cancel->setText(tr("Cancel"));
    m_BlackTitle->setText(tr("Black's biggest mistakes"));
    m_WhiteTitle->setText(tr("White's biggest mistakes"));
    for (QTableWidget* table : {m_BlackMistakes, m_WhiteMistakes}) {
        table->setHorizontalHeaderLabels({tr("Move"), tr("Point"), tr("Lost"), tr("Better"), tr("Why")});
    }
    m_Chart->setTitle(tr("Black's lead, in points"));
    if (!m_Moves.empty()) {
        showAnalysis(m_Moves);
    }
}

void AnalysisWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void AnalysisWindow::showProgress(int analysed, int total)
{
    m_Status->setText(tr("Analysing move %1 of %2").arg(std::min(analysed + 1, total)).arg(total));
    m_Progress->setRange(0, total);
    m_Progress->setValue(analysed);
    for (QWidget* widget : std::initializer_list<QWidget*> {m_Status, m_Progress, m_Cancel}) {
        widget->show();
    }
}

void AnalysisWindow::showAnalysis(const std::vector<AnalysedMove>& moves)
{
    m_Moves = moves;
    for (QWidget* widget : std::initializer_list<QWidget*> {m_Status, m_Progress, m_Cancel}) {
        widget->hide();
    }
    m_Chart->removeAllSeries();
    auto* lead = new QLineSeries;
    lead->setName(tr("Lead"));
    lead->setColor(kLeadColor);
    lead->append(0, 0);
    const auto markers = [](const QString& name, const QColor& color, QScatterSeries::MarkerShape shape) {
        auto* series = new QScatterSeries;
        series->setName(name);
        series->setColor(color);
        series->setMarkerShape(shape);
        series->setMarkerSize(kMarkerSize);
        return series;
    };
    QScatterSeries* marked[2][2] = {
        {markers(tr("Black's mistakes"), kMistakeColor, QScatterSeries::MarkerShapeCircle),
         markers(tr("Black's big mistakes"), kBigMistakeColor, QScatterSeries::MarkerShapeCircle)},
        {markers(tr("White's mistakes"), kMistakeColor, QScatterSeries::MarkerShapeRectangle),
         markers(tr("White's big mistakes"), kBigMistakeColor, QScatterSeries::MarkerShapeRectangle)}};
    double extent = 10;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        // GNU Go's estimate favours the side that has just played: the mean of two moves cancels it.
        const double previous = i > 0 ? moves[i - 1].Lead : moves[i].Lead;
        const QPointF point(static_cast<double>(i + 1), (moves[i].Lead + previous) / 2);
        lead->append(point);
        extent = std::max(extent, std::abs(point.y()));
        if (const int severity = moves[i].severity(); severity > 0) {
            marked[moves[i].Played.Color() == GTPGoColorWhite ? 1 : 0][severity - 1]->append(point);
        }
    }
    for (QXYSeries* series : std::initializer_list<QXYSeries*> {lead, marked[0][0], marked[0][1], marked[1][0], marked[1][1]}) {
        m_Chart->addSeries(series);
    }
    m_Chart->createDefaultAxes();
    auto* x = qobject_cast<QValueAxis*>(m_Chart->axes(Qt::Horizontal).value(0));
    auto* y = qobject_cast<QValueAxis*>(m_Chart->axes(Qt::Vertical).value(0));
    x->setRange(0, std::max<double>(1, static_cast<double>(moves.size())));
    x->applyNiceNumbers();
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(tr("Move"));
    y->setRange(-std::ceil(extent * 1.1), std::ceil(extent * 1.1));
    y->setLabelFormat(QStringLiteral("%d"));
    fillMistakes(m_BlackMistakes, moves, GTPGoColorBlack);
    fillMistakes(m_WhiteMistakes, moves, GTPGoColorWhite);
}

void AnalysisWindow::fillMistakes(QTableWidget* table, const std::vector<AnalysedMove>& moves, GTPGoColor color)
{
    std::vector<std::size_t> mistakes;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (moves[i].Played.Color() == color && moves[i].severity() > 0) {
            mistakes.push_back(i);
        }
    }
    std::stable_sort(mistakes.begin(), mistakes.end(), [&](std::size_t a, std::size_t b) { return moves[a].Loss > moves[b].Loss; });
    mistakes.resize(std::min<std::size_t>(mistakes.size(), kListed));
    table->setRowCount(static_cast<int>(mistakes.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const AnalysedMove& move = moves[mistakes[static_cast<std::size_t>(row)]];
        const int number = static_cast<int>(mistakes[static_cast<std::size_t>(row)]) + 1;
        const QString texts[Columns] = {QString::number(number),
                                        move.Played.Point() ? CoachWords::point(*move.Played.Point()) : tr("Pass"),
                                        QString::number(std::lround(move.Loss)),
                                        move.Better ? CoachWords::point(*move.Better) : QString(),
                                        QString::fromStdString(move.Sentence)};
        for (int column = 0; column < Columns; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, number);
            item->setToolTip(texts[Why]);
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeRowsToContents();
}

std::vector<int> AnalysisWindow::listedMistakes() const
{
    std::vector<int> numbers;
    for (const QTableWidget* table : {m_BlackMistakes, m_WhiteMistakes}) {
        for (int row = 0; row < table->rowCount(); ++row) {
            numbers.push_back(table->item(row, Number)->data(Qt::UserRole).toInt());
        }
    }
    return numbers;
}

void AnalysisWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The sentence wraps within its column: rows grow once the column has its width.
    QTimer::singleShot(0, this, [this] {
        m_BlackMistakes->resizeRowsToContents();
        m_WhiteMistakes->resizeRowsToContents();
    });
}

bool AnalysisWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ChartView->viewport() && event->type() == QEvent::MouseButtonPress && !m_Moves.empty()) {
        const QPointF value = m_Chart->mapToValue(static_cast<QMouseEvent*>(event)->position());
        const long number = std::clamp<long>(std::lround(value.x()), 1, static_cast<long>(m_Moves.size()));
        emit MoveChosen(static_cast<int>(number), false);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
