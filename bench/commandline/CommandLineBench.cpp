// The teacher's command line: `kvr --check` of 1 and of 1,000 files, the same with `-o` to a
// workbook of 1 and of 2,000 files, both started as a process, the notes' own share of a
// check, and one lab report PDF written in this process. Counters: the cost of a file beyond
// the first, (t(N) - t(1)) / (N - 1), in ms, to be read against 0.2 ms for the table and
// 0.5 ms for the workbook; the peak memory of N files beyond that of 10, in KiB, against
// 2,048 KiB for the table and 8,192 KiB for the workbook; notes_share, the time the notes
// take over that of running the files, against 0.1. Build with the release settings.
#include "CheckNotes.h"
#include "FileRun.h"
#include "InputTable.h"
#include "LabReport.h"
#include "TranslatedTexts.h"
#include "WindowSet.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <variant>
#include <vector>

namespace {

// The worked example with a name, `count` times.
QStringList ExampleFiles(const QTemporaryDir &folder, int count) {
    kvr::ExperimentTexts texts;
    texts.name = "Іваненко";
    for (std::size_t slot = 0; slot < texts.fields.size(); ++slot)
        texts.fields[slot] = kvr::kDefaultFieldTexts[slot];
    texts.chosenTime = kvr::kDefaultChosenTime;
    QStringList files;
    for (int k = 0; k < count; ++k) {
        files << folder.filePath(QStringLiteral("%1.kvr").arg(k));
        if (!kvr::WriteExperimentFile(files.back(), texts))
            return {};
    }
    return files;
}

struct Measured {
    double ms;
    long peakKib;
};

// A child started from this process inherits its peak memory as its own, and this process
// outweighs kvr. So this program, run again before it makes an application, forks kvr
// and prints kvr's own time and peak.
constexpr char kLaunch[] = "--launch";

int Launch(char **argv) {
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        dup2(open("/dev/null", O_WRONLY), 1);
        execv(argv[0], argv);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("%f %ld\n", double(clock.nsecsElapsed()) / 1e6, usage.ru_maxrss);
    return 0;
}

// `kvr --check OPTIONS FILES > /dev/null`, timed from start to exit.
Measured Check(const QStringList &files, const QStringList &options) {
    std::vector<QByteArray> arguments{"/proc/self/exe", kLaunch, KVR_BINARY, "--check"};
    for (const QString &option : options)
        arguments.push_back(QFile::encodeName(option));
    for (const QString &file : files)
        arguments.push_back(QFile::encodeName(file));
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int report[2];
    if (pipe(report) != 0)
        return {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], 1);
    pid_t launcher = 0;
    posix_spawn(&launcher, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    Measured measured{};
    FILE *const stream = fdopen(report[0], "r");
    if (std::fscanf(stream, "%lf %ld", &measured.ms, &measured.peakKib) != 2)
        measured = {-1, -1};
    std::fclose(stream);
    waitpid(launcher, nullptr, 0);
    return measured;
}

void CostPerFile(benchmark::State &state, int count, const QStringList &options) {
    const QTemporaryDir folder;
    const QStringList files = ExampleFiles(folder, count);
    double perFile = 0;
    long memory = 0;
    for (auto _ : state) {
        const Measured one = Check(files.mid(0, 1), options);
        const Measured ten = Check(files.mid(0, 10), options);
        const Measured all = Check(files, options);
        perFile = (all.ms - one.ms) / (count - 1);
        memory = all.peakKib - ten.peakKib;
    }
    state.counters["ms_per_file_beyond_1"] = perFile;
    state.counters["peak_kib_beyond_10"] = double(memory);
}

void BM_CheckCostPerFile(benchmark::State &state) { CostPerFile(state, 1000, {}); }

void BM_WorkbookCostPerFile(benchmark::State &state) {
    const QTemporaryDir output;
    CostPerFile(state, 2000, {QStringLiteral("-o"), output.filePath(QStringLiteral("g.xlsx"))});
}

// The notes cannot be left out of a check, so their share is timed here, against running
// the files alone; the check's verdicts and output only make the true share smaller.
void BM_NotesShare(benchmark::State &state) {
    const QTemporaryDir folder;
    const QStringList files = ExampleFiles(folder, 100);
    const std::string separator = kvr::DecimalSeparator();
    QElapsedTimer clock;
    qint64 runNs = 0, notesNs = 0;
    for (auto _ : state) {
        kvr::GroupNotes group;
        for (const QString &file : files) {
            clock.start();
            const auto run = kvr::RunExperimentFile(QFile::encodeName(file), separator);
            runNs += clock.nsecsElapsed();
            clock.start();
            QStringList notes = kvr::FileNotes(*run);
            if (const kvr::ExperimentTexts *texts = run->read.IfValue())
                notes << group.Add(file, *texts);
            benchmark::DoNotOptimize(notes);
            notesNs += clock.nsecsElapsed();
        }
    }
    state.counters["notes_share"] = double(notesNs) / double(runNs);
}

void BM_ReportPdf(benchmark::State &state) {
    const QTemporaryDir folder;
    const QString file = ExampleFiles(folder, 1).constFirst();
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const auto run = kvr::RunExperimentFile(QFile::encodeName(file), kvr::DecimalSeparator());
        if (!kvr::Experiment().Write(pdf, *kvr::LabReportPdf(run->runs, run->state)))
            state.SkipWithError("the report was not written");
    }
}

BENCHMARK(BM_CheckCostPerFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WorkbookCostPerFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NotesShare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (argc > 2 && std::strcmp(argv[1], kLaunch) == 0)
        return Launch(argv + 2);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The reports' folder memory in a settings file of the benchmark's own.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    kvr::KvrApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
