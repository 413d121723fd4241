#include "GameArchive.h"

#include "app/AtomicFile.h"
#include "sgf/SGFReader.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString GameArchive::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/hoshi/games");
}

QString GameArchive::autosavePath(const QDateTime& start, int number)
{
    const QString suffix = number > 1 ? QStringLiteral("-%1").arg(number) : QString();
    return folder() + '/' + start.toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss")) + suffix + QStringLiteral(".sgf");
}

std::optional<QString> GameArchive::makeFolder(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return tr("The folder %1 cannot be made.").arg(folder);
    }
    return std::nullopt;
}

QString GameArchive::failure(const QString& path, int error)
{
    return tr("The game could not be saved to %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

std::optional<QString> GameArchive::write(const QString& path, const std::string& sgf)
{
    if (auto problem = makeFolder(path)) {
        return problem;
    }
    const int error = AtomicFile::write(QFile::encodeName(path).toStdString(), sgf, AtomicFile::Mode::Replace);
    return error == 0 ? std::nullopt : std::optional<QString>(failure(path, error));
}

std::optional<QString> GameArchive::claim(const QDateTime& start, const std::string& sgf, QString& path)
{
    if (auto problem = makeFolder(autosavePath(start))) {
        return problem;
    }
    // Far more games than one second can start; the bound only keeps a broken file system from looping.
    constexpr int MostGamesInOneSecond = 1000;
    int error = EEXIST;
    for (int number = 1; error == EEXIST && number <= MostGamesInOneSecond; ++number) {
        path = autosavePath(start, number);
        error = AtomicFile::write(QFile::encodeName(path).toStdString(), sgf, AtomicFile::Mode::CreateNew);
    }
    if (error != 0) {
        const QString tried = path;
        path.clear();
        return failure(tried, error);
    }
    return std::nullopt;
}

SGFReadResult GameArchive::read(const QString& path, QString& problem)
{
    // Opened without blocking, then checked: opening a FIFO for reading would wait for a writer.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat status {};
    if (descriptor < 0 || ::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const int error = descriptor < 0 ? errno : 0;
        if (descriptor >= 0) {
            ::close(descriptor);
        }
        problem = error != 0 ? tr("%1 cannot be read: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)))
                             : tr("%1 is not a file that holds a game.").arg(path);
        return {};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        problem = tr("%1 cannot be read: %2").arg(path, file.errorString());
        return {};
    }
    // One byte past the reader's limit is enough for it to refuse the file as too large.
    const QByteArray bytes = file.read(static_cast<qint64>(SGFReader::MaximumSize) + 1);
    SGFReadResult result = SGFReader::read(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!result.Record) {
        problem = describe(result.Error);
    }
    return result;
}

QString GameArchive::refusal(GTPGoMoveMessage code)
{
    switch (code) {
    case GTPGoMessageOccupied:
        return tr("the point is taken.");
    case GTPGoMessageSuicide:
        return tr("it would be suicide.");
    case GTPGoMessageKo:
        return tr("it takes back a ko at once.");
    default:
        return tr("it is the other side's turn.");
    }
}

QString GameArchive::describe(const SGFReadError& error)
{
    const QString detail = QString::fromStdString(error.Detail);
    switch (error.Kind) {
    case SGFReadError::Kind::NotSGF:
    case SGFReadError::Kind::Malformed:
    case SGFReadError::Kind::BadValue:
        return tr("This is not a game file that hoshi can read (SGF).");
    case SGFReadError::Kind::Truncated:
        return tr("The file ends before its game does: it is incomplete.");
    case SGFReadError::Kind::NotGo:
        return tr("The file holds a game other than Go.");
    case SGFReadError::Kind::BoardSize:
        return tr("The board is %1; hoshi plays on 9 × 9 only.").arg(detail);
    case SGFReadError::Kind::Handicap:
    case SGFReadError::Kind::UnsupportedSetup:
        return tr("The game starts from stones set up where hoshi would not put its handicap stones.");
    case SGFReadError::Kind::OffBoard:
        return tr("Move %1 (%2) is off the board.").arg(error.MoveNumber).arg(detail);
    case SGFReadError::Kind::IllegalMove:
        return tr("Move %1 (%2) is not legal here: %3").arg(error.MoveNumber).arg(detail, refusal(error.Refusal));
    case SGFReadError::Kind::MoveAfterEnd:
        return tr("Move %1 (%2) comes after the end of the game.").arg(error.MoveNumber).arg(detail);
    case SGFReadError::Kind::TooLarge:
        return tr("The file is too large to be a game of hoshi's.");
    case SGFReadError::Kind::None:
        break;
    }
    return QString();
}
