#include "XvfbDisplay.h"

#include <QElapsedTimer>
#include <QStandardPaths>

namespace {
constexpr int ServerStartMs = 10000;
}

XvfbDisplay::XvfbDisplay()
{
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        m_failure = "Xvfb is not installed";
        return;
    }
    // -displayfd makes the server pick a free display and print its number.
    m_server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    if (!m_server.waitForStarted(ServerStartMs)) {
        m_failure = "Xvfb did not start: " + m_server.errorString();
        return;
    }
    QElapsedTimer timer;
    timer.start();
    QByteArray number;
    while (!number.contains('\n') && timer.elapsed() < ServerStartMs && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(100);
        number += m_server.readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        m_failure = "Xvfb gave no display number: " + QString::fromLocal8Bit(m_server.readAllStandardError());
        return;
    }
    m_display = ":" + QString::fromLatin1(number.trimmed());
}

XvfbDisplay::~XvfbDisplay()
{
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(ServerStartMs)) {
            m_server.kill();
            m_server.waitForFinished(ServerStartMs);
        }
    }
}

QProcessEnvironment XvfbDisplay::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    return environment;
}

std::optional<QString> XvfbDisplay::run(const QString& program, const QStringList& arguments, int timeoutMs) const
{
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished(timeoutMs);
        return std::nullopt;
    }
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

QImage XvfbDisplay::screenshot(const QString& windowId) const
{
    QProcess import;
    import.setProcessEnvironment(environment());
    import.start("import", {"-window", windowId, "png:-"});
    if (!import.waitForFinished(ToolTimeoutMs) || import.exitCode() != 0) {
        import.kill();
        import.waitForFinished(ToolTimeoutMs);
        return {};
    }
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
}
