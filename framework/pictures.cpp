#include "framework/pictures.h"

#include "framework/units.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QThreadPool>
#include <QXmlStreamReader>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace forms {

namespace {

// A picture at one pixel size.
struct Order {
    QString resource;
    QSize pixels;
    double dpr = 1;
    QString key() const {
        return QStringLiteral("%1@%2x%3@%4").arg(resource).arg(pixels.width()).arg(pixels.height()).arg(dpr);
    }
};

QSize pixelsFor(const QSizeF& target, double dpr) { return (target * dpr).toSize(); }

// The drawing itself: any thread. A picture that cannot be read is an empty image, drawn as nothing.
QImage draw(const Order& o) {
    QSvgRenderer r(o.resource);
    if (!r.isValid()) return {};
    QImage image(o.pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p, QRectF(QPointF(0, 0), QSizeF(o.pixels)));
    p.end();
    image.setDevicePixelRatio(o.dpr);
    return image;
}

// Draws pictures on the threads of Qt's global pool and keeps them for the whole run (one size per
// picture as long as the display does not change). Drawing
// there also keeps Qt's raster engine from handing each large fill to that same pool and waiting for it,
// which costs more than the fill on a small machine.
class Studio {
public:
    static Studio& instance() {
        static Studio s;
        return s;
    }

    // The drawn picture: drawn now, on a thread of its own, if nobody has started it; waits for it if
    // somebody has.
    QImage take(const Order& o) {
        const QString key = o.key();
        std::unique_lock<std::mutex> lock(m_);
        if (auto it = drawn_.constFind(key); it != drawn_.constEnd()) return *it;
        if (!busy_.contains(key)) startNow(o, key, lock);
        done_.wait(lock, [&] { return drawn_.contains(key); });
        return drawn_.value(key);
    }

    void hurry(const Order& o) {
        const QString key = o.key();
        std::unique_lock<std::mutex> lock(m_);
        if (!drawn_.contains(key) && !busy_.contains(key)) startNow(o, key, lock);
    }

    void queue(const Order& o) {
        const QString key = o.key();
        std::lock_guard<std::mutex> lock(m_);
        if (stopped_ || drawn_.contains(key) || busy_.contains(key)) return;
        for (const Order& q : queue_)
            if (q.key() == key) return;
        queue_.push_back(o);
        startBackground();
    }

private:
    Studio() {
        // Before the application takes down what drawing relies on (fonts among others): nothing more is
        // started, and what is being drawn is finished. As soon as the event loop is left, and at the latest
        // when the application object goes.
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, [] { instance().stop(); });
        qAddPostRoutine([] { instance().stop(); });
    }

    // Called with the lock held; returns with it held.
    void startNow(const Order& o, const QString& key, std::unique_lock<std::mutex>& lock) {
        queue_.erase(std::remove_if(queue_.begin(), queue_.end(), [&](const Order& q) { return q.key() == key; }),
                     queue_.end());
        busy_.insert(key);
        ++urgent_;
        lock.unlock();
        // A thread beyond the pool's count if need be: the picture is wanted now, not after the queue.
        QThreadPool* pool = QThreadPool::globalInstance();
        pool->reserveThread();
        pool->startOnReservedThread([this, o, key] { make(o, key, true); });
        lock.lock();
    }

    // Called with the lock held.
    void startBackground() {
        if (background_) return;
        background_ = true;
        QThreadPool::globalInstance()->start([this] { background(); });
    }

    void make(const Order& o, const QString& key, bool urgent) {
        const QImage image = draw(o);
        {
            std::lock_guard<std::mutex> lock(m_);
            drawn_.insert(key, image);
            busy_.remove(key);
            if (urgent) --urgent_;
        }
        done_.notify_all();
    }

