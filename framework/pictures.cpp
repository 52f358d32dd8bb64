#include "framework/pictures.h"

#include <QCoreApplication>
#include <QHash>
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

} // namespace forms
