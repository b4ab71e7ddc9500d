#include "FileRun.h"

#include "TypedInputs.h"

namespace kvr {

std::unique_ptr<FileRun> RunExperimentFile(const QByteArray &nativePath, std::string separator) {
    auto run = std::make_unique<FileRun>();
    run->read = ReadExperimentFileAt(nativePath, &run->sha256);
    run->separator = std::move(separator);
    const ExperimentTexts *texts = run->read.IfValue();
    if (!texts)
        return run;
    Experiment experiment;
    run->calculation = experiment.Calculate(TypedInputs(*texts, run->separator));
    if (Buttons(experiment.Status()).determine)
        run->determination = experiment.Determine(texts->chosenTime, run->separator);
    run->state = experiment.State();
    run->runs = experiment.Status();
    return run;
}

} // namespace kvr
