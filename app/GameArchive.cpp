#include "GameArchive.h"

#include "sgf/SGFReader.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

QString GameArchive::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/hoshi/games");
}

QString GameArchive::autosavePath(const QDateTime& start)
{
    return folder() + '/' + start.toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss")) + QStringLiteral(".sgf");
}

std::optional<QString> GameArchive::write(const QString& path, const std::string& sgf)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return tr("The folder %1 cannot be made.").arg(QFileInfo(path).absolutePath());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(sgf.data(), static_cast<qint64>(sgf.size())) != static_cast<qint64>(sgf.size())
        || !file.commit()) {
        return tr("The game could not be saved to %1: %2").arg(path, file.errorString());
    }
    return std::nullopt;
}

SGFReadResult GameArchive::read(const QString& path, QString& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
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
