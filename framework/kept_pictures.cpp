#include "framework/kept_pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace forms {

namespace {

const QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// The start of a kept file: what the pixels after it were drawn from and at, padded so that the pixels
// that follow are aligned. Empty if the picture file cannot be read.
QByteArray header(const QString& resource, const QSize& pixels, double dpr) {
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly)) return {};
    const QByteArray content = QCryptographicHash::hash(source.readAll(), QCryptographicHash::Md5).toHex();
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

QString fileFor(const QString& folder, const QString& resource) {
    const QByteArray name = QCryptographicHash::hash(resource.toUtf8(), QCryptographicHash::Md5).toHex();
    return QDir(folder).filePath(QString::fromLatin1(name) + QStringLiteral(".pixels"));
}

} // namespace

QString keptPicturesFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/pictures");
}

QImage keptPicture(const QString& folder, const QString& resource, const QSize& pixels, double dpr) {
    if (folder.isEmpty() || pixels.isEmpty()) return {};
    const QByteArray head = header(resource, pixels, dpr);
    if (head.isEmpty()) return {};
    // The pixels are read where the file lies, not copied: fresh memory for a copy costs more to touch for
    // the first time than the reading itself.
    const int fd = open(QFile::encodeName(fileFor(folder, resource)).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return {};
    auto map = std::make_unique<Mapping>();
    struct stat st {};
    const qint64 bytes = qint64(pixels.width()) * pixels.height() * 4;
    if (fstat(fd, &st) == 0 && st.st_size == head.size() + bytes) {
        map->length = size_t(st.st_size);
        map->at = mmap(nullptr, map->length, PROT_READ, MAP_PRIVATE, fd, 0);
    }
    close(fd);
    if (map->at == MAP_FAILED) return {};
    const auto* start = static_cast<const uchar*>(map->at);
    if (QByteArray::fromRawData(reinterpret_cast<const char*>(start), head.size()) != head) return {};
    QImage image(start + head.size(), pixels.width(), pixels.height(), pixels.width() * 4, kFormat,
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
    QSaveFile f(fileFor(folder, resource));
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(head);
    f.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return f.commit();
}

} // namespace forms
