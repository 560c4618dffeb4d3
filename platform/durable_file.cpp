#include "durable_file.h"

#include "descriptor.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nudgery {
namespace {

QByteArray NativePath(const QString& path) {
    return QFile::encodeName(path);
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool ReadAll(int fd, ReadBytes& bytes) {
    std::uint8_t chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

} // namespace

FileRead ReadWholeFile(const QString& path) {
    FileRead result;
    struct stat status {};
    if (::stat(NativePath(path).constData(), &status) != 0) {
        result.outcome = errno == ENOENT || errno == ENOTDIR ? FileRead::Outcome::Missing
                                                             : FileRead::Outcome::Unreadable;
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.outcome = FileRead::Outcome::NotAFile;
        return result;
    }
    result.outcome = FileRead::Outcome::Unreadable;
    Descriptor file(::open(NativePath(path).constData(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        return result;
    result.bytes.reserve(static_cast<std::size_t>(status.st_size));
    if (ReadAll(file.get(), result.bytes))
        result.outcome = FileRead::Outcome::Read;
    return result;
}

std::optional<mode_t> ExistingFileMode(const QString& path) {
    struct stat status {};
    if (::stat(NativePath(path).constData(), &status) != 0)
        return std::nullopt;
    return status.st_mode & 07777;
}

FileWriteOutcome WriteFileFlushed(const QString& path, std::span<const std::uint8_t> bytes,
                                  std::optional<mode_t> mode) {
    const QByteArray native = NativePath(path);
    // A file left by an interrupted run is replaced, never written through: it may have
    // lost its write permission, or be a link to somewhere else.
    ::unlink(native.constData());
    // Reminders are nobody else's business: a file made from nothing is the owner's alone.
    Descriptor file(::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!file.valid())
        return FileWriteOutcome::CannotCreate;
    const bool written = (!mode || ::fchmod(file.get(), *mode) == 0) &&
                         WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (file.Close() && written)
        return FileWriteOutcome::Written;
    ::unlink(native.constData());
    return FileWriteOutcome::WriteFailed;
}

bool RenameOver(const QString& from, const QString& to) {
    return ::rename(NativePath(from).constData(), NativePath(to).constData()) == 0;
}

void FlushFolderOf(const QString& path) {
    // Some file systems cannot flush a folder; the renames are then as safe as they get.
    Descriptor folder(::open(NativePath(QFileInfo(path).absolutePath()).constData(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
}

bool FileExists(const QString& path) {
    struct stat status {};
    return ::lstat(NativePath(path).constData(), &status) == 0 || errno != ENOENT;
}

void RemoveFileIfPresent(const QString& path) {
    ::unlink(NativePath(path).constData());
}

} // namespace nudgery
