#pragma once
// What the benchmark's child processes share: a clock that means the same in every process, an application
// that notices when a window's first frame is painted and how long each event holds the loop, and the
// process's memory as the kernel counts it.
#include <QApplication>
#include <QFile>
#include <QWidget>
#include <cstdint>
#include <ctime>
#include <functional>

namespace bench {

// CLOCK_MONOTONIC, so a time taken in the parent can be compared with one taken in its child.
inline std::int64_t nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// CPU time of the whole process since it started: unlike the wall clock, it barely moves with the load
// other programs put on the machine.
inline std::int64_t cpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// A moment on both clocks, and the time between two of them.
struct Stamp {
    std::int64_t wall = nowNs();
    std::int64_t cpu = cpuNs();
};
struct Span {
    std::int64_t wall = -1;
    std::int64_t cpu = -1;
};
inline Span since(const Stamp& s) {
    const Stamp now;
    return {now.wall - s.wall, now.cpu - s.cpu};
}

// A field of /proc/self/status ("VmRSS", "VmHWM") in KiB.
inline long statusKiB(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key)) return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    return -1;
}

class ProbeApp : public QApplication {
public:
    using QApplication::QApplication;

    // Called once, when the event during which the named top-level window (or any part of it: an opaque
    // child may spare the window itself) painted has been handled: by then the whole frame is drawn and
    // handed to the platform.
    void onFirstFrame(const QString& windowName, std::function<void()> f) {
        frameWindow_ = windowName;
        painted_ = false;
        onFrame_ = std::move(f);
    }
    // Called with the duration of every event handled straight from the event loop.
    std::function<void(const Span&)> onDispatch;
    // Events for this object are left out of onDispatch (the benchmark's own polling timer).
    const QObject* quiet = nullptr;

    bool notify(QObject* receiver, QEvent* e) override {
        const bool outer = depth_++ == 0;
        const Stamp t0 = outer ? Stamp() : Stamp{0, 0};
        if (onFrame_ && e->type() == QEvent::Paint && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->window()->objectName() == frameWindow_)
            painted_ = true;
        const bool result = QApplication::notify(receiver, e);
        --depth_;
        if (outer) {
            if (onDispatch && receiver != quiet) onDispatch(since(t0));
            if (painted_ && onFrame_) {
                auto f = std::move(onFrame_);
                onFrame_ = nullptr;
                painted_ = false;
                f();
            }
        }
        return result;
    }

private:
    int depth_ = 0;
    QString frameWindow_;
    bool painted_ = false;
    std::function<void()> onFrame_;
};

} // namespace bench
