#include "framework/safe_file.h"

#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace forms {

namespace {

// The temporary file being written, for a signal handler to remove: a plain buffer and lock-free flags.
char g_temp[4096];
std::atomic<bool> g_writing{false}, g_abandoned{false};
static_assert(std::atomic<bool>::is_always_lock_free);

// Every byte, whatever the kernel takes per call; false with errno set on the first failure.
bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

QString writeDirectly(const QByteArray& target, const QByteArray& bytes) {
    const int fd = ::open(target.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return reasonFor(errno);
    int error = 0;
    if (!writeAll(fd, bytes) || (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    return error ? reasonFor(error) : QString();
}

// Puts the written file in its place, never over a file already there. Not every file system knows how
// (network shares often do not): then a second name for the file, then a plain check.
int placeWithoutReplacing(const QByteArray& temp, const QByteArray& target) {
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return errno;
    if (::link(temp.constData(), target.constData()) == 0) {
        ::unlink(temp.constData());
        return 0;
    }
    if (errno == EEXIST) return EEXIST;
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0) return EEXIST;
    return ::rename(temp.constData(), target.constData()) == 0 ? 0 : errno;
}

} // namespace

void abandonTemporaryFile() {
    if (!g_writing) return;
    ::unlink(g_temp);
    g_abandoned = true;
}

QString reasonFor(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise sur ce disque");
    case EACCES:
    case EPERM:
        return QStringLiteral("tu n'as pas le droit d'écrire à cet endroit");
    case EROFS:
        return QStringLiteral("ce disque ne peut pas être modifié");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("ce dossier n'existe pas");
    case EISDIR:
        return QStringLiteral("ce nom est celui d'un dossier");
    case ENAMETOOLONG:
        return QStringLiteral("le nom du fichier est trop long");
    case EIO:
        return QStringLiteral("le disque n'a pas pu être lu ou écrit");
    case EINTR:
        return QStringLiteral("l'enregistrement a été interrompu");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

namespace {

QString write(const QString& path, const QByteArray& bytes, bool replace, bool* taken) {
    // Through a link, the file it points at is replaced and the link kept.
    QFileInfo info(path);
    const QString target =
        info.isSymLink() && info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray native = QFile::encodeName(target);
    struct stat st {};
    const bool exists = ::stat(native.constData(), &st) == 0;
    if (!replace && (exists || info.isSymLink())) {
        *taken = true;
        return QString();
    }
    if (exists && S_ISDIR(st.st_mode)) return reasonFor(EISDIR);
    if (exists && !S_ISREG(st.st_mode)) return writeDirectly(native, bytes);

    const QFileInfo t(target);
    QByteArray temp =
        QFile::encodeName(t.absolutePath() + QStringLiteral("/.") + t.fileName() + QStringLiteral(".XXXXXX"));
    g_abandoned = false;
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return reasonFor(errno);
    if (std::size_t(temp.size()) < sizeof g_temp) {
        std::memcpy(g_temp, temp.constData(), std::size_t(temp.size()) + 1);
        g_writing = true;
    }
    int error = 0;
    if (!writeAll(fd, bytes)) error = errno;
    // The replaced file keeps its permissions; a new one gets those any new file of the user gets.
    if (!error) {
        mode_t mode = st.st_mode & 07777;
        if (!exists) {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }
        if (::fchmod(fd, mode) != 0) error = errno;
    }
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    g_writing = false; // from here on this function alone removes or keeps it
    if (!error && g_abandoned) error = EINTR;
    if (!error) {
        if (replace)
            error = ::rename(temp.constData(), native.constData()) == 0 ? 0 : errno;
        else
            error = placeWithoutReplacing(temp, native);
    }
    if (error) {
        ::unlink(temp.constData());
        if (error == EEXIST && !replace) {
            *taken = true;
            return QString();
        }
        return reasonFor(error);
    }
    return QString();
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes) {
    return write(path, bytes, true, nullptr);
}

QString writeNewFile(const QString& path, const QByteArray& bytes, bool* taken) {
    *taken = false;
    return write(path, bytes, false, taken);
}

} // namespace forms
