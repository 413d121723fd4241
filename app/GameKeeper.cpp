#include "GameKeeper.h"

#include "app/GameArchive.h"

GameKeeper::GameKeeper(const QDateTime& start, QObject* parent)
    : QObject(parent), m_Start(start), m_Writer([this] { run(); })
{
}

GameKeeper::~GameKeeper()
{
    {
        std::lock_guard lock(m_Mutex);
        m_Stopping = true;
    }
    m_Changed.notify_all();
    m_Writer.join();
}

void GameKeeper::keep(std::string record)
{
    if (record.empty()) {
        return;
    }
    {
        std::lock_guard lock(m_Mutex);
        if (!m_Waiting && !m_Writing && record == m_Written) {
            // Back to what the file holds: whatever failed since is no longer missing.
            m_Failure.reset();
            return;
        }
        m_Waiting = std::move(record);
    }
    m_Changed.notify_all();
}

std::optional<QString> GameKeeper::finish()
{
    std::unique_lock lock(m_Mutex);
    m_Changed.wait(lock, [this] { return !m_Waiting && !m_Writing; });
    return m_Failure;
}

QString GameKeeper::path() const
{
    std::lock_guard lock(m_Mutex);
    return m_Path;
}

void GameKeeper::run()
{
    std::unique_lock lock(m_Mutex);
    for (;;) {
        m_Changed.wait(lock, [this] { return m_Waiting || m_Stopping; });
        if (!m_Waiting) {
            return;
        }
        const std::string record = std::move(*m_Waiting);
        m_Waiting.reset();
        m_Writing = true;
        lock.unlock();
        write(record);
        lock.lock();
        m_Writing = false;
        m_Changed.notify_all();
    }
}

void GameKeeper::write(const std::string& record)
{
    // Only this thread writes m_Path and m_Failure; others read them under the mutex.
    QString path = this->path();
    std::optional<QString> failure;
    if (path.isEmpty()) {
        failure = GameArchive::claim(m_Start, record, path);
    } else {
        failure = GameArchive::write(path, record);
    }
    bool newFailure = false;
    {
        std::lock_guard lock(m_Mutex);
        newFailure = failure && failure != m_Failure;
        m_Path = path;
        m_Failure = failure;
        if (!failure) {
            m_Written = record;
        }
    }
    if (newFailure) {
        emit Failed(*failure);
    }
}
