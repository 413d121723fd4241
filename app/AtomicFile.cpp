#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr mode_t NewFileMode = 0644;
}

int AtomicFile::write(const std::string& path, std::string_view bytes, Mode mode)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    // Hidden, so that a listing of *.sgf never shows a file being written.
    std::string temporary = folder + "/." + name + ".XXXXXX";
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    // A replaced file keeps its permissions; mkostemp's 0600 would hide a new one from other readers.
    struct stat existing {};
    const mode_t permissions = mode == Mode::Replace && ::stat(path.c_str(), &existing) == 0
        ? existing.st_mode & 07777
        : NewFileMode;
    int error = ::fchmod(descriptor, permissions) == 0 ? writeAll(descriptor, bytes) : errno;
    // The flush is where a full disk may show first, after writes that seemed to succeed.
    if (error == 0 && ::fdatasync(descriptor) != 0) {
        error = errno;
    }
    if (::close(descriptor) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0) {
        error = commit(temporary, path, mode);
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
    }
    return error;
}

int AtomicFile::writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return written < 0 ? errno : ENOSPC;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int AtomicFile::commit(const std::string& temporary, const std::string& path, Mode mode)
{
    if (mode == Mode::Replace) {
        return ::rename(temporary.c_str(), path.c_str()) == 0 ? 0 : errno;
    }
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system without renameat2's flags: a hard link is just as exclusive.
    if (::link(temporary.c_str(), path.c_str()) != 0) {
        return errno;
    }
    ::unlink(temporary.c_str());
    return 0;
}
