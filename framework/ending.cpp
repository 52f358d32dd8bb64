// The end asked for from outside: SIGTERM from the session or the system, SIGINT from a terminal, SIGHUP
// when the terminal goes. The handler only notes it; the event loop then ends the run as Quit does.
#include "framework/forms.h"
#include "framework/safe_file.h"

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace forms {

namespace {

int g_pipe[2] = {-1, -1};
std::atomic<bool> g_requested{false};

void onSignal(int number) {
    const int saved = errno;
    g_requested = true;
    abandonTemporaryFile();
    // A second one does what it always did: a program that does not end on the first is ended anyway.
    struct sigaction usual {};
    usual.sa_handler = SIG_DFL;
    sigemptyset(&usual.sa_mask);
    sigaction(number, &usual, nullptr);
    const char byte = 1;
    if (::write(g_pipe[1], &byte, 1) < 0) {
        // The pipe is full: the loop has a byte to read already.
    }
    errno = saved;
}

void install() {
    struct sigaction noted {};
    noted.sa_handler = onSignal;
    sigemptyset(&noted.sa_mask);
    noted.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGINT, SIGHUP})
        sigaction(number, &noted, nullptr);
}

} // namespace

void endOnSignals() {
    if (g_pipe[0] < 0) {
        if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
        auto* heard = new QSocketNotifier(qintptr(g_pipe[0]), QSocketNotifier::Read, &runEnding());
        QObject::connect(heard, &QSocketNotifier::activated, [] {
            char bytes[16];
            while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
            }
            End();
        });
    }
    install();
}

bool endRequested() {
    return g_requested || ended();
}

// A fresh run in the same process (the tests) starts with no end asked for; it listens again only if told to.
void forgetSignals() {
    g_requested = false;
}

} // namespace forms
