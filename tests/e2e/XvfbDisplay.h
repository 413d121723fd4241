#pragma once

#include <QImage>
#include <QProcess>

#include <optional>

// A private X server for real-window tests and benchmarks, and the X tools run
// against it. Every call is bounded in time; a tool that hangs is killed.
class XvfbDisplay {
public:
    // Starts Xvfb on a free display number; isRunning() tells whether it came up.
    XvfbDisplay();
    ~XvfbDisplay();

    bool isRunning() const { return !m_display.isEmpty(); }
    // Why the server did not start.
    const QString& failure() const { return m_failure; }
    // ":N"
    const QString& display() const { return m_display; }
    // The system environment with DISPLAY pointing here.
    QProcessEnvironment environment() const;

    // The tool's standard output; nothing when it failed or ran out of time.
    std::optional<QByteArray> run(const QString& program, const QStringList& arguments) const;
    bool xdotool(const QStringList& arguments) const { return run("xdotool", arguments).has_value(); }
    // The window's content as the X server has it; a null image on failure.
    QImage screenshot(const QString& id) const
    {
        return QImage::fromData(run("import", {"-window", id, "png:-"}).value_or(""), "PNG");
    }

private:
    static constexpr int TimeoutMs = 15000;
    QProcess m_server;
    QString m_display;
    QString m_failure;
};
