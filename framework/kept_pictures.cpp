#include "framework/kept_pictures.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace forms {

namespace {

const QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

// The start of a kept file: what the pixels after it were drawn from and at. Empty if the picture file
// cannot be read.
QByteArray header(const QString& resource, const QSize& pixels, double dpr) {
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly)) return {};
    const QByteArray content = QCryptographicHash::hash(source.readAll(), QCryptographicHash::Md5).toHex();
    return QStringLiteral("Morvelle picture 1\n%1\n%2\n%3x%4@%5 ARGB32P\nQt %6\n\n")
        .arg(resource, QString::fromLatin1(content))
        .arg(pixels.width())
        .arg(pixels.height())
        .arg(dpr)
        .arg(QString::fromLatin1(qVersion()))
        .toUtf8();
}

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
    QFile f(fileFor(folder, resource));
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = header(resource, pixels, dpr);
    QImage image(pixels, kFormat);
    if (head.isEmpty() || image.isNull() || f.size() != head.size() + image.sizeInBytes() ||
        f.read(head.size()) != head)
        return {};
    if (f.read(reinterpret_cast<char*>(image.bits()), image.sizeInBytes()) != image.sizeInBytes()) return {};
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
