// A desktop whose locale writes decimals with a comma: what programs read (the
// engine's lines, the game's file, the log) keeps its decimal point.
#include "BoardTestHarness.h"

#include "sgf/SGFGameRecord.h"

#include <QProcess>
#include <QRegularExpression>

#include <clocale>

using namespace boardtest;

TEST(CommaLocale, theEngineTheFileAndTheLogGetADecimalPointUnderAFrenchLocale)
{
    // A real fr_FR locale, made here: the machine need not have it installed.
    const QTemporaryDir locales;
    QProcess::execute("localedef", {"-i", "fr_FR", "-f", "UTF-8", locales.filePath("fr_FR.UTF-8")});
    qputenv("LOCPATH", locales.path().toUtf8());
    if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "localedef could not make fr_FR.UTF-8 (package locales)";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    {
        // By area with a handicap, komi is half a point.
        BoardUnderTest board({GTPGoColorBlack, {"E5", "PASS"}, kFrench, 2, {}, 300, GTPGoCounting::Area});
        EXPECT_EQ(board.lines().value(3), "komi 0.5");
        board.play({"D4", "pass", "pass"});
        const std::string result = SGFGameRecord::fromGame(board.game()).Result;
        EXPECT_TRUE(QRegularExpression(R"(^B\+\d+\.5$)").match(QString::fromStdString(result)).hasMatch()) << result;
        const QRegularExpression mouse(R"(^Mouse location: \d+\.\d{6} \d+\.\d{6}$)");
        EXPECT_EQ(std::ranges::count_if(board.log.lines,
                                        [&](const auto& line) { return mouse.match(QString::fromStdString(line)).hasMatch(); }),
                  1);
    }
    std::setlocale(LC_ALL, "C");
}
