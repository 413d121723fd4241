#include "BoardViewTestSupport.h"

#include <QDir>
#include <QPainter>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace boardviewtest {

GTPGoGameInfo gameInfo(std::int32_t handicap, std::int32_t seconds)
{
    return GTPGoGameInfo(handicap, seconds);
}

std::unique_ptr<BoardView> twoPlayerView(const QRect& frame, const QString& language,
                                         GTPGoClock::TimeSource timeSource)
{
    return std::make_unique<BoardView>(frame, gameInfo(), GTPGoColorEmpty, language, nullptr,
                                       std::move(timeSource));
}

std::unique_ptr<BoardView> engineView(GTPGoColor playerColor, const QString& recordPath, std::int32_t handicap,
                                      GTPGoClock::TimeSource timeSource)
{
    qputenv("HOSHI_ENGINE", QByteArray(HOSHI_FAKE_ENGINE) + " --record " + recordPath.toUtf8());
    auto view = std::make_unique<BoardView>(kWindowFrame, gameInfo(handicap), playerColor, "English", nullptr,
                                            std::move(timeSource));
    qunsetenv("HOSHI_ENGINE");
    return view;
}

QImage render(BoardView& view)
{
    QImage image(view.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view.render(&image);
    return image;
}

QColor pixelAt(const QImage& image, QPointF viewPoint)
{
    const int x = static_cast<int>(std::floor(viewPoint.x()));
    const int y = static_cast<int>(std::floor(image.height() - viewPoint.y()));
    return image.pixelColor(x, y);
}

int colorDistance(const QColor& a, const QColor& b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
}

bool near(const QColor& actual, const QColor& expected, int tolerance)
{
    return colorDistance(actual, expected) <= tolerance;
}

QPointF intersection(const BoardView& view, double column, double row)
{
    return {view.getPosX(static_cast<float>(column)), view.getPosY(static_cast<float>(row))};
}

void click(BoardView& view, int column, int row)
{
    const QPointF location = intersection(view, column, row);
    const QPoint widgetPosition(qRound(location.x()), qRound(view.height() - location.y()));
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, widgetPosition);
}

void saveScreenshot(const QImage& image, const std::string& name)
{
    const QString directory = QStringLiteral(HOSHI_SCREENSHOT_DIR);
    QDir().mkpath(directory);
    const QString path = directory + "/" + QString::fromStdString(name) + ".png";
    if (!image.save(path)) {
        ADD_FAILURE() << "could not write " << path.toStdString();
    }
}

} // namespace boardviewtest
