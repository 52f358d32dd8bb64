#include "framework/pictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QSvgRenderer>

namespace forms {

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
    QSvgRenderer* r = renderer(resource);
    return r ? r->defaultSize() : QSize();
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
    const QString key = QStringLiteral("%1@%2x%3").arg(resource).arg(pixels.width()).arg(pixels.height());
    QPixmap pm;
    if (!QPixmapCache::find(key, &pm)) {
        pm = QPixmap(pixels);
        pm.fill(Qt::transparent);
        QPainter pp(&pm);
        pp.setRenderHint(QPainter::Antialiasing);
        r.render(&pp, QRectF(QPointF(0, 0), QSizeF(pixels)));
        pp.end();
        pm.setDevicePixelRatio(dpr);
        QPixmapCache::insert(key, pm);
    }
    p.drawPixmap(target.topLeft(), pm);
}

} // namespace forms
