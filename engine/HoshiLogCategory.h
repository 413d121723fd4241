#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(hoshiLog)

// Sends every Log::write line to qCInfo(hoshiLog). The application calls it at start.
void routeLogToQt();
