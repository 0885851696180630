// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileAccess.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace clavora {

namespace {
QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Closes the descriptor when it goes out of scope, unless released.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the outcome: a delayed write error can surface here.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const QByteArray& bytes, off_t offset = -1)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = offset < 0 ? ::write(fd, data, size_t(left)) : ::pwrite(fd, data, size_t(left), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        left -= n;
        if (offset >= 0)
            offset += n;
    }
    return true;
}

// A new, unnamed file in `folder` (a named one where the file system has no unnamed files).
// `name` is left empty for an unnamed file.
int createTemporary(const QByteArray& folder, const QByteArray& target, QByteArray& name)
{
    name.clear();
    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return fd;
    QByteArray pattern = target + ".XXXXXX";
    const int named = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (named >= 0) {
        name = pattern;
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(named, 0666 & ~mask);
    }
    return named;
}

// Gives an unnamed file the name `name` (free) in its folder.
bool nameTemporary(int fd, const QByteArray& name)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
}

SaveResult failed()
{
    return {false, lastError()};
}

SaveResult rewriteInPlace(const QByteArray& target, const QByteArray& bytes)
{
    Descriptor fd(::open(target.constData(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return failed();
    // Reserve the space first: a disk that fills up halfway must not leave half a file.
    if (!bytes.isEmpty() && ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP)
        return failed();
    if (!writeAll(fd.get(), bytes, 0) || ::ftruncate(fd.get(), off_t(bytes.size())) != 0 || ::fsync(fd.get()) != 0)
        return failed();
    if (!fd.close())
        return failed();
    return {true, {}};
}
} // namespace

bool openRegularFile(QFile& file, const QString& path)
{
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

BoundedRead readRegularFile(const QString& path, qint64 maxBytes)
{
    BoundedRead result;
    QFile file;
    if (!openRegularFile(file, path))
        return result;
    result.found = true;
    // Asked for no more than the file holds: a read allocates all it is asked for, and the
    // largest size allowed is megabytes for files of a few hundred bytes.
    result.bytes = file.read(std::min(maxBytes, file.size()) + 1);
    if (result.bytes.size() > maxBytes) {
        result.bytes.truncate(maxBytes);
        result.tooLarge = true;
    }
    return result;
}

SaveResult saveFileSafely(const QString& path, const QByteArray& bytes)
{
    // A symbolic link stays a link: its target is what gets replaced.
    const QFileInfo info(path);
    const QString resolved = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
    const QByteArray target = QFile::encodeName(resolved);
    const QByteArray folder = QFile::encodeName(QFileInfo(resolved).absolutePath());
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;

    QByteArray name;
    Descriptor fd(createTemporary(folder, target, name));
    if (fd.get() < 0) {
        // A folder that takes no new file, holding a file that may still be written.
        if (exists && (errno == EACCES || errno == EPERM))
            return rewriteInPlace(target, bytes);
        return failed();
    }
    const auto discard = [&name] {
        const int error = errno;
        if (!name.isEmpty())
            ::unlink(name.constData());
        errno = error;
        return failed();
    };
    if (exists)
        ::fchmod(fd.get(), old.st_mode & 07777);
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        return discard();
    if (name.isEmpty()) {
        name = target + ".~" + QByteArray::number(::getpid());
        ::unlink(name.constData()); // left by a program killed at this very step
        if (!nameTemporary(fd.get(), name)) {
            name.clear();
            return discard();
        }
    }
    if (!fd.close() || ::rename(name.constData(), target.constData()) != 0)
        return discard();
    Descriptor folderFd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.get() >= 0)
        ::fsync(folderFd.get()); // makes the rename itself last; a failure here changes nothing
    return {true, {}};
}

} // namespace clavora
