#pragma once

// The board screen as a player meets it: clicks on vertices ("E5"), the
// controls by name, the texts shown, and the board read back from its pixels.
// Against the fake GTP engine, which records every line it receives.
#include "board/BoardMessages.h"
#include "board/BoardView.h"
#include "tests/support/ExpectedGtp.h"
#include "tests/support/LogCapture.h"
#include "tests/support/QtPrinters.h"
#include "translations/Translations.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gmock/gmock.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace boardtest {

// The colours a player should see, written out independently of the drawing code.
inline const QColor kBoardColor(255, 199, 127);
inline const QColor kRed(255, 0, 0);
inline const QString kEnglish = QStringLiteral("English");
inline const QString kFrench = QStringLiteral("Français");
inline const QRect kWindowFrame(0, 0, 800, 600);
// What the board calls its engine here (HOSHI_ENGINE_NAME).
inline const QString kEngineName = QStringLiteral("Pachi");

inline int colorDistance(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

struct Game {
    GTPGoColor player = GTPGoColorEmpty;
    std::int32_t handicap = 0;
    QString language = kEnglish;
    std::int32_t mainTime = 300;
    // The fake engine's answers to successive genmoves, and its other options.
    QStringList genmoves = {};
    QStringList engineOptions = {};
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
        view = std::make_unique<BoardView>(kWindowFrame, info, game.player, game.language, nullptr,
                                           [this] { return now; });
        qunsetenv("HOSHI_ENGINE");
        qunsetenv("HOSHI_ENGINE_NAME");
        if (game.player != GTPGoColorEmpty && engineCommand.isEmpty()) {
            m_StartLines = expectedStartLineList(game.handicap).size();
            m_Player = game.player;
            waitFor([&] { return lines().size() >= m_StartLines; });
        }
    }

    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 5000); }

    QPoint at(const std::string& vertex) const
    {
        const int column = static_cast<int>(std::string("ABCDEFGHJ").find(vertex.at(0)));
        const int row = std::stoi(vertex.substr(1)) - 1;
        return {qRound(view->getPosX(column)), qRound(view->height() - view->getPosY(row))};
    }
    // "pass" presses Pass; a vertex is clicked. Against the engine each waits for its answer.
    void play(const std::vector<std::string>& moves, bool waitForAnswers = true)
    {
        const GTPGoGame& game = view->GoGame();
        for (const std::string& move : moves) {
            if (waitForAnswers && m_StartLines > 0) {
                waitFor([&] { return game.ColorToMove() == m_Player || game.IsGameOver(); });
            }
            const std::size_t turns = game.Turns().size();
            if (move == "pass") {
                press("PassButton");
            } else {
                QTest::mouseClick(view.get(), Qt::LeftButton, {}, at(move));
            }
            if (waitForAnswers && m_StartLines > 0 && game.Turns().size() > turns) {
                waitFor([&] { return game.Turns().size() > turns + 1 || game.IsGameOver(); });
            }
        }
    }
    void press(const char* control) { view->findChild<QAbstractButton*>(control)->click(); }
    QString text(const char* field) const { return view->findChild<QLabel*>(field)->text(); }
    QString message() const { return text("InfoTextField"); }
    void moveMouseTo(QPointF widgetPosition)
    {
        QMouseEvent move(QEvent::MouseMove, widgetPosition, view->mapToGlobal(widgetPosition), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &move);
    }

    // Lines the engine received after the start lines.
    QStringList sent() const { return lines().mid(m_StartLines); }

    QStringList lines() const
    {
        QFile file(m_Dir.filePath("engine.log"));
        QStringList lines = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n') : QStringList();
        if (!lines.isEmpty() && lines.back().isEmpty()) {
            lines.pop_back(); // after the last line feed
        }
        return lines;
    }

    QImage render() const
    {
        QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        view->render(&image);
        return image;
    }
    // The pixel at an offset (in view units, y upward) from a vertex's intersection.
    static QColor pixel(const QImage& image, QPoint intersection, QPointF offset)
    {
        return image.pixelColor(intersection.x() + static_cast<int>(std::floor(offset.x())),
                                intersection.y() - static_cast<int>(std::ceil(offset.y())));
    }
    // What a vertex shows: 'X' black, 'O' white, '.' bare board, '~' a translucent stone.
    char stoneAt(const QImage& image, const std::string& vertex) const
    {
        // Left of the centre, a little low: off the grid lines, the cross's bars, the
        // highlight, the ring and the numbers.
        const QColor c = pixel(image, at(vertex), {-0.4 * view->StoneRadius(), -0.1 * view->StoneRadius()});
        // A translucent stone is the stone's colour blended half-way with the wood.
        if (c.lightness() < 80) {
            return 'X';
        }
        if (c.blue() > 215) {
            return 'O';
        }
        return colorDistance(c, kBoardColor) < 12 ? '.' : '~';
    }
    // Every stone shown, "X:C3,E5 O:D4"; translucent ones as "~:E4".
    std::string stones() const
    {
        const QImage image = render();
        std::map<char, std::string> byKind;
        for (const char column : std::string("ABCDEFGHJ")) {
            for (int row = 1; row <= 9; ++row) {
                const std::string vertex = column + std::to_string(row);
                const char kind = stoneAt(image, vertex);
                if (kind != '.') {
                    byKind[kind] += (byKind[kind].empty() ? "" : ",") + vertex;
                }
            }
        }
        std::string shown;
        for (const char kind : {'X', 'O', '~'}) {
            if (byKind.contains(kind)) {
                shown += std::string(shown.empty() ? "" : " ") + kind + ":" + byKind[kind];
            }
        }
        return shown;
    }
    // The vertex holding the last-move ring, or "".
    std::string ring() const
    {
        const QImage image = render();
        const double r = view->StoneRadius() * 0.5 / std::sqrt(2.0);
        return find([&](const std::string& vertex) {
            const char stone = stoneAt(image, vertex);
            for (double dx = -1; dx <= 1; ++dx) {
                const int light = pixel(image, at(vertex), {-r + dx, r}).lightness();
                if ((stone == 'X' && light > 110) || (stone == 'O' && light < 140)) {
                    return true;
                }
            }
            return false;
        });
    }
    // The vertex marked with the red cross, or "".
    std::string cross() const
    {
        const QImage image = render();
        const double d = 0.3 * (view->getPosX(1) - view->getPosX(0));
        return find([&](const std::string& v) { return colorDistance(pixel(image, at(v), {d, d}), kRed) < 40; });
    }
    // Whether the stones carry counting numbers (text across the lower left of each).
    bool numbers() const
    {
        const QImage image = render();
        return !find([&](const std::string& vertex) {
                    const char stone = stoneAt(image, vertex);
                    int contrast = 0;
                    for (int dx = -7; dx <= 3 && stone != '.'; ++dx) {
                        for (int dy = -12; dy <= -2; ++dy) {
                            const int light = pixel(image, at(vertex), {dx + 0.5, dy + 0.5}).lightness();
                            contrast += (stone == 'X' ? light > 150 : light < 100) ? 1 : 0;
                        }
                    }
                    return contrast > 4;
                }).empty();
    }

    double now = 1000.0;
    LogCapture log;
    std::unique_ptr<BoardView> view;

private:
    static std::string find(const std::function<bool(const std::string&)>& marked)
    {
        for (const char column : std::string("ABCDEFGHJ")) {
            for (int row = 1; row <= 9; ++row) {
                if (marked(column + std::to_string(row))) {
                    return column + std::to_string(row);
                }
            }
        }
        return "";
    }

    QTemporaryDir m_Dir;
    qsizetype m_StartLines = 0;
    GTPGoColor m_Player = GTPGoColorEmpty;
};

// What a move costs against the engine: the move, then the request for the answer.
inline QStringList moveLines(const QString& move, const QString& engine = "W", const QString& time = "300 0")
{
    return {"play " + move, "time_left " + engine + " " + time, "genmove " + engine};
}

// Writes what a player sees to <build>/screenshots, to be looked at.
inline void saveScreenshot(const QImage& image, const QString& name)
{
    QDir dir(QCoreApplication::applicationDirPath() + "/../../screenshots");
    dir.mkpath(".");
    EXPECT_TRUE(image.save(dir.filePath(name + ".png"))) << name.toStdString();
}

} // namespace boardtest
