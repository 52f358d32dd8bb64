#include "app/wiring.h"

#include "exercises/registry.h"
#include "framework/pictures.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <future>
#include <malloc.h>
#include <sys/mman.h>

App::App() : nav([this](int n) { exercise(n).Show(); }) {
    for (int n = 1; n <= 20; ++n) exercises_[std::size_t(n)] = makeExercise(n, &nav.accueil);
    nav.closeExercises = [this] {
        for (int n = 1; n <= 20; ++n) exercise(n).Close();
    };
    // A run that ends before its summary (the desktop session logging out, the program told to quit)
    // still leaves the pupil's results for the teacher, as they stand.
    auto deposit = [this] {
        const QString why = nav.bilan.deposit();
        if (!why.isEmpty())
            qWarning("Morvelle 3 : les résultats n'ont pas pu être déposés dans le dossier de la classe : %s",
                     qPrintable(why));
    };
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &guard_, deposit);
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &guard_, [deposit](QSessionManager&) { deposit(); },
        Qt::DirectConnection);
}

void App::prepareExercises() {
    for (int n = 1; n <= 20; ++n) preparation_.push_back(n);
    prepareNext();
}

void App::prepareNext() {
    // One screen per turn of the event loop, so the screen on show answers the pupil all along; building a
    // screen tells which pictures it draws, and those are drawn in the background. A screen the pupil has
    // just opened comes first: nothing is readied until it has had time to show.
    if (preparation_.empty()) return;
    const int kOpening = 50;
    QTimer::singleShot(std::max(0, kOpening - forms::msSinceShow()), &guard_, [this, kOpening] {
        if (preparation_.empty()) return;
        if (forms::msSinceShow() >= kOpening) {
            const int n = preparation_.front();
            preparation_.pop_front();
            exercise(n).prepare();
        }
        prepareNext();
    });
}

void App::start() {
    nav.presentation.Show();
    // The exercise screens are readied while the pupil goes through the splash, the notice and the
    // identification: by the time the home screen shows, they open at once.
    prepareExercises();
}

namespace {
// The reading of the fonts: started before the application object exists, finished after.
struct FontReading {
    std::future<void> done;
    std::promise<void> appMade; // goes first at exit, so that a reading still waiting for it ends
};
FontReading& fontReading() {
    static FontReading r;
    return r;
}
} // namespace

void keepLargeBuffersInLargePages() {
    // A window's contents are a large buffer (3 MiB for an exercise screen), fresh memory the first time it
    // is drawn. On a virtual machine the first touch of each fresh 4 KiB page is slow (about 10 us here): a
    // screen's first paint paid more for its buffer than for drawing it. So large buffers are kept in the
    // heap, not in mappings of their own that go back to the system when the window closes; the heap is
    // grown once, at start, by a span the kernel may back with 2 MiB pages (one fault each); and memory
    // freed at the top of the heap stays there for the next screen.
    constexpr std::size_t kSpan = 30u << 20; // below the largest block the heap may be asked for
    constexpr std::size_t kLargePage = 2u << 20;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    void* spans[2] = {std::malloc(kSpan), std::malloc(kSpan)};
    for (void* p : spans) {
        if (!p) continue;
        const auto from = (reinterpret_cast<std::uintptr_t>(p) + kLargePage - 1) & ~std::uintptr_t(kLargePage - 1);
        const auto to = (reinterpret_cast<std::uintptr_t>(p) + kSpan) & ~std::uintptr_t(kLargePage - 1);
        if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    }
    for (void* p : spans) std::free(p);
}

FcConfig* readFontConfiguration() {
    // What FcInit reads, less the templates: fontconfig also reads every configuration file it merely offers
    // (a third of its reading) so that its listing tool can describe them, and nothing else uses that.
    FcConfig* config = FcConfigCreate();
    if (!config) return nullptr;
    bool cached = false;
    if (FcConfigParseAndLoad(config, nullptr, FcTrue)) {
        // Without a cache folder, fontconfig's own start adds one; the usual way is then the better one.
        FcStrList* dirs = FcConfigGetCacheDirs(config);
        cached = dirs && FcStrListNext(dirs);
        if (dirs) FcStrListDone(dirs);
    }
    if (cached && FcConfigBuildFonts(config)) return config;
    FcConfigDestroy(config);
    return nullptr;
}

void startReadingFonts() {
    FontReading& r = fontReading();
    r.done = std::async(std::launch::async, [appMade = r.appMade.get_future()]() mutable {
        if (FcConfig* config = readFontConfiguration()) {
            FcConfigSetCurrent(config);
            FcConfigDestroy(config); // the current configuration keeps its own reference
        }
        FcInit(); // reads the configuration the usual way if the quicker one did not
        // Then Qt's list of the system's fonts, which any thread may make once the application object
        // exists; Qt would read the configuration again if asked for a font before the reading is over.
        // On this thread, which goes on at once, where another would first have to be woken.
        try {
            appMade.get();
        } catch (const std::future_error&) {
            return; // the program ended before
        }
        QFontDatabase::families();
    });
}

void initialiseProgram() {
    // The splash picture is drawn, and the fonts are read, while the rest is set up.
    frmPresentation::drawAhead();
    FontReading& fonts = fontReading();
    if (!fonts.done.valid()) startReadingFonts();
    fonts.appMade.set_value();
    forms::initialise();
    QApplication::setWindowIcon(forms::pictureIcon(QStringLiteral(":/assets/common/app_icon.svg")));
    // Qt's own dialogs (the save dialog of the summary) speak French too.
    auto* qt = new QTranslator(qApp);
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    fonts.done.wait();
}
