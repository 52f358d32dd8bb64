#include "tools/bench/scenarios.h"

#include "app/wiring.h"
#include "tools/bench/probe.h"

#include <QEventLoop>
#include <QTextStream>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <malloc.h>
#include <vector>

namespace bench {

namespace {

QTextStream& out() {
    static QTextStream s(stdout);
    return s;
}

QTextStream& operator<<(QTextStream& s, const Span& t) { return s << t.wall << ' ' << t.cpu; }

Span median(std::vector<Span> v) {
    if (v.empty()) return {};
    std::sort(v.begin(), v.end(), [](const Span& a, const Span& b) { return a.wall < b.wall; });
    return v[v.size() / 2];
}

// The offscreen platform's screen is smaller than the display the program is laid out for; the
// figures are taken at the design's own scale, as on a 1024 x 768 screen.
void setUp() {
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) forms::setDisplay(QRect(0, 0, 1024, 768));
}

// Runs the event loop until the named window's first frame is painted (after start() has asked for it);
// the time since start() was called, or -1 if no frame came within five seconds.
Span untilFrame(ProbeApp& app, const QString& window, const std::function<void()>& start) {
    QEventLoop loop;
    Span took;
    const Stamp from;
    app.onFirstFrame(window, [&] {
        took = since(from);
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    start();
    if (took.wall < 0) loop.exec();
    app.onFirstFrame(QString(), nullptr);
    return took;
}

// Lets deleted windows go.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Runs the event loop until nothing but our own polling has happened for quietMs: preparation is over.
// Returns the longest single event handled meanwhile.
Span untilIdle(ProbeApp& app, int quietMs = 300) {
    Span longest{0, 0};
    int handled = 0;
    app.onDispatch = [&](const Span& t) {
        longest.wall = std::max(longest.wall, t.wall);
        longest.cpu = std::max(longest.cpu, t.cpu);
        ++handled;
    };
    QEventLoop loop;
    QTimer poll;
    app.quiet = &poll;
    int quietPolls = 0, seen = 0;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        quietPolls = handled == seen ? quietPolls + 1 : 0;
        seen = handled;
        if (quietPolls * 20 >= quietMs) loop.quit();
    });
    poll.start(20);
    loop.exec();
    app.onDispatch = nullptr;
    app.quiet = nullptr;
    return longest;
}

// From the splash screen through the notice and the identification to the home screen, as a pupil
// clicks through them; returns once the home screen is painted.
void reachHome(ProbeApp& app, App& run) {
    Navigation& nav = run.nav;
    run.start();
    nav.presentation.Image1_Click();
    nav.info1.cmdOK_Click();
    nav.id.txtNom->setText(QStringLiteral("Dupont"));
    untilFrame(app, nav.accueil.name(), [&] { nav.id.Command1_Click(); });
}

// The tick on the home screen to the exercise's painted screen.
Span open(ProbeApp& app, App& run, int n) {
    return untilFrame(app, run.exercise(n).name(), [&] { run.nav.accueil.chkExo[std::size_t(n)]->QCheckBox::click(); });
}

void abandon(App& run, int n) {
    run.exercise(n).imgAbandon_Click();
    settle();
}

void printOpenings(ProbeApp& app, App& run, const char* key, int times) {
    for (int n = 1; n <= 20; ++n) {
        std::vector<Span> t;
        for (int i = 0; i < times; ++i) {
            t.push_back(open(app, run, n));
            abandon(run, n);
        }
        out() << key << ' ' << n << ' ' << median(t) << '\n';
    }
}

long liveKiB() {
    settle();
    malloc_trim(0); // what the program holds, not what the allocator keeps in hand
    return statusKiB("VmRSS");
}

} // namespace

int startupChild(ProbeApp& app, std::int64_t startNs) {
    setUp();
    initialiseProgram();
    App run;
    // The platform may paint the first frame while the window is being shown, before the loop runs.
    bool painted = false;
    app.onFirstFrame(run.nav.presentation.name(), [&] {
        out() << "startup " << nowNs() - startNs << ' ' << cpuNs() << '\n';
        out().flush();
        painted = true;
        QCoreApplication::exit(0);
    });
    run.start();
    return painted ? 0 : QApplication::exec();
}

int readyChild(ProbeApp& app) {
    setUp();
    initialiseProgram();
    App run;
    untilFrame(app, run.nav.presentation.name(), [&] { run.start(); });
    const Stamp painted;
    while (run.preparing()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QThreadPool::globalInstance()->waitForDone(); // the pictures drawn in the background
    out() << "ready " << since(painted) << '\n';
    return 0;
}

int firstOpenChild(ProbeApp& app, int n) {
    setUp();
    initialiseProgram();
    App run;
    reachHome(app, run);
    out() << "first " << n << ' ' << open(app, run, n) << '\n';
    return 0;
}

int preparedChild(ProbeApp& app) {
    setUp();
    initialiseProgram();
    App run;
    reachHome(app, run);
    out() << "block " << untilIdle(app) << '\n';
    printOpenings(app, run, "prepared", 3);
    return 0;
}

int wholeRunChild(ProbeApp& app) {
    setUp();
    initialiseProgram();
    App run;
    reachHome(app, run);
    for (int n = 1; n <= 20; ++n) {
        forms::ExerciseScreen& ex = run.exercise(n);
        open(app, run, n);
        if (!ex.enterRightAnswers()) ex.enterWrongAnswers();
        ex.imgValidation_Click();
        QCoreApplication::processEvents();
        ex.imgContinuer_Click();
        settle();
    }
    untilFrame(app, run.nav.bilan.name(), [&] { run.nav.accueil.cmdQuitter_Click(); });
    out() << "peak " << statusKiB("VmHWM") << '\n';
    return 0;
}

int cyclesChild(ProbeApp& app, int cycles) {
    setUp();
    initialiseProgram();
    App run;
    reachHome(app, run);
    untilIdle(app);
    for (int n = 1; n <= 20; ++n) { // every cache the screens fill for good, filled once
        open(app, run, n);
        abandon(run, n);
    }
    const long before = liveKiB();
    for (int c = 0; c < cycles; ++c)
        for (int n = 1; n <= 20; ++n) {
            open(app, run, n);
            abandon(run, n);
        }
    out() << "growth " << liveKiB() - before << '\n';
    printOpenings(app, run, "after", 3);
    return 0;
}

} // namespace bench
