#include "GTPEngineReaper.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QTimer>

GTPEngineReaper& GTPEngineReaper::instance()
{
    static QPointer<GTPEngineReaper> reaper;
    if (reaper.isNull()) {
        // A child of the application: destroyed, and so waited for, before Qt goes down.
        reaper = new GTPEngineReaper(QCoreApplication::instance());
    }
    return *reaper;
}

GTPEngineReaper::GTPEngineReaper(QObject* parent) : QObject(parent) {}

GTPEngineReaper::~GTPEngineReaper()
{
    reapAll();
}

void GTPEngineReaper::adopt(QProcess* process)
{
    process->setParent(this);
    if (process->state() == QProcess::NotRunning) {
        process->deleteLater();
        return;
    }
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    // The timers belong to the process: once it is gone, they are too.
    QTimer::singleShot(m_GraceMilliseconds, process, [this, process] {
        process->terminate();
        QTimer::singleShot(m_GraceMilliseconds, process, [process] { process->kill(); });
    });
}

void GTPEngineReaper::reapAll()
{
    for (QProcess* process : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        if (process->state() != QProcess::NotRunning && !process->waitForFinished(m_GraceMilliseconds)) {
            process->terminate();
            if (!process->waitForFinished(m_GraceMilliseconds)) {
                process->kill();
                process->waitForFinished(m_GraceMilliseconds);
            }
        }
        delete process;
    }
}
