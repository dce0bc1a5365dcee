#include "RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veridi {
namespace {

FileKind kindOf(const struct stat& info, qint64 maxBytes) {
    if (!S_ISREG(info.st_mode))
        return FileKind::NotRegular;
    return info.st_size > maxBytes ? FileKind::TooLarge : FileKind::Regular;
}

} // namespace

FileKind fileKind(const QString& path, qint64 maxBytes) {
    struct stat info = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return path.isEmpty() || errno == ENOENT || errno == ENOTDIR ? FileKind::Missing
                                                                     : FileKind::Unreadable;
    return kindOf(info, maxBytes);
}

FileRead readRegularFile(const QString& path, qint64 maxBytes) {
    const FileKind kind = fileKind(path, maxBytes);
    if (kind != FileKind::Regular)
        return {kind, {}};
    // Non-blocking, in case something else took the file's place since it was looked at; the
    // opened file is checked again.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT ? FileKind::Missing : FileKind::Unreadable, {}};
    FileRead result{FileKind::Regular, {}};
    struct stat info = {};
    if (::fstat(fd, &info) != 0) {
        result.kind = FileKind::Unreadable;
    } else if (const FileKind opened = kindOf(info, maxBytes); opened != FileKind::Regular) {
        result.kind = opened;
    } else {
        // One byte more than allowed tells a file that grew past the cap meanwhile.
        result.bytes.resize(qsizetype(maxBytes) + 1);
        qsizetype got = 0;
        while (got < result.bytes.size()) {
            const ssize_t n = ::read(fd, result.bytes.data() + got, size_t(result.bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n < 0)
                    result.kind = FileKind::Unreadable;
                break;
            }
            got += n;
        }
        result.bytes.truncate(got);
        if (got > maxBytes)
            result.kind = FileKind::TooLarge;
        if (result.kind != FileKind::Regular)
            result.bytes.clear();
    }
    ::close(fd);
    return result;
}

} // namespace veridi