    // Draws the queue, one picture after another.
    void background() {
        for (;;) {
            Order o;
            {
                // The pictures of a screen being opened go first: the queue waits for them.
                std::unique_lock<std::mutex> lock(m_);
                done_.wait(lock, [this] { return urgent_ == 0 || stopped_; });
                if (queue_.empty() || stopped_) {
                    background_ = false;
                    done_.notify_all();
                    return;
                }
                o = queue_.front();
                queue_.pop_front();
                busy_.insert(o.key());
            }
            make(o, o.key(), false);
        }
    }

    void stop() {
        std::unique_lock<std::mutex> lock(m_);
        stopped_ = true;
        queue_.clear();
        done_.wait(lock, [this] { return busy_.isEmpty() && !background_; });
    }

    std::mutex m_;
    std::condition_variable done_;
    QHash<QString, QImage> drawn_;
    QSet<QString> busy_; // being drawn now
    std::deque<Order> queue_;
    int urgent_ = 0;          // pictures wanted now, being drawn
    bool background_ = false; // a pool thread is working through the queue
    bool stopped_ = false;
};

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

namespace {
// Keeps each size it is asked for, as icons are drawn at every paint of their button. Another mode than
// the normal one (a disabled button) gets the look the style gives it.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(const QString& resource) : resource_(resource) {}

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const QSize own = pictureSize(resource_);
        return own.isEmpty() ? QSize() : own.scaled(size, Qt::KeepAspectRatio);
    }

    void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal dpr = p->device() ? p->device()->devicePixelRatioF() : 1.0;
        p->drawPixmap(rect, pixmap(rect.size() * dpr, mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QString key = QStringLiteral("%1x%2/%3").arg(size.width()).arg(size.height()).arg(int(mode));
        if (auto it = drawn_.constFind(key); it != drawn_.constEnd()) return *it;
        QPixmap pm;
        const QSize at = actualSize(size, mode, state);
        QSvgRenderer* r = at.isEmpty() ? nullptr : renderer(resource_);
        if (r) {
            pm = QPixmap(at);
            pm.fill(Qt::transparent);
            QPainter p(&pm);
            r->render(&p);
            p.end();
            if (mode != QIcon::Normal) {
                QStyleOption opt;
                opt.palette = QGuiApplication::palette();
                const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, pm, &opt);
                if (!generated.isNull()) pm = generated;
            }
        }
        drawn_.insert(key, pm);
        return pm;
    }

    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

private:
    QString resource_;
    QHash<QString, QPixmap> drawn_;
};
} // namespace

QIcon pictureIcon(const QString& resource) { return QIcon(new PictureIconEngine(resource)); }

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

void drawPicture(QPainter& p, const QString& resource, const QRectF& target) {
    if (resource.isEmpty() || target.isEmpty()) return;
    const bool screen = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
                        p.transform().type() <= QTransform::TxTranslate;
    if (!screen) {
        if (QSvgRenderer* r = renderer(resource)) r->render(&p, target);
        return;
    }
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    const QImage image = Studio::instance().take({resource, pixelsFor(target.size(), dpr), dpr});
    if (!image.isNull()) p.drawImage(target.topLeft(), image);
}

void hurryPicture(const QString& resource, const QSizeF& target, double dpr) {
    const QSize pixels = pixelsFor(target, dpr);
    if (!resource.isEmpty() && !pixels.isEmpty()) Studio::instance().hurry({resource, pixels, dpr});
}

void drawAhead(const QString& resource, const QRect& twips) {
    // The size the control will have, on the screen its window will open on.
    const QScreen* screen = QGuiApplication::primaryScreen();
    hurryPicture(resource, QSizeF(pxRect(twips.x(), twips.y(), twips.width(), twips.height()).size()),
                 screen ? screen->devicePixelRatio() : 1.0);
}

void preparePicture(const QString& resource, const QSizeF& target, double dpr) {
    const QSize pixels = pixelsFor(target, dpr);
    if (!resource.isEmpty() && !pixels.isEmpty()) Studio::instance().queue({resource, pixels, dpr});
}

} // namespace forms
