#include "XvfbDisplay.h"

#include <QElapsedTimer>
#include <QStandardPaths>

namespace {
constexpr int TimeoutMs = 15000;
}

XvfbDisplay::XvfbDisplay()
{
    // -displayfd makes the server pick a free display and print its number.
    m_server.start(QStandardPaths::findExecutable("Xvfb"),
                   {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    QElapsedTimer timer;
    timer.start();
    QByteArray number;
    while (!number.contains('\n') && timer.elapsed() < TimeoutMs && m_server.state() != QProcess::NotRunning) {
        m_server.waitForReadyRead(100);
        number += m_server.readAllStandardOutput();
    }
    if (number.contains('\n')) {
        m_display = ":" + QString::fromLatin1(number.trimmed());
    } else {
        m_failure = "Xvfb did not start: " + m_server.errorString() + " " + m_server.readAllStandardError();
    }
}

XvfbDisplay::~XvfbDisplay()
{
    m_server.terminate();
    if (!m_server.waitForFinished(TimeoutMs)) {
        m_server.kill();
        m_server.waitForFinished(TimeoutMs);
    }
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
    if (!tool.waitForFinished(TimeoutMs) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        return std::nullopt; // the QProcess kills a tool that still runs when it goes
    }
    return tool.readAllStandardOutput();
}

QImage XvfbDisplay::screenshot(const QString& windowId) const
{
    const std::optional<QByteArray> png = run("import", {"-window", windowId, "png:-"});
    return png ? QImage::fromData(*png, "PNG") : QImage();
}
