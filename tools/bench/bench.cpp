// Measures what a pupil waits for and what the program holds, and prints it as a table of medians:
//   morvelle3-bench [--short] [--runs R] [--cycles N] [--display]
// Every figure comes from a fresh process. Offscreen unless --display asks for the real display.
#include "app/wiring.h"
#include "tools/bench/probe.h"
#include "tools/bench/scenarios.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Options {
    int runs = 5;
    int cycles = 1000;
    bool display = false;
};

using Samples = std::vector<double>;

double median(Samples v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double maxOf(const Samples& v) { return v.empty() ? -1 : *std::max_element(v.begin(), v.end()); }

class Parent {
public:
    explicit Parent(const Options& o) : o_(o) {}

    // Runs a child and returns its "key value..." lines, split in words.
    QList<QStringList> child(const QString& program, QStringList args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!o_.display) env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const std::int64_t start = bench::nowNs();
        if (args.contains(QStringLiteral("START"))) args.replaceInStrings(QStringLiteral("START"), QString::number(start));
        p.start(program, args);
        if (!p.waitForFinished(30 * 60 * 1000) || p.exitCode() != 0)
            std::fprintf(stderr, "morvelle3-bench: %s %s failed\n", qPrintable(program), qPrintable(args.join(' ')));
        QList<QStringList> lines;
        for (const QByteArray& l : p.readAllStandardOutput().split('\n'))
            if (!l.trimmed().isEmpty()) lines << QString::fromUtf8(l).split(' ');
        return lines;
    }
    QList<QStringList> self(const QStringList& args) {
        return child(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child")} + args);
    }

    void measure() {
        const QString bare = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("morvelle3-bare"));
        // Side by side, so that a busy moment weighs on both; five times as often as the rest, as it takes
        // little time and the machine's moods move it most.
        for (int r = 0; r < 5 * o_.runs; ++r) {
            collect(child(bare, {QStringLiteral("START")}), QStringLiteral("bare"));
            collect(self({QStringLiteral("startup"), QStringLiteral("START")}));
        }
        for (int r = 0; r < o_.runs; ++r)
            for (int n = 1; n <= 20; ++n) collect(self({QStringLiteral("first"), QString::number(n)}));
        for (int r = 0; r < o_.runs; ++r) {
            collect(self({QStringLiteral("prepared")}));
            collect(self({QStringLiteral("run")}));
            collect(self({QStringLiteral("ready")}));
        }
        collect(self({QStringLiteral("cycles"), QString::number(o_.cycles)}));
    }

    void print() const {
        QTextStream s(stdout);
        s.setRealNumberNotation(QTextStream::FixedNotation);
        s.setRealNumberPrecision(1);
        s << "Machine: " << cpu() << ", " << QThread::idealThreadCount() << " cores, " << QSysInfo::prettyProductName()
          << "; load average before: " << load_ << "\n";
        s << "Platform: " << (o_.display ? "display" : "offscreen") << "; medians over " << o_.runs
          << " runs (" << 5 * o_.runs
          << " for start-up); times in ms, wall clock (CPU time of the process in brackets)\n\n";
        auto cell = [this](const char* key, int n) {
            return QStringLiteral("%1 (%2)").arg(median(series(wall_, key, n)), 0, 'f', 1).arg(median(series(cpu_, key, n)), 0, 'f', 1);
        };
        auto ratio = [this](const QMap<QString, Samples>& m, const char* key) {
            const double b = median(series(m, "bare", 0));
            return b > 0 ? median(series(m, key, 0)) / b : 0.0;
        };
        s << "| start-up to the painted splash | Morvelle 3 | bare window | ratio |\n|---|---|---|---|\n";
        s << "| | " << cell("startup", 0) << " | " << cell("bare", 0) << " | "
          << QString::number(ratio(wall_, "startup"), 'f', 2) << " ("
          << QString::number(ratio(cpu_, "startup"), 'f', 2) << ") |\n\n";
        s << "| screen | tick to painted, prepared | first open, nothing readied yet | after " << o_.cycles
          << " cycles |\n|---|---|---|---|\n";
        double worst = 0, worstCpu = 0;
        for (int n = 1; n <= 20; ++n) {
            for (const char* k : {"prepared", "first", "after"}) {
                worst = std::max(worst, median(series(wall_, k, n)));
                worstCpu = std::max(worstCpu, median(series(cpu_, k, n)));
            }
            s << "| Exercice" << n << " | " << cell("prepared", n) << " | " << cell("first", n) << " | "
              << cell("after", n) << " |\n";
        }
        s << "\n| figure | value |\n|---|---|\n";
        s << "| slowest screen, any column | " << worst << " (" << worstCpu << ") ms |\n";
        s << "| every screen readied, from the splash's first frame | " << median(series(wall_, "ready", 0)) << " ("
          << median(series(cpu_, "ready", 0)) << ") ms |\n";
        s << "| longest event held during preparation (worst run) | " << maxOf(series(wall_, "block", 0)) << " ("
          << maxOf(series(cpu_, "block", 0)) << ") ms |\n";
        s << "| peak memory, whole run to the summary | " << median(series(wall_, "peak", 0)) / 1024 << " MiB |\n";
        s << "| memory growth over " << o_.cycles << " cycles of every screen | "
          << median(series(wall_, "growth", 0)) / 1024 << " MiB |\n";
    }

    QString load_;

private:
    // "key n wall cpu" (per screen), "key wall cpu" or "key KiB"; times in ns.
    void collect(const QList<QStringList>& lines, const QString& rename = QString()) {
        for (const QStringList& l : lines) {
            const QString key = rename.isEmpty() ? l.value(0) : rename;
            if (l.size() == 4) {
                wall_[key + l[1]].push_back(l[2].toDouble() / 1e6);
                cpu_[key + l[1]].push_back(l[3].toDouble() / 1e6);
            } else if (l.size() == 3) {
                wall_[key + '0'].push_back(l[1].toDouble() / 1e6);
                cpu_[key + '0'].push_back(l[2].toDouble() / 1e6);
            } else if (l.size() == 2) {
                wall_[key + '0'].push_back(l[1].toDouble());
            }
        }
    }
    static Samples series(const QMap<QString, Samples>& m, const char* key, int n) {
        return m.value(QString::fromLatin1(key) + QString::number(n));
    }
    static QString cpu() {
        QFile f(QStringLiteral("/proc/cpuinfo"));
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& l : f.readAll().split('\n'))
                if (l.startsWith("model name")) return QString::fromUtf8(l.mid(l.indexOf(':') + 1).trimmed());
        return QSysInfo::currentCpuArchitecture();
    }

    Options o_;
    QMap<QString, Samples> wall_, cpu_;
};

