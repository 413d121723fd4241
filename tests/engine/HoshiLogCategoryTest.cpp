#include "engine/HoshiLogCategory.h"
#include "rules/Log.h"

#include <gmock/gmock.h>

#include <QString>
#include <QStringList>

namespace {
QStringList captured;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtInfoMsg) {
        captured << QString::fromUtf8(context.category) + QStringLiteral(": ") + message;
    }
}
}

TEST(HoshiLogCategory, log_lines_reach_qt_as_info_in_the_hoshi_category)
{
    const auto previousSink = Log::setSink({});
    const QtMessageHandler previousHandler = qInstallMessageHandler(capture);
    captured.clear();
    routeLogToQt();
    Log::write("Read data: = 100% \"D4\"");
    qInstallMessageHandler(previousHandler);
    Log::setSink(previousSink);
    EXPECT_EQ(captured, QStringList({QStringLiteral("hoshi: Read data: = 100% \"D4\"")}));
}
