#include "HoshiLogCategory.h"

#include "rules/Log.h"

Q_LOGGING_CATEGORY(hoshiLog, "hoshi")

void routeLogToQt()
{
    Log::setSink([](const std::string& line) { qCInfo(hoshiLog).noquote() << QString::fromStdString(line); });
}
