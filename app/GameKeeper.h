#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Keeps one game in one file of the archive as it is played: each record handed
// over replaces the last, written atomically on a thread of its own so that the
// board and the engine never wait for the disk. The file is named by the game's
// start at its first write; a later record that is the same is not written again.
class GameKeeper : public QObject {
    Q_OBJECT
public:
    explicit GameKeeper(const QDateTime& start, QObject* parent = nullptr);
    // Writes what is still waiting.
    ~GameKeeper() override;

    // Returns at once; only the latest record waiting is written. "" keeps nothing.
    void keep(std::string record);
    // Waits until every record handed over is on disk; why the last write failed, if it did.
    std::optional<QString> finish();
    // The game's file once claimed, else "".
    QString path() const;

signals:
    // A write failed, for a reason other than the last one's (sent from the writer's thread).
    void Failed(const QString& reason);

private:
    void run();
    void write(const std::string& record);

    const QDateTime m_Start;
    mutable std::mutex m_Mutex;
    std::condition_variable m_Changed;
    // Guarded by m_Mutex.
    std::optional<std::string> m_Waiting;
    std::string m_Written;
    bool m_Writing = false;
    bool m_Stopping = false;
    QString m_Path;
    std::optional<QString> m_Failure;
    // Last, so that it starts after the state it reads and is joined first.
    std::thread m_Writer;
};
