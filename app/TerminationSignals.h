#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP (a session logout, Ctrl+C in a terminal) arrive
// as the Qt signal received(), on the user-interface thread, so that hoshi
// quits through its event loop and ends its engine. The handler itself only
// writes a byte to a socket pair, the one thing it may safely do.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    static void handle(int signal);
    void readSignal();

    QSocketNotifier* m_Notifier = nullptr;
};
