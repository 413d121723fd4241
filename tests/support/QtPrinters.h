#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Lets test failures print Qt texts readably.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) { PrintTo(texts.join("\", \""), out); }
