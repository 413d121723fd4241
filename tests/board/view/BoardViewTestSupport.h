#pragma once

#include "board/BoardView.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <memory>
#include <string>

// Shared set-up of the board view tests: views, renders and colour checks in
// view coordinates (origin bottom-left, y upward), flipped here on their own.
namespace boardviewtest {

// The colours a player should see, written out independently of the drawing code.
inline const QColor kBoardColor(255, 199, 127);
inline const QColor kBlack(0, 0, 0);
inline const QColor kGrey(128, 128, 128);
inline const QColor kWhite(255, 255, 255);
inline const QColor kLightGrey(170, 170, 170);
inline const QColor kRed(255, 0, 0);

inline const QRect kWindowFrame(0, 0, 800, 600);

GTPGoGameInfo gameInfo(std::int32_t handicap = 0, std::int32_t seconds = 600);
std::unique_ptr<BoardView> twoPlayerView(const QRect& frame = kWindowFrame, const QString& language = "English",
                                         GTPGoClock::TimeSource timeSource = {});
// A game against the fake engine, which records its lines to recordPath.
std::unique_ptr<BoardView> engineView(GTPGoColor playerColor, const QString& recordPath,
                                      std::int32_t handicap = 0, GTPGoClock::TimeSource timeSource = {});

QImage render(BoardView& view);
QColor pixelAt(const QImage& image, QPointF viewPoint);
// The largest difference of the red, green and blue components.
int colorDistance(const QColor& a, const QColor& b);
bool near(const QColor& actual, const QColor& expected, int tolerance = 12);
QPointF intersection(const BoardView& view, double column, double row);
// Plays a stone for the colour to move by clicking its intersection.
void click(BoardView& view, int column, int row);
void saveScreenshot(const QImage& image, const std::string& name);

} // namespace boardviewtest
