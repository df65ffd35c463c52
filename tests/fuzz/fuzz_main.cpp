// The event-sequence fuzzer.
//
//   event_fuzzer [--seeds A-B] [--events N]
//                                     runs seeds A to B (default 1-10), N random actions each
//                                     (default 5000); EXAMDECK_FUZZ_SEEDS and
//                                     EXAMDECK_FUZZ_EVENTS override both, for long soaks;
//                                     each seed in a child process; a failing seed is shrunk
//                                     to the shortest list of actions that still fails
//   event_fuzzer --seed S --events N --log FILE     one seed, in this process
//   event_fuzzer --replay FILE --seed S             replays a list of actions
//
// The program runs in data/, where its diagrams and exhibits are; with
// EXAMDECK_FUZZ_NO_DATA set it runs where there are none.

#include "fuzz_driver.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

using namespace examdeck::fuzz;

namespace {

std::vector<action> read_actions(const QString& path)
{
    std::vector<action> list;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return list;
    for (const QByteArray& line : f.readAll().split('\n')) {
        action a;
        if (action::parse(QString::fromUtf8(line), a))
            list.push_back(a);
    }
    return list;
}

void write_actions(const QString& path, const std::vector<action>& list)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    for (const action& a : list)
        f.write(a.serialise().toUtf8() + '\n');
}

int child(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QStringList args = application.arguments();
    auto value = [&](const char* name) {
        const qsizetype i = args.indexOf(QString::fromLatin1(name));
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
    };
    const std::uint64_t seed = value("--seed").toULongLong();
    // The program looks its diagrams and exhibits up in its working folder;
    // EXAMDECK_FUZZ_NO_DATA runs it where there are none.
    if (qEnvironmentVariableIsEmpty("EXAMDECK_FUZZ_NO_DATA"))
        QDir::setCurrent(QStringLiteral(EXAMDECK_DATA_DIR));
    else
        QDir::setCurrent(QDir::tempPath());
    outcome result;
    if (!value("--replay").isEmpty()) {
        result = replay(seed, read_actions(value("--replay")));
    } else {
        QFile log(value("--log"));
        if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return 2;
        result = run_random(seed, value("--events").toLong(),
                            [&log](const action& a) { log.write(a.serialise().toUtf8() + '\n'); });
    }
    if (result.failed) {
        std::printf("FAULT: %s\n", qPrintable(result.violation));
        return 1;
    }
    std::printf(
        "events %ld, program runs %d, quizzes ended %d, answer windows %d, deepest question %d\n",
        result.events, result.runs, result.quizzes_ended, result.answer_windows,
        result.deepest_question);
    return 0;
}

struct seed_range {
    std::uint64_t first, last;
};

seed_range parse_seeds(const QString& text)
{
    const QStringList parts = text.split(u'-');
    const std::uint64_t first = parts.value(0).toULongLong();
    return {first, parts.size() > 1 ? parts[1].toULongLong() : first};
}

// Runs the child on a list; true when it fails.
bool fails(const QString& self, std::uint64_t seed, const std::vector<action>& list,
           const QString& file)
{
    write_actions(file, list);
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(self, {"--replay", file, "--seed", QString::number(seed)});
    p.waitForFinished(-1);
    return p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0;
}

// Delta debugging: drop chunks of actions while the run still fails.
std::vector<action> shrink(const QString& self, std::uint64_t seed, std::vector<action> list,
                           const QString& file)
{
    std::size_t chunk = list.size() / 2;
    while (chunk >= 1) {
        bool removed = false;
        for (std::size_t start = 0; start < list.size();) {
            std::vector<action> shorter(list.begin(), list.begin() + start);
            shorter.insert(shorter.end(), list.begin() + std::min(list.size(), start + chunk),
                           list.end());
            if (fails(self, seed, shorter, file)) {
                list = shorter;
                removed = true;
            } else {
                start += chunk;
            }
        }
        if (!removed)
            chunk /= 2;
    }
    return list;
}

int supervisor(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    // The environment (for long soaks) over the command line over the defaults.
    const QStringList args = application.arguments();
    auto setting = [&](const char* env, const char* arg, const char* fallback) {
        if (!qEnvironmentVariableIsEmpty(env))
            return qEnvironmentVariable(env);
        const qsizetype i = args.indexOf(QString::fromLatin1(arg));
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString::fromLatin1(fallback);
    };
    const seed_range seeds = parse_seeds(setting("EXAMDECK_FUZZ_SEEDS", "--seeds", "1-10"));
    const long events = setting("EXAMDECK_FUZZ_EVENTS", "--events", "5000").toLong();
    QTemporaryDir work;
    long total = 0;
    int faults = 0;
    QElapsedTimer clock;
    clock.start();
    for (std::uint64_t seed = seeds.first; seed <= seeds.last; ++seed) {
        const QString log = work.filePath(QStringLiteral("seed-%1.log").arg(seed));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(self, {"--seed", QString::number(seed), "--events", QString::number(events),
                       "--log", log});
        p.waitForFinished(-1);
        const QString output = QString::fromLocal8Bit(p.readAll()).trimmed();
        const bool ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        const std::vector<action> performed = read_actions(log);
        total += static_cast<long>(performed.size());
        if (ok) {
            std::printf("seed %llu: %s\n", static_cast<unsigned long long>(seed),
                        qPrintable(output.section(u'\n', -1)));
            std::fflush(stdout);
            continue;
        }
        ++faults;
        std::printf("seed %llu FAILED after %zu actions:\n%s\nshrinking...\n",
                    static_cast<unsigned long long>(seed), performed.size(),
                    qPrintable(output.right(3000)));
        std::fflush(stdout);
        const std::vector<action> shortest =
            shrink(self, seed, performed, work.filePath(QStringLiteral("try.log")));
        std::printf("shortest sequence for seed %llu (%zu actions):\n",
                    static_cast<unsigned long long>(seed), shortest.size());
        for (const action& a : shortest)
            std::printf("  %s\n      %s\n", qPrintable(a.describe()), qPrintable(a.serialise()));
    }
    std::printf("%ld events over %llu seeds in %.1f s, %d fault(s)\n", total,
                static_cast<unsigned long long>(seeds.last - seeds.first + 1),
                clock.elapsed() / 1000.0, faults);
    return faults == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--seed" || QByteArray(argv[i]) == "--replay")
            return child(argc, argv);
    return supervisor(argc, argv);
}
