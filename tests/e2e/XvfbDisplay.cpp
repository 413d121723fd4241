#include "XvfbDisplay.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

XvfbDisplay::XvfbDisplay()
{
    // -displayfd makes the server pick a free display and print its number.
    m_server.start(QStandardPaths::findExecutable("Xvfb"),
                   {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    QByteArray number;
    const QDeadlineTimer deadline(TimeoutMs);
    while (!number.contains('\n') && m_server.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        number += m_server.readAllStandardOutput();
    }
    m_display = number.contains('\n') ? ":" + QString::fromLatin1(number.trimmed()) : QString();
    m_failure = isRunning() ? QString()
                            : "Xvfb did not start: " + m_server.errorString() + " " + m_server.readAllStandardError();
}

// A server that does not end on SIGTERM is killed by QProcess as it goes.
XvfbDisplay::~XvfbDisplay()
{
    m_server.terminate();
    m_server.waitForFinished(TimeoutMs);
}

QProcessEnvironment XvfbDisplay::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    return environment;
}

std::optional<QByteArray> XvfbDisplay::run(const QString& program, const QStringList& arguments) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    // The QProcess kills a tool that still runs when it goes.
    const bool ran =
        tool.waitForFinished(TimeoutMs) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    return ran ? std::optional(tool.readAllStandardOutput()) : std::nullopt;
}
