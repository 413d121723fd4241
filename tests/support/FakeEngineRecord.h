#pragma once

#include <QFile>
#include <QStringList>

// The lines the fake engine received (its --record file), in order and exactly,
// empty ones included; none before it wrote any.
inline QStringList fakeEngineRecord(const QString& file)
{
    QFile record(file);
    QStringList lines = QString::fromUtf8(record.open(QIODevice::ReadOnly) ? record.readAll() : QByteArray()).split('\n');
    lines.removeLast(); // after the last line feed
    return lines;
}
