// Any input either opens completely (every text one its field takes, and written back it
// reads as the same texts, byte for byte the same file) or is refused with a reason.
#include "ExperimentFile.h"
#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto bytes = QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const kvr::ExperimentRead read = kvr::ParseExperiment(bytes);
    if (const auto *problem = std::get_if<std::string>(&read)) {
        FUZZ_CHECK(!problem->empty(), "refused without a reason");
        return 0;
    }
    const auto &texts = std::get<kvr::ExperimentTexts>(read);
    FUZZ_CHECK(kvr::CheckForSaving(texts).empty(), "opened texts cannot be saved: %s",
               kvr::CheckForSaving(texts).c_str());
    const QByteArray written = kvr::SerializeExperiment(texts);
    const kvr::ExperimentRead again = kvr::ParseExperiment(written);
    FUZZ_CHECK(again == read, "written back, the file reads differently:\n%s", written.constData());
    FUZZ_CHECK(kvr::SerializeExperiment(std::get<kvr::ExperimentTexts>(again)) == written,
               "a second writing differs");
    return 0;
}
