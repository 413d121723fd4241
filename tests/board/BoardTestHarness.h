#pragma once

// The board screen as a player meets it: clicks on vertices ("E5"), the
// controls by name, the texts shown, and the board read back from its pixels.
// Against the fake GTP engine, which records every line it receives.
#include "board/BoardMessages.h"
#include "board/BoardView.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/FakeEngineRecord.h"
#include "tests/support/LogCapture.h"
#include "tests/support/QtPrinters.h"
#include "translations/Translations.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace boardtest {

// The colours a player should see, written out independently of the drawing code.
inline const QColor kBoardColor(255, 199, 127);
inline const QString kEnglish = QStringLiteral("English");
inline const QString kFrench = QStringLiteral("Français");
// What the board calls its engine here (HOSHI_ENGINE_NAME).
inline const QString kEngineName = QStringLiteral("Pachi");

inline int colorDistance(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

// Two players by default; against the engine, its answers to successive genmoves (then it passes).
struct Game {
    GTPGoColor player = GTPGoColorEmpty;
    QStringList genmoves = {};
    QString language = kEnglish;
    std::int32_t handicap = 0;
    QStringList engineOptions = {};
    std::int32_t mainTime = 300;
    GTPGoCounting counting = GTPGoCounting::Stones;
};

// One board screen and, against the engine, the fake engine's record.
class BoardUnderTest {
public:
    explicit BoardUnderTest(const Game& game = {}, const QString& engineCommand = {})
    {
        QStringList words {QCoreApplication::applicationDirPath() + "/../support/fake_gtp_engine", "--record",
                           m_Dir.filePath("engine.log")};
        for (const QString& answer : game.genmoves) {
            words << "--genmove" << answer;
        }
        qputenv("HOSHI_ENGINE", (engineCommand.isEmpty() ? (words + game.engineOptions).join(' ') : engineCommand).toUtf8());
        qputenv("HOSHI_ENGINE_NAME", kEngineName.toUtf8());
        Translations::install(game.language);
        GTPGoGameInfo info(game.handicap, game.mainTime);
        info.setCounting(game.counting);
        view = std::make_unique<BoardView>(QRect(0, 0, 800, 600), info, game.player, game.language, nullptr,
                                           [this] { return now; });
        if (game.player != GTPGoColorEmpty && engineCommand.isEmpty()) {
            m_StartLines = expectedStartLineList(game.handicap).size();
            waitFor([&] { return lines().size() >= m_StartLines && view->GoGame().ColorToMove() == game.player; });
        }
    }

    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 5000); }
    const GTPGoGame& game() const { return view->GoGame(); }

    QPoint at(const std::string& vertex) const
    {
        const auto column = static_cast<float>(std::string("ABCDEFGHJ").find(vertex.at(0)));
        const float row = std::stof(vertex.substr(1)) - 1;
        return {qRound(view->getPosX(column)), qRound(view->height() - view->getPosY(row))};
    }
    // A vertex is clicked and "~E5" hovered; "pass", "review", "start", "back", "next" and "end" press
    // their control; "takeback" takes back. Against the engine each move waits for its answer.
    // Returns what the board shows then.
    std::string play(const std::vector<std::string>& actions, bool waitForAnswers = true)
    {
        static const std::map<std::string, const char*> controls = {{"pass", "PassButton"},
            {"review", "DemonstrationButton"}, {"start", "StartButton"}, {"back", "BackButton"},
            {"next", "NextButton"}, {"end", "EndButton"}};
        for (const std::string& action : actions) {
            const std::size_t turns = game().Turns().size();
            if (controls.contains(action)) {
                press(controls.at(action));
            } else if (action == "takeback") {
                view->takeBack();
            } else if (action[0] == '~') {
                moveMouseTo(at(action.substr(1)));
            } else {
                QTest::mouseClick(view.get(), Qt::LeftButton, {}, at(action));
            }
            if (waitForAnswers && m_StartLines > 0 && game().Turns().size() > turns) {
                waitFor([&] { return game().Turns().size() > turns + 1 || game().IsGameOver(); });
            }
        }
        return shown();
    }
    void press(const char* control) { view->findChild<QAbstractButton*>(control)->click(); }
    QString text(const char* field) const { return view->findChild<QLabel*>(field)->text(); }
    QString message() const { return text("InfoTextField"); }
    void moveMouseTo(QPointF position)
    {
        QMouseEvent move(QEvent::MouseMove, position, view->mapToGlobal(position), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(view.get(), &move);
    }

    // Lines the engine received, all of them or after the start lines.
    QStringList lines() const { return fakeEngineRecord(m_Dir.filePath("engine.log")); }
    QStringList sent() const { return lines().mid(m_StartLines); }

    QImage render() const { return view->grab().toImage(); }
    // The pixel at an offset (in view units, y upward) from a vertex's intersection.
    QColor pixel(const QImage& image, const std::string& vertex, double dx, double dy) const
    {
        return image.pixelColor(at(vertex) + QPoint(qFloor(dx), -qCeil(dy)));
    }
    // What a vertex shows: 'X' black, 'O' white, '.' bare board, '~' a translucent stone.
    char stoneAt(const QImage& image, const std::string& vertex) const
    {
        // Left of the centre, a little low: off the grid lines, the cross's bars, the
        // highlight, the ring and the numbers. A translucent stone is half wood.
        const QColor c = pixel(image, vertex, -0.4 * view->StoneRadius(), -0.1 * view->StoneRadius());
        return c.lightness() < 80 ? 'X' : c.blue() > 215 ? 'O' : colorDistance(c, kBoardColor) < 12 ? '.' : '~';
    }
    // How many pixels of a stone's counting number stand out from it, inside its ring.
    int ink(const QImage& image, const std::string& vertex) const
    {
        const char stone = stoneAt(image, vertex);
        int contrast = 0;
        for (int d = 0; d < 400 && (stone == 'X' || stone == 'O'); ++d) {
            const int light = pixel(image, vertex, d % 20 - 9.5, d / 20 - 9.5).lightness();
            contrast += (stone == 'X' ? light > 150 : light < 100) ? 1 : 0;
        }
        return contrast;
    }
    // What the board shows: "X:C3,E5 O:D4 ~:E4" for black, white and translucent stones,
    // then "@D4" for the last-move ring, "+E5" for the refused move's cross and "#" when
    // the stones carry counting numbers.
    std::string shown() const
    {
        const QImage image = render();
        const double r = view->StoneRadius() * 0.5 / std::sqrt(2.0), d = 0.3 * (view->getPosX(1) - view->getPosX(0));
        std::map<std::string, std::string> marked; // the vertices by tag
        const auto mark = [&](const std::string& tag, const std::string& v, bool marks) {
            marked[tag] += !marks ? "" : (marked[tag].empty() ? tag : ",") + v;
        };
        for (const char column : std::string("ABCDEFGHJ")) {
            for (int row = 1; row <= 9; ++row) {
                const std::string v = column + std::to_string(row);
                const char stone = stoneAt(image, v);
                // The ring, grey in contrast to its stone (unlike the red cross), crosses the upper left diagonal.
                const auto ring = [&](double dx) {
                    const QColor c = pixel(image, v, dx - r, r);
                    const bool contrast = stone == 'X' ? c.lightness() > 110 : stone == 'O' && c.lightness() < 140;
                    return contrast && c.saturation() < 60;
                };
                mark(stone + std::string(":"), v, stone != '.');
                mark("@", v, ring(-1) || ring(0) || ring(1));
                mark("+", v, colorDistance(pixel(image, v, d, d), Qt::red) < 40);
                marked["#"] = ink(image, v) > 4 ? "#" : marked["#"];
            }
        }
        std::string shown;
        for (const char* tag : {"X:", "O:", "~:", "@", "+", "#"}) {
            shown += marked[tag].empty() ? "" : (shown.empty() ? "" : " ") + marked[tag];
        }
        return shown;
    }

    double now = 1000.0;
    LogCapture log;
    std::unique_ptr<BoardView> view;

private:
    QTemporaryDir m_Dir;
    qsizetype m_StartLines = 0;
};

// What a move costs against the engine: the move, then the request for the answer.
inline QStringList moveLines(const QString& move, const QString& engine = "W", const QString& time = "300 0")
{
    return {"play " + move, "time_left " + engine + " " + time, "genmove " + engine};
}

// Writes what a player sees to <build>/screenshots, to be looked at.
inline void saveScreenshot(const BoardUnderTest& board, const QString& name)
{
    const QDir dir(QCoreApplication::applicationDirPath() + "/../..");
    EXPECT_TRUE(dir.mkpath("screenshots") && board.render().save(dir.filePath("screenshots/" + name + ".png")));
}

} // namespace boardtest
