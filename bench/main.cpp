// Prints how long the program takes to map its entry window and how much
// memory it then holds, beside bare Qt windows, and how long Next and Back
// take in process. Run it on an X server of its own:
//     xvfb-run -a -s '-screen 0 1024x768x24' build-test/bench/orvane-bench
#include "Figures.h"
#include "Launch.h"
#include "Steps.h"

#include "app/ApplicationSetUp.h"
#include "platform/ProductFacts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <string>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct Options {
    int starts = 40;
    int rounds = 200;
};

bool parse(int argc, char *argv[], Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (hasValue && std::strcmp(argv[i], "--starts") == 0)
            options.starts = std::stoi(argv[++i]);
        else if (hasValue && std::strcmp(argv[i], "--rounds") == 0)
            options.rounds = std::stoi(argv[++i]);
        else
            return false;
    }
    return options.starts >= 0 && options.rounds > 0;
}

struct Starts {
    QList<double> mappedMs;
    QList<double> cpuMs;
    QList<double> peakKiB;

    void add(const bench::StartFigures &figures)
    {
        mappedMs.append(figures.mappedMs);
        cpuMs.append(figures.cpuMs);
        peakKiB.append(figures.peakKiB);
    }
};

struct Subject {
    QString program;
    QString home;
    Starts starts;
};

void printRow(const char *what, const QList<Subject> &subjects, double (*figure)(const Starts &))
{
    const double program = figure(subjects.front().starts);
    std::printf("%-30s", what);
    for (const Subject &subject : subjects)
        std::printf(" %10.1f", figure(subject.starts));
    for (qsizetype i = 1; i < subjects.size(); ++i)
        std::printf(" %8.3f", program / figure(subjects.at(i).starts));
    std::printf("\n");
}

// Prints the start-up figures of the program beside the two baselines': a bare
// window, and one showing a line of text, which alone starts the font system
// that any window with text pays for.
bool measureStartUps(int starts, const QTemporaryDir &homes)
{
    bench::Display display;
    if (!display.isOpen()) {
        std::fprintf(stderr, "no X server: run it under xvfb-run -a -s '-screen 0 1024x768x24'\n");
        return false;
    }
    QList<Subject> subjects{{QStringLiteral(ORVANE_PROGRAM), homes.filePath(u"program"_s), {}},
                            {QStringLiteral(ORVANE_BARE_BASELINE), homes.filePath(u"bare"_s), {}},
                            {QStringLiteral(ORVANE_TEXT_BASELINE), homes.filePath(u"text"_s), {}}};

    // A first start of each, not counted, fills the disk cache and leaves the
    // program its stored reminder date, as on any start but the first.
    for (const Subject &subject : subjects) {
        if (!display.launch(subject.program, subject.home)) {
            std::fprintf(stderr, "a window was not mapped within the time allowed\n");
            return false;
        }
    }
    for (int i = 0; i < starts; ++i) {
        // In turn, each first in its turn, so that none gains from a warm cache.
        for (qsizetype turn = 0; turn < subjects.size(); ++turn) {
            Subject &subject = subjects[(i + turn) % subjects.size()];
            const auto figures = display.launch(subject.program, subject.home);
            if (!figures) {
                std::fprintf(stderr, "a window was not mapped within the time allowed\n");
                return false;
            }
            subject.starts.add(*figures);
        }
    }

    std::printf("Start-up, %d starts each in turn, medians\n%-30s %10s %10s %10s %8s %8s\n", starts, "", "program",
                "bare", "text", "/bare", "/text");
    printRow("spawn to mapped window (ms)", subjects,
             [](const Starts &figures) { return bench::median(figures.mappedMs); });
    printRow("CPU time to idle (ms)", subjects, [](const Starts &figures) { return bench::median(figures.cpuMs); });
    printRow("peak memory after paint (KiB)", subjects,
             [](const Starts &figures) { return bench::median(figures.peakKiB); });
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: %s [--starts N] [--rounds N]\n"
                     "with --starts 0 it measures Next and Back alone, without an X server\n",
                     argv[0]);
        return 2;
    }
    QTemporaryDir homes;
    if (options.starts > 0 && !measureStartUps(options.starts, homes))
        return 1;

    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString stepsHome = homes.filePath(u"steps"_s);
    QDir().mkpath(stepsHome + u"/.config"_s);
    ::mkdir(QFile::encodeName(stepsHome + u"/run"_s).constData(), 0700);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(stepsHome + u"/.config"_s));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(stepsHome + u"/run"_s));
    QApplication application(argc, argv);
    app::setUpApplication(application);
    const bench::StepFigures steps = bench::measureSteps(options.rounds);
    std::printf("\nIn process, offscreen, %d rounds     median      worst  CPU median\n", options.rounds);
    std::printf("%-30s %10.2f %10.2f %10.2f\n", "Next (ms)", bench::median(steps.nextMs), bench::worst(steps.nextMs),
                bench::median(steps.nextCpuMs));
    std::printf("%-30s %10.2f %10.2f %10.2f\n", "Back (ms)", bench::median(steps.backMs), bench::worst(steps.backMs),
                bench::median(steps.backCpuMs));
    std::printf("%-30s %10.2f\n", "first Next (ms)", steps.firstNextMs);
    return 0;
}
