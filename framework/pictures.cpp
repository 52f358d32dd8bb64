#include "framework/pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QSvgRenderer>
#include <memory>

namespace forms {

namespace {

QString cacheKey(const QString& resource, const QSize& pixels) {
    return QStringLiteral("%1@%2x%3").arg(resource).arg(pixels.width()).arg(pixels.height());
}

// The picture drawn once at the device's pixel size, into the cache that drawPicture reads.
QPixmap rasterise(QSvgRenderer& r, const QString& key, const QSize& pixels, double dpr) {
    QPixmap pm(pixels);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    p.end();
    pm.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pm);
    return pm;
}

} // namespace

QSvgRenderer* renderer(const QString& resource) {
    static QHash<QString, QPointer<QSvgRenderer>> cache;
    auto it = cache.find(resource);
    if (it != cache.end() && *it) return it->data();
    // Owned by the application, so it goes when the run ends.
    auto* r = new QSvgRenderer(resource, QCoreApplication::instance());
    if (!r->isValid()) {
        delete r;
        r = nullptr;
    }
    cache.insert(resource, r);
    return r;
}

QSize pictureSize(const QString& resource) {
    // Read from the opening tag, so that laying out a screen does not parse every picture on it.
    static QHash<QString, QSize> sizes;
    if (auto it = sizes.constFind(resource); it != sizes.constEnd()) return *it;
    QSize size;
    QFile f(resource);
    if (f.open(QIODevice::ReadOnly)) {
        QXmlStreamReader xml(&f);
        while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {}
        if (xml.isStartElement() && xml.name() == QLatin1String("svg")) {
            bool w = false, h = false;
            size = QSize(xml.attributes().value(QLatin1String("width")).toInt(&w),
                         xml.attributes().value(QLatin1String("height")).toInt(&h));
            if (!w || !h) size = QSize();
        }
    }
    if (size.isEmpty()) { // sizes in other units, or none: the renderer knows
        QSvgRenderer* r = renderer(resource);
        size = r ? r->defaultSize() : QSize();
    }
    sizes.insert(resource, size);
    return size;
}

void drawPicture(QPainter& p, QSvgRenderer& r, const QString& resource, const QRectF& target) {
    const bool screen = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
                        p.transform().type() <= QTransform::TxTranslate;
    if (!screen || target.isEmpty()) {
        r.render(&p, target);
        return;
    }
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QSize pixels = (target.size() * dpr).toSize();
    const QString key = cacheKey(resource, pixels);
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) pm = rasterise(r, key, pixels, dpr);
    p.drawPixmap(target.topLeft(), pm);
}

std::function<bool()> preparePicture(const QString& resource, const QSizeF& target, double dpr) {
    const QSize pixels = (target * dpr).toSize();
    const QString key = cacheKey(resource, pixels);
    // Parsing a detailed picture costs about as much as drawing it, so each is a share of its own.
    auto parsed = std::make_shared<bool>(false);
    return [resource, pixels, key, dpr, parsed]() -> bool {
        QPixmap cached;
        if (pixels.isEmpty() || QPixmapCache::find(key, &cached)) return false;
        QSvgRenderer* r = renderer(resource);
        if (!r) return false;
        if (!*parsed) {
            *parsed = true;
            return true;
        }
        rasterise(*r, key, pixels, dpr);
        return false;
    };
}

} // namespace forms
