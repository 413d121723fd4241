#pragma once

#include "rules/GTPGoColor.h"
#include "settings/GTPGoGameInfo.h"

#include <QString>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
namespace Ui {
class GameInfoView;
}

// The setup screen: handicap and thinking time, then Play or Back.
class GameInfoViewController : public QWidget {
    Q_OBJECT
public:
    GameInfoViewController(GTPGoColor playerColor, const QString& language, QWidget* parent = nullptr);
    ~GameInfoViewController() override;

    void viewDidLoad();
    void onHandicapSliderDrag();
    void onTimeSliderDrag();
    void goBackToStartScreen();
    void onPlay();
    void setButtonsAndLabels();
    // The sliders where the player left them last time.
    void setInitialValues(int handicap, int minutes, int level, GTPGoCounting counting);

    QSlider* HandicapSlider() const;
    QSlider* TimeSlider() const;
    QLabel* NumberHandicapStones() const;
    QLabel* Time() const;
    QLabel* TimeLabel() const;
    QLabel* StonesLabel() const;
    QSlider* LevelSlider() const;
    QLabel* LevelLabel() const;
    QComboBox* CountingChoice() const;
    QPushButton* BackButton() const;
    QPushButton* PlayButton() const;
    GTPGoColor PlayerColor() const { return m_PlayerColor; }
    const QString& CurrentLanguage() const { return m_CurrentLanguage; }

signals:
    void MainMenuRequested(const QString& language);
    void GameRequested(const GTPGoGameInfo& gameInfo, GTPGoColor playerColor, const QString& language);

protected:
    void changeEvent(QEvent* event) override;

private:
    // Handicap, time, the engine's level when there is one, and counting, evenly down the screen.
    void layOutRows();

    std::unique_ptr<Ui::GameInfoView> m_ui;
    // Only GNU Go, found by hoshi, takes a level; two players have no engine.
    bool m_HasLevel = false;
    GTPGoColor m_PlayerColor;
    QString m_CurrentLanguage;
};
