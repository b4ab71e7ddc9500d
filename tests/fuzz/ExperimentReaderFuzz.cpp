// Any input either opens completely (every text one its field takes, and written back it
// reads as the same texts) or is refused with a reason and no texts.
#include "ExperimentFile.h"
#include "FuzzCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto bytes =
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const kvr::ExperimentRead read = kvr::ParseExperiment(bytes);
    if (!read) {
        FUZZ_CHECK(!read.Error().Reason(kvr::FileAction::Open).isEmpty(),
                   "refused without a reason");
        return 0;
    }
    const kvr::ExperimentTexts &texts = *read;
    FUZZ_CHECK(bool(kvr::CheckForSaving(texts)), "opened texts cannot be saved");
    const QByteArray written = kvr::SerializeExperiment(texts);
    FUZZ_CHECK(kvr::ParseExperiment(written) == read, "written back, it reads otherwise:\n%s",
               written.constData());
    return 0;
}
