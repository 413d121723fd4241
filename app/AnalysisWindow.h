#pragma once

#include "coach/AnalysedMove.h"

#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// The analysis of one game beside the main window: the lead over the moves
// with each side's mistakes marked, and each side's five biggest mistakes.
// Clicking the graph or a mistake asks for that move on the board.
class AnalysisWindow : public QWidget {
    Q_OBJECT
public:
    explicit AnalysisWindow(QWidget* parent = nullptr);

    void showProgress(int analysed, int total);
    void showAnalysis(const std::vector<AnalysedMove>& moves);
    // The moves (1 for the first) listed as each side's biggest mistakes, Black's then White's.
    std::vector<int> listedMistakes() const;
    // Points of the graph: the lead after each move, and the moves marked as mistakes of each severity.
    QChart* chart() const { return m_Chart; }

signals:
    // A move was chosen, by its number (1 for the first); its better move when it was a listed mistake.
    void MoveChosen(int number, bool showBetter);
    void CancelRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void retranslate();
    void fillMistakes(QTableWidget* table, const std::vector<AnalysedMove>& moves, GTPGoColor color);
    QTableWidget* makeTable();

    QLabel* m_Status;
    QProgressBar* m_Progress;
    QPushButton* m_Cancel;
    QChart* m_Chart;
    QChartView* m_ChartView;
    QLabel* m_BlackTitle;
    QLabel* m_WhiteTitle;
    QTableWidget* m_BlackMistakes;
    QTableWidget* m_WhiteMistakes;
    std::vector<AnalysedMove> m_Moves;
};