QString loadAverage() {
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).section(' ', 0, 2) : QStringLiteral("?");
}

int childMain(int argc, char** argv) {
    const QByteArray what = argv[2];
    const QByteArray arg = argc > 3 ? QByteArray(argv[3]) : QByteArray();
    const std::int64_t start = what == "startup" ? arg.toLongLong() : 0;
    bench::ProbeApp app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvelle 3")); // as main() does
    if (what == "startup") return bench::startupChild(app, start);
    if (what == "ready") return bench::readyChild(app);
    if (what == "first") return bench::firstOpenChild(app, arg.toInt());
    if (what == "prepared") return bench::preparedChild(app);
    if (what == "run") return bench::wholeRunChild(app);
    if (what == "cycles") return bench::cyclesChild(app, arg.toInt());
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[1]) == "--child") return childMain(argc, argv);
    Options o;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a = argv[i];
        if (a == "--short") {
            o.runs = 1;
            o.cycles = 10;
        } else if (a == "--runs" && i + 1 < argc) {
            o.runs = std::max(1, atoi(argv[++i]));
        } else if (a == "--cycles" && i + 1 < argc) {
            o.cycles = std::max(0, atoi(argv[++i]));
        } else if (a == "--display") {
            o.display = true;
        } else {
            std::fprintf(stderr, "usage: morvelle3-bench [--short] [--runs R] [--cycles N] [--display]\n");
            return 2;
        }
    }
    QCoreApplication app(argc, argv);
    Parent p(o);
    p.load_ = loadAverage();
    p.measure();
    p.print();
    return 0;
}
