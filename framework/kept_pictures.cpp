#include "framework/kept_pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QResource>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace forms {

namespace {

const QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// What tells one picture file from another: its contents as stored, compressed or not (a resource is not
// unpacked for it). Empty if it cannot be read.
QByteArray contentsOf(const QString& resource) {
    const QResource r(resource);
    if (r.isValid() && r.data()) {
        const QByteArrayView stored(reinterpret_cast<const char*>(r.data()), r.size());
        return QCryptographicHash::hash(stored, QCryptographicHash::Md5).toHex() + ' ' +
               QByteArray::number(int(r.compressionAlgorithm()));
    }
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(source.readAll(), QCryptographicHash::Md5).toHex();
}

// The start of a kept file: what the pixels after it were drawn from and at, padded so that the pixels
// that follow are aligned. Empty if the picture file cannot be read.
QByteArray header(const QString& resource, const QSize& pixels, double dpr) {
    const QByteArray content = contentsOf(resource);
    if (content.isEmpty()) return {};
    QByteArray head = QStringLiteral("Morvelle picture 1\n%1\n%2\n%3x%4@%5 ARGB32P\nQt %6\n")
                          .arg(resource, QString::fromLatin1(content))
                          .arg(pixels.width())
                          .arg(pixels.height())
                          .arg(dpr)
                          .arg(QString::fromLatin1(qVersion()))
                          .toUtf8();
    return head.append(16 - head.size() % 16, '\n');
}

// A file's contents, mapped for reading for as long as the image made on them lives.
struct Mapping {
    void* at = MAP_FAILED;
    size_t length = 0;
    ~Mapping() {
        if (at != MAP_FAILED) munmap(at, length);
    }
};

// One file for each picture at each size it is drawn at.
QString fileFor(const QString& folder, const QString& resource, const QSize& pixels, double dpr) {
    const QString drawing =
        QStringLiteral("%1 %2x%3@%4").arg(resource).arg(pixels.width()).arg(pixels.height()).arg(dpr);
    const QByteArray name = QCryptographicHash::hash(drawing.toUtf8(), QCryptographicHash::Md5).toHex();
    return QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".pixels"));
}

} // namespace

QString keptPicturesFolder() {
    static const QString folder = [] {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        return cache.isEmpty() ? QString() : cache + QStringLiteral("/pictures");
    }();
    return folder;
}

QImage keptPicture(const QString& folder, const QString& resource, const QSize& pixels, double dpr) {
    if (folder.isEmpty() || pixels.isEmpty()) return {};
    // The pixels are read where the file lies, not copied: fresh memory for a copy costs more to touch for
    // the first time than the reading itself.
    const int fd =
        open(QFile::encodeName(fileFor(folder, resource, pixels, dpr)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {}; // nothing kept: the picture file is not even read
    const QByteArray head = header(resource, pixels, dpr);
    auto map = std::make_unique<Mapping>();
    struct stat st {};
    const qint64 bytes = qint64(pixels.width()) * pixels.height() * 4;
    if (!head.isEmpty() && fstat(fd, &st) == 0 && st.st_size == head.size() + bytes) {
        map->length = size_t(st.st_size);
        map->at = mmap(nullptr, map->length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    }
    close(fd);
    if (map->at == MAP_FAILED) return {};
    const auto* start = static_cast<const uchar*>(map->at);
    if (QByteArray::fromRawData(reinterpret_cast<const char*>(start), head.size()) != head) return {};
    QImage image(
        start + head.size(), pixels.width(), pixels.height(), pixels.width() * 4, kFormat,
        [](void* m) { delete static_cast<Mapping*>(m); }, map.get());
    if (image.isNull()) return {};
    map.release(); // the image's now
    image.setDevicePixelRatio(dpr);
    return image;
}

bool keepPicture(const QString& folder, const QString& resource, const QImage& drawn) {
    if (folder.isEmpty() || drawn.isNull()) return false;
    const QImage image = drawn.convertToFormat(kFormat);
    const QByteArray head = header(resource, image.size(), image.devicePixelRatio());
    if (head.isEmpty() || !QDir().mkpath(folder)) return false;
    // Written beside, then put in place whole: a reader never sees half a file, even with two runs at once.
    // Not forced to the disk: a file the system lost in a crash reads as nothing, and is drawn again.
    const QString file = fileFor(folder, resource, image.size(), image.devicePixelRatio());
    QTemporaryFile f(file + QStringLiteral(".XXXXXX"));
    if (!f.open() || f.write(head) != head.size() ||
        f.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) !=
            image.sizeInBytes() ||
        !f.flush())
        return false;
    if (std::rename(QFile::encodeName(f.fileName()).constData(), QFile::encodeName(file).constData()) != 0)
        return false;
    f.setAutoRemove(false); // it is the kept file now
    return true;
}

} // namespace forms
