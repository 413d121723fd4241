#pragma once

#include <QObject>

class QProcess;

// Ends the engine processes that their games have let go of, without making
// the player wait: the engine has been sent "quit" and end of input; if it is
// still there after a grace period it gets SIGTERM, after another SIGKILL, and
// it is reaped when it ends. Lives as long as the application.
class GTPEngineReaper : public QObject {
    Q_OBJECT
public:
    static GTPEngineReaper& instance();

    // Takes the process over; it has already been asked to quit.
    void adopt(QProcess* process);
    // For the application's last moments only: waits, bounded by two grace
    // periods and a kill, until every adopted engine is gone.
    void reapAll();

    int graceMilliseconds() const { return m_GraceMilliseconds; }
    void setGraceMilliseconds(int v) { m_GraceMilliseconds = v; }

private:
    explicit GTPEngineReaper(QObject* parent);
    ~GTPEngineReaper() override;

    int m_GraceMilliseconds = 1000;
};
