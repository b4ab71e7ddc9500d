// The teacher's command line: `kvr --check` of 1 and of 1,000 files, started as a process,
// and one lab report PDF written in this process. Counters: the cost of a file beyond the
// first, (t(1000) - t(1)) / 999, in ms; the peak memory of 1,000 files beyond that of 10, in
// KiB; both to be read against 0.2 ms and 2,048 KiB. Build with the release settings.
#include "DefaultFieldTexts.h"
#include "FileRun.h"
#include "InputFields.h"
#include "LabReport.h"
#include "WindowSet.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

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
        kvr::WriteExperimentFile(files.back(), texts);
    }
    return files;
}

struct Measured {
    double ms;
    long peakKib;
};

// `kvr --check FILES > /dev/null`, timed from start to exit.
Measured Check(const QStringList &files) {
    std::vector<QByteArray> arguments{KVR_BINARY, "--check"};
    for (const QString &file : files)
        arguments.push_back(QFile::encodeName(file));
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    posix_spawn(&child, KVR_BINARY, &actions, nullptr, argv.data(), environ);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    return {double(clock.nsecsElapsed()) / 1e6, usage.ru_maxrss};
}

void BM_CheckCostPerFile(benchmark::State &state) {
    const QTemporaryDir folder;
    const QStringList files = ExampleFiles(folder, 1000);
    double perFile = 0;
    long memory = 0;
    for (auto _ : state) {
        const Measured one = Check(files.mid(0, 1)), ten = Check(files.mid(0, 10));
        const Measured all = Check(files);
        perFile = (all.ms - one.ms) / 999;
        memory = all.peakKib - ten.peakKib;
    }
    state.counters["ms_per_file_beyond_1"] = perFile;
    state.counters["peak_kib_beyond_10"] = double(memory);
}

void BM_ReportPdf(benchmark::State &state) {
    const QTemporaryDir folder;
    const QString file = ExampleFiles(folder, 1).constFirst();
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const auto run = kvr::RunExperimentFile(file, kvr::DecimalSeparator());
        kvr::Experiment(run->state, run->runs)
            .Write(pdf, *kvr::LabReportPdf(run->runs, run->state));
    }
}

BENCHMARK(BM_CheckCostPerFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
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
