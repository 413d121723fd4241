#pragma once

// Shared by the board view and play tests: board views in view coordinates
// (origin bottom-left, y upward), the fake GTP engine recording every line it
// receives, pixel probes, and a clock driven by hand.
#include "board/BoardView.h"
#include "rules/Log.h"

#include <QCheckBox>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace boardtest {

// The colours a player should see, written out independently of the drawing code.
inline const QColor kBoardColor(255, 199, 127);
inline const QColor kBlack(0, 0, 0);
inline const QColor kGrey(128, 128, 128);
inline const QColor kWhite(255, 255, 255);
inline const QColor kLightGrey(170, 170, 170);
inline const QColor kRed(255, 0, 0);
inline const QString kEnglish = QStringLiteral("English");
inline const QString kFrench = QStringLiteral("Français");
inline const QRect kWindowFrame(0, 0, 800, 600);

// Owns the engine record and the log; declare it before the views it makes.
class Harness {
public:
    Harness() : m_RecordPath(m_Dir.filePath("engine.log"))
    {
        Log::setSink([this](const std::string& line) { m_Log.push_back(line); });
    }
    ~Harness()
    {
        Log::setSink({});
        qunsetenv("HOSHI_ENGINE");
    }

    // The fake engine answers successive genmoves with these; options pass through.
    void useFakeEngine(const QStringList& genmoves = {}, const QStringList& options = {})
    {
        // The fake engine is built beside the tests: <build>/tests/support.
        QStringList words {QCoreApplication::applicationDirPath() + "/../support/fake_gtp_engine", "--record",
                           m_RecordPath};
        for (const QString& answer : genmoves) {
            words << "--genmove" << answer;
        }
        qputenv("HOSHI_ENGINE", (words + options).join(' ').toUtf8());
    }

    std::unique_ptr<BoardView> makeView(GTPGoColor player = GTPGoColorEmpty, std::int32_t handicap = 0,
                                        const QString& language = kEnglish, std::int32_t mainTime = 300,
                                        const QRect& frame = kWindowFrame)
    {
        return std::make_unique<BoardView>(frame, GTPGoGameInfo(handicap, mainTime), player, language, nullptr,
                                           [this] { return m_Now; });
    }

    // Lines the engine has received so far.
    QStringList lines() const
    {
        QFile file(m_RecordPath);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    bool logged(const std::string& text) const
    {
        return std::any_of(m_Log.begin(), m_Log.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }

    double m_Now = 1000.0;
    std::vector<std::string> m_Log;

private:
    QTemporaryDir m_Dir;
    QString m_RecordPath;
};

// A two-player game on the 800 x 600 board; each suite names it after its duty.
class TwoPlayerBoard : public ::testing::Test {
protected:
    Harness harness;
    std::unique_ptr<BoardView> view = harness.makeView();
};

inline bool waitFor(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 5000);
}

// What every game sends the engine before its first move.
inline QStringList setUpLines(const QStringList& more = {})
{
    return QStringList {"clear_board", "boardsize 9", "clear_board", "komi 0.0", "time_settings 0 5 1"} + more;
}

inline QPointF intersection(const BoardView& view, double column, double row)
{
    return {view.getPosX(static_cast<float>(column)), view.getPosY(static_cast<float>(row))};
}

// A left click on the intersection (column, row), 0-based from the bottom-left.
inline void click(BoardView& view, int column, int row)
{
    const QPointF location = intersection(view, column, row);
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier,
                      QPoint(qRound(location.x()), qRound(view.height() - location.y())));
}

inline void clickAll(BoardView& view, std::initializer_list<std::pair<int, int>> points)
{
    for (const auto& [column, row] : points) {
        click(view, column, row);
    }
}

// Clicks and waits until the engine's answer has been played.
inline bool clickAndWaitForAnswer(BoardView& view, int column, int row)
{
    const GTPGoColor player = view.ToPlay();
    click(view, column, row);
    return view.ToPlay() != player && waitFor([&] { return view.ToPlay() == player; });
}

inline QImage render(BoardView& view)
{
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image);
    return image;
}

inline QColor pixelAt(const QImage& image, QPointF viewPoint)
{
    return image.pixelColor(static_cast<int>(std::floor(viewPoint.x())),
                            static_cast<int>(std::floor(image.height() - viewPoint.y())));
}

// The largest difference of the red, green and blue components.
inline int colorDistance(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

inline bool near(const QColor& actual, const QColor& expected, int tolerance = 12)
{
    return colorDistance(actual, expected) <= tolerance;
}

// Writes what a player sees to <build>/screenshots, to be looked at.
inline void saveScreenshot(const QImage& image, const QString& name)
{
    QDir dir(QCoreApplication::applicationDirPath() + "/../../screenshots");
    dir.mkpath(".");
    EXPECT_TRUE(image.save(dir.filePath(name + ".png"))) << name.toStdString();
}

} // namespace boardtest

// Lets test failures print texts readably.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
